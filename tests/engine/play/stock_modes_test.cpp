// Stock presses by the deal and redeal modes of the rules: every mode the
// interpreter knows, whether or not a catalogue game uses it today.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <utility>

#include "engine/play/execute_action.h"
#include "engine/play/move_log.h"
#include "engine/play/stock.h"
#include "execute_action_fixture.h"

namespace velmora::play_test {
namespace {

using Rules = std::vector<std::pair<int, int>>;
using Piles = std::map<std::string, std::vector<int>>;

// A table with four reserves and eight tableaus, as every game starts (pass
// counter 1), the stock holding `stock` face down (bottom first).
struct StockTable {
    explicit StockTable(const Rules& rules, std::vector<int> stock = {}) {
        e().main_game.SetField(field::kPassCounter, 1);
        for (auto [entry, value] : rules) t.Rule(entry, value);
        std::string& pile = e().piles.stock_area[kStockIndex];
        for (int card : stock) {
            pile += CardCodeText(card);
            t.FaceDown(card);
        }
    }
    Engine& e() { return t.e(); }
    bool PressAndRelease() {
        const bool pressed = PressStock(e());
        return ReleaseStock(e()) || pressed;
    }
    Table t;
};

// Clubs 2 .. n+1, bottom first, so the top card is the highest.
std::vector<int> Clubs(int n) {
    std::vector<int> cards;
    for (int k = 0; k < n; ++k) cards.push_back(C(2 + k));
    return cards;
}

void PutCards(Table& t, std::string_view pile, const std::vector<int>& cards) {
    std::string& text = *t.e().piles.Pile(ParsePileName(pile)->list, ParsePileName(pile)->index);
    text.clear();
    for (int card : cards) text += CardCodeText(card);
}

// One press on the stock in each deal mode: which piles receive which
// cards, and that the press is one step of the log.
TEST(StockModes, OnePressDealsByTheModesOfTheFirstAndLastPiles) {
    struct Row {
        const char* what;
        Rules rules;
        int stock;     // clubs in the stock
        Piles before;  // other piles
        Piles after;   // watched piles afterwards
        int steps;
    };
    Rules mode_7{{240, 1}, {304, 8}};
    for (int n = 1; n < 8; ++n) mode_7.push_back({240 + n, 7});
    const std::vector<Row> rows = {
        {"first tableau mode 1: one card to each tableau that deals",
         {{240, 1}, {241, 0}, {242, 1}, {304, 3}}, 5, {},
         {{"Fila1", {C(6)}}, {"Fila2", {}}, {"Fila3", {C(5)}}, {"Mazzo", Clubs(3)}}, 1},
        {"last tableau mode 1 alone is enough", {{240, 0}, {241, 0}, {242, 1}, {304, 3}}, 2, {},
         {{"Fila3", {C(3)}}, {"Mazzo", {C(2)}}}, 1},
        {"reserve mode 5 adds a reserve round to the tableau deal, as the same step",
         {{240, 1}, {241, 1}, {304, 2}, {278, 5}, {279, 5}, {305, 2}, {14, -1}}, 5, {},
         {{"Fila1", {C(6)}}, {"Fila2", {C(5)}}, {"Appogg1", {C(4)}}, {"Appogg2", {C(3)}}, {"Mazzo", {C(2)}}}, 1},
        {"reserve mode 5 deals no reserve once the passes are used up",
         {{240, 1}, {241, 1}, {304, 2}, {278, 5}, {279, 5}, {305, 2}, {14, 1}}, 5, {},
         {{"Fila1", {C(6)}}, {"Fila2", {C(5)}}, {"Appogg1", {}}, {"Mazzo", Clubs(3)}}, 1},
        {"tableau mode 2 deals when no tableau is empty", {{240, 2}, {241, 2}, {304, 2}}, 3,
         {{"Fila1", {D(9)}}, {"Fila2", {D(8)}}}, {{"Fila1", {D(9), C(4)}}, {"Fila2", {D(8), C(3)}}}, 1},
        {"last tableau mode 2 alone is enough", {{240, 0}, {241, 2}, {304, 2}}, 3,
         {{"Fila1", {D(9)}}, {"Fila2", {D(8)}}}, {{"Fila1", {D(9)}}, {"Fila2", {D(8), C(4)}}}, 1},
        {"first reserve mode 1 deals the reserves", {{278, 1}, {279, 1}, {305, 2}}, 3, {},
         {{"Appogg1", {C(4)}}, {"Appogg2", {C(3)}}, {"Mazzo", {C(2)}}}, 1},
        {"last reserve mode 1 alone is enough", {{278, 0}, {279, 0}, {280, 1}, {305, 3}}, 3, {},
         {{"Appogg1", {}}, {"Appogg3", {C(4)}}, {"Mazzo", Clubs(2)}}, 1},
        {"reserve mode 3: two reserve rounds as one step",
         {{278, 3}, {279, 3}, {280, 3}, {281, 3}, {305, 4}}, 10, {},
         {{"Appogg1", {C(11), C(7)}}, {"Appogg4", {C(8), C(4)}}, {"Mazzo", Clubs(2)}, {"Fila1", {}}}, 1},
        {"reserve mode 3: the last eight cards go one to each tableau",
         {{278, 3}, {279, 3}, {280, 3}, {281, 3}, {305, 4}, {304, 8}}, 8, {},
         {{"Fila1", {C(9)}}, {"Fila8", {C(2)}}, {"Appogg1", {}}, {"Mazzo", {}}}, 1},
        {"reserve mode 4: up to three cards to the first reserve on an odd press",
         {{278, 4}, {279, 4}, {305, 2}}, 5, {},
         {{"Appogg1", {C(6), C(5), C(4)}}, {"Appogg2", {}}, {"Mazzo", Clubs(2)}}, 1},
        {"tableau mode 8: four cards to each tableau in turn, as one step",
         {{240, 8}, {241, 8}, {242, 8}, {304, 3}}, 10, {},
         {{"Fila1", {C(11), C(10), C(9), C(8)}}, {"Fila2", {C(7), C(6), C(5), C(4)}}, {"Fila3", {C(3), C(2)}},
          {"Mazzo", {}}}, 1},
        {"tableau mode 7 skips the empty tableaus", mode_7, 4,
         {{"Fila3", {D(9)}}}, {{"Fila1", {C(5)}}, {"Fila2", {}}, {"Fila3", {D(9), C(4)}}}, 1},
        {"R[300] turns the stock onto the second waste", {{300, 1}, {21, 2}}, 3, {},
         {{"Mazzo_Waste", {C(4), C(3)}}, {"Mazzo_Vis", {}}, {"Mazzo", {C(2)}}}, 1},
        {"R[9] = 1 turns onto the waste", {{9, 1}, {21, 1}, {300, 1}}, 3, {},
         {{"Mazzo_Vis", {C(4)}}, {"Mazzo_Waste", {}}}, 1},
        {"R[16] = 1 turns only onto an empty waste", {{9, 1}, {21, 1}, {16, 1}}, 3, {{"Mazzo_Vis", {D(9)}}},
         {{"Mazzo_Vis", {D(9)}}, {"Mazzo", Clubs(3)}}, 0},
        {"R[16] = 1 with the waste empty", {{9, 1}, {21, 1}, {16, 1}}, 3, {}, {{"Mazzo_Vis", {C(4)}}}, 1},
        {"no mode: nothing", {{304, 3}, {305, 2}}, 3, {}, {{"Mazzo", Clubs(3)}}, 0},
    };
    for (const Row& row : rows) {
        StockTable s(row.rules, Clubs(row.stock));
        for (const auto& [pile, cards] : row.before) PutCards(s.t, pile, cards);
        PressStock(s.e());
        for (const auto& [pile, cards] : row.after) EXPECT_EQ(Cards(s.e(), pile), cards) << row.what << ": " << pile;
        EXPECT_EQ(Steps(s.e()), row.steps) << row.what;
    }
}

TEST(StockModes, ReserveModeFourAlternatesAndMarksEachPress) {
    StockTable s({{278, 4}, {279, 4}, {305, 2}}, Clubs(7));
    for (int n = 0; n < 3; ++n) EXPECT_TRUE(PressStock(s.e())) << n;
    EXPECT_EQ(Cards(s.e(), "Appogg1"), (std::vector<int>{C(8), C(7), C(6), C(2)}));
    EXPECT_EQ(Cards(s.e(), "Appogg2"), (std::vector<int>{C(5), C(4), C(3)}));
    EXPECT_EQ(Steps(s.e()), 3);
    EXPECT_EQ(CountAnnotations(s.e(), LogSide::Undo, 2), 3);
    EXPECT_EQ(s.e().deal_counter, 3);
    EXPECT_FALSE(PressStock(s.e())) << "an empty stock deals nothing";
    EXPECT_EQ(s.e().deal_counter, 3) << "and counts nothing";
}

TEST(StockModes, ReserveModeFiveDealsFaceDownAndTableauModeSixToo) {
    StockTable s({{240, 6}, {241, 1}, {304, 2}, {278, 5}, {305, 1}, {14, -1}}, Clubs(4));
    EXPECT_TRUE(PressStock(s.e()));
    EXPECT_EQ(Cards(s.e(), "Fila1"), std::vector<int>{C(5)});
    EXPECT_TRUE(s.e().cards.IsFaceDown(C(5))) << "tableau mode 6";
    EXPECT_FALSE(s.e().cards.IsFaceDown(C(4))) << "tableau mode 1";
    EXPECT_EQ(Cards(s.e(), "Appogg1"), std::vector<int>{C(3)});
    EXPECT_TRUE(s.e().cards.IsFaceDown(C(3))) << "reserve mode 5";
    // Mode 6 gives backs only to the deal of every tableau.
    EXPECT_TRUE(ExecuteAction(s.e(), 0, "Add_Tableau_01"));
    EXPECT_FALSE(s.e().cards.IsFaceDown(C(2)));
}

// R[15] = 6: each press counts a pass, and the cards go on to the second
// waste.
TEST(StockModes, EveryPressCountsAPass) {
    StockTable s({{15, 6}, {14, -1}, {21, 1}}, Clubs(3));
    EXPECT_TRUE(s.PressAndRelease());
    EXPECT_EQ(s.e().main_game.Field(field::kPassCounter), 2);
    EXPECT_EQ(Cards(s.e(), "Mazzo_Waste"), std::vector<int>{C(4)});
    EXPECT_TRUE(s.PressAndRelease());
    EXPECT_EQ(s.e().main_game.Field(field::kPassCounter), 3);
    EXPECT_EQ(Cards(s.e(), "Mazzo_Waste"), (std::vector<int>{C(4), C(3)}));
    EXPECT_FALSE(s.e().play.redeal_armed);

    // With three passes allowed, the presses after the third still turn.
    StockTable limited({{15, 6}, {14, 3}, {21, 1}}, Clubs(4));
    for (int n = 0; n < 4; ++n) limited.PressAndRelease();
    EXPECT_EQ(limited.e().main_game.Field(field::kPassCounter), 3);
    EXPECT_TRUE(Cards(limited.e(), "Mazzo").empty());
}

// R[15] > 0: a press on the empty stock arms the redeal, its release counts
// the pass; no card moves.
TEST(StockModes, RedealModeCountsPassesOnTheEmptyStock) {
    StockTable s({{15, 1}, {14, 3}, {9, 0}}, {});
    s.t.Put("Mazzo_Vis", {D(2), D(3)});
    EXPECT_FALSE(PressStock(s.e()));
    EXPECT_TRUE(s.e().play.redeal_armed);
    EXPECT_TRUE(ReleaseStock(s.e()));
    EXPECT_EQ(s.e().main_game.Field(field::kPassCounter), 2);
    s.PressAndRelease();
    EXPECT_EQ(s.e().main_game.Field(field::kPassCounter), 3);
    EXPECT_FALSE(s.PressAndRelease()) << "no pass left";
    EXPECT_EQ(s.e().main_game.Field(field::kPassCounter), 3);
    EXPECT_EQ(Cards(s.e(), "Mazzo_Vis"), (std::vector<int>{D(2), D(3)}));
}

// The stock's marker and the waste are repainted by the redeal.
class RepaintLog : public TableView {
public:
    void RepaintPile(int list, int index) override { calls.emplace_back(list, index); }
    bool Has(ListId list, int index) const {
        return std::find(calls.begin(), calls.end(), std::pair{static_cast<int>(list), index}) != calls.end();
    }
    std::vector<std::pair<int, int>> calls;
};

TEST(StockModes, TheRedealRepaintsTheStockMarkerAndTheGatheredWaste) {
    StockTable s({{9, 1}, {21, 1}, {14, -1}}, {});
    RepaintLog view;
    s.e().view = &view;
    s.t.Put("Mazzo_Vis", {D(2), D(3), D(4)});
    PressStock(s.e());
    EXPECT_TRUE(view.Has(ListId::Stock, kStockIndex)) << "the armed marker";
    view.calls.clear();
    ASSERT_TRUE(ReleaseStock(s.e()));
    EXPECT_TRUE(view.Has(ListId::Stock, kStockIndex));
    EXPECT_TRUE(view.Has(ListId::Stock, kWasteIndex)) << "the waste after the gathering";
}

TEST(StockModes, FillTheGapsMessageOnlyWhenThereIsSomethingToDeal) {
    StockTable empty_stock({{240, 2}, {241, 2}, {304, 2}}, {});
    empty_stock.t.Put("Fila1", {D(9)});
    EXPECT_FALSE(PressStock(empty_stock.e()));
    EXPECT_EQ(empty_stock.e().quiet_messages.last, "") << "an empty stock deals nothing and says nothing";

    StockTable gap({{240, 2}, {241, 2}, {304, 2}}, Clubs(2));
    gap.t.Put("Fila1", {D(9)});
    EXPECT_FALSE(PressStock(gap.e()));
    EXPECT_EQ(gap.e().quiet_messages.last, "Fill in any gaps in the tableau before dealing.");
    EXPECT_EQ(Steps(gap.e()), 0);
}

// Code 28 counts every turn of the stock and marks its step.
TEST(StockModes, CountedTurnsRaiseTheDealCounter) {
    StockTable s({{9, 1}, {21, 3}, {47, 28}}, Clubs(4));
    EXPECT_TRUE(PressStock(s.e()));
    EXPECT_TRUE(PressStock(s.e()));
    EXPECT_EQ(s.e().deal_counter, 2);
    EXPECT_EQ(CountAnnotations(s.e(), LogSide::Undo, 2), 2);
    StockTable plain({{9, 1}, {21, 3}}, Clubs(4));
    PressStock(plain.e());
    EXPECT_EQ(plain.e().deal_counter, 0);
    EXPECT_EQ(CountAnnotations(plain.e(), LogSide::Undo, 2), 0);
}

// In the grid layout every dealt card also adds an empty slot to the grid
// string of the first tableau.
TEST(StockModes, GridLayoutDealsAddSlotsToTheFirstTableau) {
    StockTable s({{3, 8}, {240, 1}, {241, 1}, {304, 2}}, Clubs(3));
    s.t.Put("Fila1", {D(9)});
    EXPECT_TRUE(PressStock(s.e()));
    EXPECT_EQ(Cards(s.e(), "Fila1"), (std::vector<int>{D(9), C(4), 0, 0}));
    EXPECT_EQ(Cards(s.e(), "Fila2"), std::vector<int>{C(3)});
}


// The gathering plays its sound by the redeal animation setting, and only an
// animated redeal flies its cards.
class FlightLog : public TableView {
public:
    void AnimateCard(int card, int, int, int, int) override { flights.push_back(card); }
    std::vector<int> flights;
};

TEST(StockModes, GatheringSoundAndAnimationFollowTheSetting) {
    for (const char* setting : {"Y", "N", ""}) {
        StockTable s({{9, 1}, {21, 1}, {14, -1}}, {});
        SoundLog sounds(s.e());
        FlightLog view;
        s.e().view = &view;
        s.e().params.ParamWrite(242, 1, setting);
        s.t.Put("Mazzo_Vis", {D(2), D(3), D(4)});
        ASSERT_TRUE(s.PressAndRelease()) << setting;
        const bool animated = std::string(setting) != "N";
        EXPECT_EQ(sounds.names.front(), animated ? "Redeal" : "Red_no_a") << setting;
        // Three cards fly back when animated; the card turned afterwards always flies.
        EXPECT_EQ(view.flights.size(), animated ? 4u : 1u) << setting;
    }
}

// In the pyramid game a selected waste card that the gathering puts at the
// bottom of the stock leaves the selection.
TEST(StockModes, GatheringDropsTheSelectedCardAtTheStocksBottom) {
    StockTable s({{9, 1}, {21, 1}, {14, -1}, {47, 4}, {3, 4}, {304, 1}}, {});
    s.t.Put("Mazzo_Vis", {D(2), D(3), D(4)});
    s.t.Put("Dest1", {D(4)});
    ASSERT_TRUE(s.PressAndRelease());
    EXPECT_EQ(Cards(s.e(), "Mazzo"), (std::vector<int>{D(4), D(3)}));
    EXPECT_TRUE(Cards(s.e(), "Dest1").empty());

    StockTable other({{9, 1}, {21, 1}, {14, -1}, {47, 4}, {3, 4}, {304, 1}}, {});
    other.t.Put("Mazzo_Vis", {D(2), D(3), D(4)});
    other.t.Put("Dest1", {D(3)});
    ASSERT_TRUE(other.PressAndRelease());
    EXPECT_EQ(Cards(other.e(), "Dest1"), std::vector<int>{D(3)}) << "a card higher up stays selected";
}

// Closing up the layout: with an empty stock only a gap before a pile that
// holds cards is worth closing.
TEST(StockModes, ClosingUpNeedsAGapOrAStock) {
    struct Row {
        const char* what;
        Piles before;
        bool done;
        Piles after;
    };
    const Row rows[] = {
        {"a gap before a pile", {{"Fila2", {D(5)}}, {"Fila3", {}}, {"Fila4", {D(6)}}}, true,
         {{"Fila2", {D(5)}}, {"Fila3", {D(6)}}, {"Fila4", {}}}},
        {"empty piles only at the end", {{"Fila2", {D(5)}}, {"Fila3", {}}, {"Fila4", {}}}, false,
         {{"Fila2", {D(5)}}, {"Fila3", {}}}},
        {"no empty pile", {{"Fila2", {D(5)}}, {"Fila3", {D(7)}}, {"Fila4", {D(6)}}}, false, {{"Fila3", {D(7)}}}},
        {"the first pile empty", {{"Fila1", {}}, {"Fila2", {}}, {"Fila3", {}}, {"Fila4", {D(6)}}}, true,
         {{"Fila1", {D(6)}}, {"Fila4", {}}}},
    };
    for (const Row& row : rows) {
        StockTable s({{304, 4}}, {});
        s.t.Put("Fila1", {D(9)});
        for (const auto& [pile, cards] : row.before) PutCards(s.t, pile, cards);
        EXPECT_EQ(ExecuteAction(s.e(), 0, "Stock_To_Pile_Monte_Carlo"), row.done) << row.what;
        for (const auto& [pile, cards] : row.after) EXPECT_EQ(Cards(s.e(), pile), cards) << row.what << ": " << pile;
    }
}

TEST(StockModes, ClosingUpPlaysItsSoundOnlyWhenAskedTo) {
    for (const char* setting : {"Y", "N"}) {
        StockTable s({{304, 3}}, {});
        SoundLog sounds(s.e());
        s.e().params.ParamWrite(177, 1, setting);
        s.t.Put("Fila2", {D(5)});
        ASSERT_TRUE(ExecuteAction(s.e(), 0, "Stock_To_Pile_Monte_Carlo"));
        EXPECT_EQ(sounds.names.size(), std::string(setting) == "Y" ? 1u : 0u) << setting;
    }
}

// Deals to one pile by number, and receive modes beyond the known ones.
TEST(StockModes, SinglePileDealsAndUnknownModes) {
    struct Row {
        const char* keyword;
        Rules rules;
        Piles after;
        bool done;
    };
    const Row rows[] = {
        {"Add_Reserve_2", {{278, 1}, {279, 1}}, {{"Appogg2", {C(4)}}, {"Appogg1", {}}}, true},
        {"Add_Reserve_4", {{281, 1}}, {{"Appogg4", {C(4)}}}, true},
        {"Add_Reserve_5", {{282, 1}}, {{"Mazzo", Clubs(3)}}, false},  // four reserves in use
        {"Add_Reserve_0", {{278, 1}}, {{"Mazzo", Clubs(3)}}, false},
        {"Add_Tableau_08", {{247, 1}}, {{"Fila8", {C(4)}}}, true},
        {"Add_Tableau_09", {{248, 1}}, {{"Mazzo", Clubs(3)}}, false},  // eight tableaus in use
        {"Add_Tableau_02", {{241, 0}}, {{"Fila2", {}}}, false},
        {"Add_Tableaus", {{240, 9}, {241, 8}}, {{"Fila1", {}}, {"Fila2", {C(4)}}}, true},
        {"Add_Tableaus", {{240, -1}, {241, 1}}, {{"Fila1", {}}, {"Fila2", {C(4)}}}, true},
        {"Add_Reserves", {{278, 9}, {279, 8}}, {{"Appogg1", {}}, {"Appogg2", {C(4)}}}, true},
        {"Add_Tableaus_Last", {{240, 0}}, {{"Fila1", {C(4)}}, {"Fila2", {C(3)}}, {"Fila3", {C(2)}}}, true},
        {"Fill_Tableaus", {}, {{"Fila1", {C(4)}}, {"Fila2", {D(9)}}, {"Fila3", {C(3)}}}, true},
    };
    for (const Row& row : rows) {
        StockTable s(row.rules, Clubs(3));
        if (std::string(row.keyword) == "Fill_Tableaus") s.t.Put("Fila2", {D(9)});
        EXPECT_EQ(ExecuteAction(s.e(), 0, row.keyword), row.done) << row.keyword;
        for (const auto& [pile, cards] : row.after) EXPECT_EQ(Cards(s.e(), pile), cards) << row.keyword << ": " << pile;
        EXPECT_TRUE(s.e().flags.Get(flag::kStockDealDone)) << row.keyword;
    }
    StockTable empty({{240, 1}}, {});
    EXPECT_FALSE(ExecuteAction(empty.e(), 0, "Add_Tableaus")) << "an empty stock deals nothing";
    EXPECT_EQ(Steps(empty.e()), 0);
}

}  // namespace
}  // namespace velmora::play_test
