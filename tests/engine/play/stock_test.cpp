#include "engine/play/stock.h"

#include <gtest/gtest.h>

#include "engine/play/execute_action.h"
#include "execute_action_fixture.h"

namespace velmora::play_test {
namespace {

struct Stock : ::testing::Test {
    void SetUp() override { e().main_game.SetField(field::kPassCounter, 1); }  // as every game starts
    Engine& e() { return t.e(); }
    void PutStock(std::initializer_list<int> cards) {  // face down
        t.Put("Mazzo", cards);
        for (int card : cards) t.FaceDown(card);
    }
    // Presses turn `turned` cards, passes limited by R[14].
    void TurningGame(int turned, int passes) { t.Rule(9, 1).Rule(21, turned).Rule(14, passes); }
    int Passes() { return e().main_game.Field(field::kPassCounter); }
    bool PressAndRelease() {
        const bool pressed = PressStock(e());
        return ReleaseStock(e()) || pressed;
    }
    Table t;
};

TEST_F(Stock, TurnsUpToItsCountAndStopsWithTheStock) {
    TurningGame(3, 0);
    PutStock({C(2), C(3)});
    EXPECT_TRUE(PressStock(e()));
    EXPECT_EQ(Cards(e(), "Mazzo_Vis"), (std::vector<int>{C(3), C(2)}));
    EXPECT_TRUE(Cards(e(), "Mazzo").empty());
    EXPECT_FALSE(e().cards.IsFaceDown(C(2)));
    EXPECT_EQ(Steps(e()), 1);
    EXPECT_FALSE(PressAndRelease()) << "no passes: an empty stock does nothing";

    t.Rule(9, 0).Rule(15, 1).Rule(14, -1).Put("Mazzo_Vis", {H(2), H(3)});
    const std::vector<std::string> before = Position(e());
    EXPECT_TRUE(PressAndRelease()) << "a counted pass";
    EXPECT_EQ(Passes(), 2);
    EXPECT_EQ(Position(e()), before) << "moves no card";
}

TEST_F(Stock, RedealNeedsTwoWasteCardsAndKeepsTheOrder) {
    TurningGame(1, -1);
    t.Rule(6, 1).Put("Mazzo_Vis", {H(2)});
    EXPECT_FALSE(PressAndRelease());
    EXPECT_EQ(Cards(e(), "Mazzo_Vis"), std::vector<int>{H(2)});

    t.Put("Mazzo_Vis", {H(2), H(3), H(4)});
    const std::vector<std::string> before = Position(e());
    EXPECT_FALSE(PressStock(e())) << "the press only arms the redeal";
    EXPECT_EQ(Position(e()), before);
    EXPECT_TRUE(ReleaseStock(e()));
    EXPECT_FALSE(e().play.redeal_armed);
    // Gathered back with the waste's first card on top, which is turned again.
    EXPECT_EQ(Cards(e(), "Mazzo"), (std::vector<int>{H(4), H(3)}));
    EXPECT_EQ(Cards(e(), "Mazzo_Vis"), std::vector<int>{H(2)});
    EXPECT_TRUE(e().cards.IsFaceDown(H(3))) << "R[6] gives the gathered cards their backs";
    EXPECT_EQ(Steps(e()), 1);
    EXPECT_EQ(Passes(), 2);
}

TEST_F(Stock, ThreePassesAllowTwoGatherings) {
    TurningGame(1, 3);
    t.Put("Mazzo_Vis", {H(2), H(3)});
    int gatherings = 0;
    for (int n = 0; n < 12; ++n) {
        const int passes = Passes();
        PressAndRelease();
        gatherings += Passes() - passes;
    }
    EXPECT_EQ(gatherings, 2);
    EXPECT_EQ(Cards(e(), "Mazzo_Vis"), (std::vector<int>{H(2), H(3)}));
}

TEST_F(Stock, DealSkipsEmptyTableausInModeSeven) {
    t.Rule(240, 1);
    for (int n = 1; n < 8; ++n) t.Rule(240 + n, 7);
    PutStock({C(2), C(3), C(4), C(5)});
    t.Put("Fila3", {D(9)});
    EXPECT_TRUE(PressStock(e()));
    EXPECT_EQ(Cards(e(), "Fila1"), std::vector<int>{C(5)}) << "mode 1 deals onto an empty pile";
    EXPECT_TRUE(Cards(e(), "Fila2").empty());
    EXPECT_EQ(Cards(e(), "Fila3"), (std::vector<int>{D(9), C(4)}));
    EXPECT_TRUE(e().flags.Get(flag::kStockDealDone));
}

TEST_F(Stock, DealWithGapsIsRefusedAndChangesNothing) {
    for (int n = 0; n < 8; ++n) t.Rule(240 + n, 2);
    for (int n = 1; n <= 7; ++n) t.Put("Fila" + std::to_string(n), {D(n)});
    PutStock({C(2), C(3), C(4), C(5), C(6), C(7), C(8), C(9), C(10)});
    const std::vector<std::string> before = Position(e());
    EXPECT_FALSE(PressStock(e()));
    EXPECT_EQ(e().quiet_messages.last, "Fill in any gaps in the tableau before dealing.");
    EXPECT_EQ(Position(e()), before);
    EXPECT_EQ(e().undo, MoveLogSide{});

    t.Put("Fila8", {D(8)});
    EXPECT_TRUE(PressStock(e()));
    EXPECT_EQ(Cards(e(), "Mazzo"), std::vector<int>{C(2)});
}

// Rules values far outside their ranges keep every card on exactly one pile.
TEST(StockRules, OddValuesLoseNoCard) {
    using Rules = std::vector<std::pair<int, int>>;
    for (const Rules& rules : {Rules{{9, 1}, {21, 32000}, {14, -1}}, Rules{{240, 8}, {304, 500}, {305, -3}},
                               Rules{{240, 1}, {247, 1}, {304, -20}, {278, 5}, {305, 99}, {3, 8}},
                               Rules{{278, 3}, {305, 400}, {22, 9}}, Rules{{15, 6}, {14, 32767}, {300, 1}, {21, -4}}}) {
        Table t;
        for (auto [entry, value] : rules) t.Rule(entry, value);
        t.Put("Mazzo", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}).Put("Mazzo_Vis", {13, 14});
        for (int n = 0; n < 6; ++n) {
            PressStock(t.e());
            ReleaseStock(t.e());
            FillGaps(t.e());
            ExecuteAction(t.e(), 0, "Stock_To_Pile_Monte_Carlo");
            ASSERT_TRUE(EachCardOnce(t.e(), 14)) << "rule " << rules[0].first << " = " << rules[0].second;
        }
    }
}

}  // namespace
}  // namespace velmora::play_test
