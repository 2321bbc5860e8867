// Special rule 50: pairs of one rank that touch in the grid of R[27]
// columns, corners included, leave for the discard pile; a press on the
// stock closes up the grid and fills it from the stock.
#include <gtest/gtest.h>

#include "engine/play/grid_rules.h"
#include "engine/play/selection.h"
#include "selection_fixture.h"

namespace velmora::play_test {
namespace {

TEST(GridTouching, CellsAroundACellInARowOfThree) {
    // 1 2 3
    // 4 5 6
    // 7 8 9
    for (int other : {1, 2, 3, 4, 6, 7, 8, 9}) EXPECT_TRUE(GridTouching(3, 5, other)) << other;
    EXPECT_FALSE(GridTouching(3, 5, 5)) << "a cell does not touch itself";
    EXPECT_FALSE(GridTouching(3, 3, 4)) << "the end of a row does not touch the start of the next";
    EXPECT_FALSE(GridTouching(3, 6, 7));
    EXPECT_FALSE(GridTouching(3, 1, 7)) << "two rows apart";
    EXPECT_FALSE(GridTouching(0, 1, 2)) << "no grid";
    EXPECT_FALSE(GridTouching(3, 0, 1)) << "no such cell";
}

struct TouchingPairs : ::testing::Test {
    SelectionTable t;
    void SetUp() override {
        // A grid of three columns:
        //   5h 9c 5d
        //   Ks 5s 2h
        t.Rule(38, 1).Rule(47, 50).Rule(27, 3).Rule(304, 6).Rule(303, 0);
        t.Put("Fila1", {H(5)}).Put("Fila2", {C(9)}).Put("Fila3", {D(5)});
        t.Put("Fila4", {S(K)}).Put("Fila5", {S(5)}).Put("Fila6", {H(2)});
    }
    void Press(int card, std::string_view pile) { PressInPairingGame(t.e(), card, pile); }
};

TEST_F(TouchingPairs, ATouchingPairGoesToTheDiscardPile) {
    Press(H(5), "Fila1");
    Press(S(5), "Fila5");
    EXPECT_EQ(t.Pile("Mazzo_Waste"), t.Codes({H(5), S(5)})) << "corner to corner";
    EXPECT_EQ(t.Pile("Fila1"), "");
    EXPECT_EQ(t.Pile("Fila5"), "");
}

TEST_F(TouchingPairs, CardsApartOrOfOtherRanksStay) {
    Press(H(5), "Fila1");
    Press(D(5), "Fila3");
    EXPECT_EQ(t.Pile("Mazzo_Waste"), "") << "two columns apart";
    EXPECT_GE(t.view.beeps, 1);
    Press(D(5), "Fila3");  // clicked out again
    Press(C(9), "Fila2");
    EXPECT_EQ(t.Pile("Mazzo_Waste"), "") << "a Nine is no Five";
    EXPECT_EQ(t.Pile("Fila2"), t.Codes({C(9)}));
}

TEST_F(TouchingPairs, TheStockClosesUpTheGridAndFillsIt) {
    t.Put("Fila1", {}).Put("Fila5", {}).Put("Mazzo", {C(3), D(7)});
    t.e().cards.SetFaceState(C(3), kFaceDown);
    t.e().cards.SetFaceState(D(7), kFaceDown);
    ASSERT_TRUE(PressStockInPairingGame(t.e()));
    EXPECT_EQ(t.Pile("Fila1"), t.Codes({C(9)})) << "the cards move up in order";
    EXPECT_EQ(t.Pile("Fila2"), t.Codes({D(5)}));
    EXPECT_EQ(t.Pile("Fila3"), t.Codes({S(K)}));
    EXPECT_EQ(t.Pile("Fila4"), t.Codes({H(2)}));
    EXPECT_EQ(t.Pile("Mazzo"), "");
    EXPECT_FALSE(t.Pile("Fila5").empty());
    EXPECT_FALSE(t.Pile("Fila6").empty());
}

}  // namespace
}  // namespace velmora::play_test
