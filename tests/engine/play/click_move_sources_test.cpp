// Double clicks from every kind of pile, by the rules entries that let a
// card leave it; and the piles a layout leaves off the table, which no
// search may use.

#include <gtest/gtest.h>

#include "auto_moves_fixture.h"
#include "engine/play/auto_moves.h"

namespace velmora::play_test {
namespace {

constexpr int kCell = C(9) + 52;  // the card of the third reserve

TEST(ClickMoveSources, WhichCardsLeaveTheirPile) {
    struct Row {
        const char* what;
        std::function<void(Table&)> setup;
        int card;
        const char* pile;
        std::string lands;  // where the card is afterwards
    };
    const auto to_tableaus = [](Table& t) { t.e().params.ParamWrite(251, 1, "Y"); };
    const std::vector<Row> rows = {
        {"foundation top, taken back by R[17] = 1", Set(17, 1), H(2), "Dest1", "Appogg1"},
        {"foundation top, never without R[17]", Set(17, 0), H(2), "Dest1", "Dest1"},
        {"foundation top, R[17] = 2 with two cards", Set(17, 2), H(2), "Dest1", "Appogg1"},
        {"foundation top, R[17] = 2 with one card", All({Set(17, 2), On("Dest1", {H(A)})}), H(A), "Dest1", "Dest1"},
        {"foundation, not the top", Set(17, 1), H(A), "Dest1", "Dest1"},
        {"waste top", {}, S(A), "Mazzo_Vis", "Dest2"},
        {"waste, not the top", {}, D(5), "Mazzo_Vis", "Mazzo_Vis"},
        {"a run from a tableau", to_tableaus, H(8), "Fila1", "Fila3"},
        {"a run longer than the limit", All({to_tableaus, Set(12, 1)}), H(8), "Fila1", "Fila1"},
        {"no tableau card without a run limit", Set(12, 0), C(7), "Fila4", "Fila4"},
        {"a face-down tableau card", [](Table& t) { t.FaceDown(C(7)); }, C(7), "Fila4", "Fila4"},
        {"reserve top", {}, kCell, "Appogg3", "Appogg1"},
        {"reserve, not the top", to_tableaus, C(4), "Appogg2", "Appogg2"},
        {"reserve, any card by R[13], with the cards above it", All({to_tableaus, Set(13, -11)}), C(4), "Appogg2",
         "Fila5"},
        {"reserve, a face-down top card", [](Table& t) { t.FaceDown(kCell); }, kCell, "Appogg3", "Appogg3"},
        {"a card not on the pile named", {}, kCell, "Appogg2", "Appogg3"},
        {"a pile that does not exist", {}, kCell, "Appogg11", "Appogg3"},
    };
    for (const Row& row : rows) {
        Table t;
        FreecellGame(t);
        t.Put("Dest1", {H(A), H(2)}).Put("Mazzo_Vis", {D(5), S(A)});
        t.Put("Fila1", {S(9), H(8), S(7)}).Put("Fila3", {C(9)}).Put("Fila4", {C(7)}).Put("Fila5", {H(5)});
        t.Put("Appogg2", {C(4), H(3)}).Put("Appogg3", {kCell});
        for (int n : {2, 6, 7, 8}) t.Put("Fila" + std::to_string(n), {D(K) + 52 - n});
        if (row.setup) row.setup(t);
        ClickMove(t.e(), row.card, row.pile, ClickKind::Double);
        EXPECT_EQ(WhereIs(t.e(), row.card), row.lands) << row.what;
    }
}

// Piles whose position lies off the table (x below -9999) are not part of
// the layout: no destination search and no automatic play uses them.
TEST(ClickMoveSources, PilesOffTheLayoutAreSkipped) {
    struct Row {
        const char* what;
        std::function<void(Engine&)> place;
        int card;
        std::string lands;
    };
    const std::vector<Row> rows = {
        {"every pile placed", [](Engine&) {}, H(A), "Dest1"},
        {"first foundation off the table", [](Engine& e) { e.main_game.SetFoundationX(0, -10001); }, H(A), "Dest2"},
        {"first foundation just on the table", [](Engine& e) { e.main_game.SetFoundationX(0, -9999); }, H(A),
         "Dest1"},
        {"no pile placed at all: every pile counts", [](Engine& e) { MarkPilesUnplaced(e.main_game, e.tableau_anchors); },
         H(A), "Dest1"},
        {"third tableau off the table", [](Engine& e) { SetTableauX(e.tableau_anchors, 2, -10002); }, S(8), "Fila4"},
        {"first reserve off the table",
         [](Engine& e) {
             SetTableauX(e.tableau_anchors, 2, -10002);
             SetTableauX(e.tableau_anchors, 3, -10002);
             e.main_game.SetReserveX(0, -10003);
         },
         S(8), "Appogg2"},
    };
    for (const Row& row : rows) {
        Table t;
        FreecellGame(t);
        t.e().params.ParamWrite(251, 1, "Y");
        t.Put("Fila1", {H(A)}).Put("Fila2", {S(8)});
        for (int n = 5; n <= 8; ++n) t.Put("Fila" + std::to_string(n), {D(K) + 52 - n});
        row.place(t.e());
        ClickMove(t.e(), row.card, row.card == H(A) ? "Fila1" : "Fila2", ClickKind::Double);
        EXPECT_EQ(WhereIs(t.e(), row.card), row.lands) << row.what;
    }
}

TEST(ClickMoveSources, AutoplayLeavesPilesOffTheLayoutAlone) {
    Table t;
    FreecellGame(t);
    t.Put("Fila1", {H(A)}).Put("Appogg1", {D(A)}).Put("Mazzo_Vis", {S(A)});
    SetTableauX(t.e().tableau_anchors, 0, -10002);
    t.e().main_game.SetReserveX(0, -10003);
    t.e().main_game.SetStockAreaX(kWasteIndex, -10000);
    EXPECT_FALSE(AutoPlayRound(t.e()));
    t.e().main_game.SetStockAreaX(kWasteIndex, 10);
    EXPECT_TRUE(AutoPlayRound(t.e()));
    EXPECT_EQ(WhereIs(t.e(), S(A)), "Dest1");
    EXPECT_EQ(WhereIs(t.e(), H(A)), "Fila1");
    EXPECT_EQ(WhereIs(t.e(), D(A)), "Appogg1");
}

}  // namespace
}  // namespace velmora::play_test
