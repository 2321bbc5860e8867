// What the executor does differently by the game's rules entries: the
// first-move rule, the refill and removal actions, the win re-evaluation of
// some special-rule codes, the slot layout, the exchange and the sounds.

#include <gtest/gtest.h>

#include "auto_moves_fixture.h"
#include "engine/play/execute_action.h"
#include "engine/play/stock.h"
#include "execute_action_fixture.h"

namespace velmora::play_test {
namespace {

TEST(ExecutorCodes, FirstMoveRuleLetsOnlyATableauCardToAFoundation) {
    struct Row {
        const char* what;
        int card;
        const char* keyword;
        bool done;
    };
    for (const Row& row : {Row{"tableau card to a tableau", H(9), "Fila3", false},
                           Row{"reserve card to a foundation", H(A), "Dest1", false},
                           Row{"tableau card to a reserve", H(9), "Appogg2", false},
                           Row{"tableau card to a foundation", D(A), "Dest1", true},
                           Row{"tableau card to a foundation, automatic", D(A), "Dest_Autoplay2", true}}) {
        Table t;
        FreecellGame(t);
        t.Rule(39, 1).Put("Fila1", {H(9)}).Put("Fila2", {D(A)}).Put("Appogg1", {H(A)});
        EXPECT_EQ(ExecuteAction(t.e(), row.card, row.keyword), row.done) << row.what;
        EXPECT_EQ(Steps(t.e()), row.done ? 1 : 0) << row.what;
    }
    Table t;
    FreecellGame(t);
    t.Rule(39, 1).Put("Fila1", {H(9)}).Put("Fila2", {D(A)});
    ASSERT_TRUE(ExecuteAction(t.e(), D(A), "Dest1"));
    EXPECT_TRUE(ExecuteAction(t.e(), H(9), "Appogg1")) << "any move after the first";
}

TEST(ExecutorCodes, RefillEmptyTableausFromTheStock) {
    Table t;
    t.Rule(304, 4).Put("Fila2", {D(9)}).Put("Mazzo", {C(2), C(3), C(4)});
    EXPECT_TRUE(ExecuteAction(t.e(), 0, "Selezionate_Fila"));
    EXPECT_EQ(Cards(t.e(), "Fila1"), std::vector<int>{C(4)});
    EXPECT_EQ(Cards(t.e(), "Fila2"), std::vector<int>{D(9)});
    EXPECT_EQ(Cards(t.e(), "Fila3"), std::vector<int>{C(3)});
    EXPECT_EQ(Cards(t.e(), "Fila4"), std::vector<int>{C(2)});
    EXPECT_EQ(Steps(t.e()), 1);
    t.Put("Mazzo", {C(5)});
    EXPECT_FALSE(ExecuteAction(t.e(), 0, "Selezionate_Fila")) << "nothing empty";
    EXPECT_EQ(Cards(t.e(), "Mazzo"), std::vector<int>{C(5)});
    t.Put("Fila1", {}).Put("Mazzo", {});
    EXPECT_FALSE(ExecuteAction(t.e(), 0, "Selezionate_Fila")) << "nothing to deal";
    EXPECT_EQ(Steps(t.e()), 1);
}

// Only the removal games 25 and 26 turn up what a removal exposed.
TEST(ExecutorCodes, RemovalTurnsUpExposedCardsInTwoGamesOnly) {
    for (int code : {26, 25, 7, 14}) {
        Table t;
        t.Rule(38, 13).Rule(47, code).Rule(41, 1).Rule(304, 2);
        t.e().params.ParamWrite(param::kAutoFaceUp, 1, "Y");
        t.e().play.autoplay_checked = false;
        t.Put("Fila1", {C(9), H(5)}).FaceDown(C(9)).Put("Fila2", {D(8)}).Put("Dest1", {H(5), D(8)});
        ASSERT_TRUE(ExecuteAction(t.e(), H(5), "Selezionate_Dest")) << code;
        EXPECT_EQ(Cards(t.e(), "Mazzo_Waste"), (std::vector<int>{H(5), D(8)})) << code;
        EXPECT_EQ(t.e().cards.IsFaceDown(C(9)), code != 25 && code != 26) << code;
    }
}

// Codes 31, 34 and 35 look at the win after every action, also after moves
// that do not look themselves (a reserve move).
TEST(ExecutorCodes, SomeCodesReevaluateTheWinAfterEveryAction) {
    struct Row {
        int code;
        std::function<void(Table&)> setup;
        bool won;
    };
    const auto aces = [](Table& t) {
        for (int n = 1; n <= 7; ++n) t.Put("Fila" + std::to_string(n), {n <= 4 ? 13 * (n - 1) + 1 : 13 * (n - 5) + 53});
    };
    const std::vector<Row> rows = {
        {31, aces, true},
        {34, Set(46, -52), true},
        {35, All({Set(46, -22), On("Mazzo_Waste", {D(2), D(3), D(4)})}), true},
        {35, All({Set(46, -21), On("Mazzo_Waste", {D(2), D(3), D(4)})}), false},
        {27, aces, false},  // won by the table, but only looked at by the moves that look
    };
    for (const Row& row : rows) {
        Table t;
        t.Rule(47, row.code).Rule(307, 52);
        t.Put("Fila8", {S(A) + 52, H(9)});
        row.setup(t);
        ASSERT_TRUE(ExecuteAction(t.e(), H(9), "Appogg1")) << row.code;
        EXPECT_EQ(t.e().flags.Get(flag::kFinished), row.won) << row.code;
    }
}

TEST(ExecutorCodes, SlotLayoutLeavesAnEmptySlotOnTheTableau) {
    Table t;
    t.Rule(3, 4).Put("Fila1", {H(9), S(8)}).Put("Appogg1", {D(2), D(3)});
    ASSERT_TRUE(ExecuteAction(t.e(), S(8), "Appogg2"));
    EXPECT_EQ(Cards(t.e(), "Fila1"), (std::vector<int>{H(9), 0}));
    ASSERT_TRUE(ExecuteAction(t.e(), D(3), "Appogg3"));
    EXPECT_EQ(Cards(t.e(), "Appogg1"), std::vector<int>{D(2)}) << "only tableaus keep slots";
    t.Rule(3, 5);
    ASSERT_TRUE(ExecuteAction(t.e(), H(9), "Appogg4"));
    EXPECT_EQ(Cards(t.e(), "Fila1"), std::vector<int>{0}) << "other layouts take the card out";
}

TEST(ExecutorCodes, ExchangeOnlyWithALoneCardOffItsBase) {
    struct Row {
        const char* what;
        std::vector<int> dest;  // Fila2 before the drop
        int base;               // R[129]
        std::vector<int> source_after, dest_after;
    };
    const Row rows[] = {
        {"a lone card off its base goes back", {S(9)}, 2, {S(9)}, {H(5)}},
        {"a lone card on its base stays", {S(2)}, 2, {}, {S(2), H(5)}},
        {"two cards stay", {D(7), S(9)}, 2, {}, {D(7), S(9), H(5)}},
        {"an empty pile takes the card", {}, 2, {}, {H(5)}},
    };
    for (const Row& row : rows) {
        Table t;
        t.Rule(47, 49).Rule(129, row.base).Put("Fila1", {H(5)});
        std::string& dest = t.e().piles.tableau[1];
        for (int card : row.dest) dest += CardCodeText(card);
        ASSERT_TRUE(ExecuteAction(t.e(), H(5), "Fila2")) << row.what;
        EXPECT_EQ(Cards(t.e(), "Fila1"), row.source_after) << row.what;
        EXPECT_EQ(Cards(t.e(), "Fila2"), row.dest_after) << row.what;
        EXPECT_EQ(Steps(t.e()), 1) << row.what;
    }
    Table other_code;
    other_code.Rule(47, 48).Rule(129, 2).Put("Fila1", {H(5)}).Put("Fila2", {S(9)});
    ASSERT_TRUE(ExecuteAction(other_code.e(), H(5), "Fila2"));
    EXPECT_EQ(Cards(other_code.e(), "Fila2"), (std::vector<int>{S(9), H(5)})) << "only code 49 exchanges";
}

TEST(ExecutorCodes, SoundsOfTheStockAreaMoves) {
    struct Row {
        int code;
        const char* keyword;
        std::vector<std::string> sounds;
    };
    for (const Row& row : {Row{12, "Waste", {"Eddy"}}, Row{0, "Waste", {}}, Row{13, "Waste", {}},
                           Row{12, "Stock02", {"Tableau"}}, Row{0, "Appogg1", {"Tableau"}}}) {
        Table t;
        SoundLog sounds(t.e());
        t.Rule(47, row.code).Put("Fila1", {H(5)});
        ASSERT_TRUE(ExecuteAction(t.e(), H(5), row.keyword)) << row.keyword;
        EXPECT_EQ(sounds.names, row.sounds) << row.code << " " << row.keyword;
    }
}

// A card is taken from wherever it lies, the second waste included.
TEST(ExecutorCodes, CardsLeaveEveryKindOfPile) {
    for (const char* pile : {"Mazzo", "Mazzo_Vis", "Mazzo_Waste", "Dest3", "Fila5", "Appogg4"}) {
        Table t;
        t.Put(pile, {D(3), H(A)});
        ASSERT_TRUE(ExecuteAction(t.e(), H(A), "Dest1")) << pile;
        EXPECT_EQ(Cards(t.e(), pile), std::vector<int>{D(3)}) << pile;
        EXPECT_EQ(Cards(t.e(), "Dest1"), std::vector<int>{H(A)}) << pile;
    }
}

// Codes 2 and 15 end the game from a stock press that wins it.
TEST(ExecutorCodes, AWinningStockPressEndsTheGameInCodesTwoAndFifteen) {
    for (int code : {2, 15, 12, 0}) {
        Table t;
        FreecellGame(t);
        t.Rule(47, code).Rule(300, 1).Rule(21, 1).Put("Mazzo", {H(5)});
        ASSERT_TRUE(PressStock(t.e())) << code;
        EXPECT_EQ(t.e().flags.Get(flag::kInProgress), code != 2 && code != 15) << code;
    }
}

}  // namespace
}  // namespace velmora::play_test
