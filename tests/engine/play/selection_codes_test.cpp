// The selection games besides the pyramid: two top cards to 14 (code 3),
// the game that never selects (33), and what follows a removal in the
// games that close up their bands (47), fill their gaps (33) or refill
// their tableaus (48).

#include <gtest/gtest.h>

#include "engine/play/execute_action.h"
#include "engine/play/selection.h"
#include "engine/play/selection_pile.h"
#include "selection_fixture.h"

namespace velmora::play_test {
namespace {

TEST(SelectionCodes, TopCardsAddingToFourteen) {
    SelectionTable t;
    t.Rule(47, 3).Rule(304, 3);
    t.Put("Fila1", {C(2), H(5)}).Put("Fila2", {D(9)}).Put("Fila3", {S(4)}).Put("Mazzo_Vis", {S(3)});
    EXPECT_FALSE(SelectForSum(t.e(), C(2), "Fila1")) << "not a top card";
    EXPECT_FALSE(SelectForSum(t.e(), S(3), "Mazzo_Vis")) << "only tableau cards";
    EXPECT_EQ(t.view.beeps, 2);
    EXPECT_TRUE(SelectForSum(t.e(), H(5), "Fila1"));
    EXPECT_TRUE(SelectForSum(t.e(), S(4), "Fila3"));
    EXPECT_EQ(t.Pile("Dest1"), t.Codes({H(5), S(4)})) << "nine: not yet";
    EXPECT_FALSE(SelectForSum(t.e(), D(9), "Fila2")) << "no third card";
    EXPECT_TRUE(SelectForSum(t.e(), S(4), "Fila3")) << "clicked out again";
    EXPECT_TRUE(SelectForSum(t.e(), D(9), "Fila2"));
    EXPECT_EQ(t.Pile("Mazzo_Waste"), t.Codes({H(5), D(9)}));
    EXPECT_EQ(t.Pile("Fila1"), t.Codes({C(2)}));
    EXPECT_EQ(t.Pile("Dest1"), "");
}

TEST(SelectionCodes, ThirteenIsNotFourteen) {
    SelectionTable t;
    t.Rule(47, 3).Rule(304, 2).Put("Fila1", {H(K)}).Put("Fila2", {D(A)});
    EXPECT_TRUE(SelectForSum(t.e(), H(K), "Fila1"));
    EXPECT_EQ(t.Pile("Dest1"), t.Codes({H(K)})) << "a King alone is 13, not 14";
    EXPECT_TRUE(SelectForSum(t.e(), D(A), "Fila2"));
    EXPECT_EQ(t.Pile("Mazzo_Waste"), t.Codes({H(K), D(A)}));
}

TEST(SelectionCodes, SomeGamesNeverSelectThisWay) {
    for (int code : {33, 0, 26}) {
        SelectionTable t;
        t.Rule(47, code).Put("Fila1", {H(K)});
        EXPECT_FALSE(SelectForSum(t.e(), H(K), "Fila1")) << code;
        EXPECT_EQ(t.Pile("Dest1"), "") << code;
        EXPECT_EQ(t.view.beeps, 0) << code;
    }
}

// In the band game the piles of a band close up after a removal.
TEST(SelectionCodes, BandGameClosesItsBandsAfterARemoval) {
    for (int code : {47, 7}) {
        SelectionTable t;
        t.Rule(38, code == 47 ? 1 : 10).Rule(47, code).Rule(304, 7);
        t.Put("Fila1", {H(5)}).Put("Fila2", {C(9)}).Put("Fila3", {D(5)}).Put("Fila4", {S(2)});
        PressInPairingGame(t.e(), H(5), "Fila1");
        PressInPairingGame(t.e(), D(5), "Fila3");
        ASSERT_EQ(t.Pile("Mazzo_Waste"), t.Codes({H(5), D(5)})) << code;
        if (code == 47) {
            EXPECT_EQ(t.Pile("Fila1") + "|" + t.Pile("Fila2") + "|" + t.Pile("Fila3"), t.Codes({C(9)}) + "|" + t.Codes({S(2)}) + "|");
        } else {
            EXPECT_EQ(t.Pile("Fila2") + "|" + t.Pile("Fila4"), t.Codes({C(9)}) + "|" + t.Codes({S(2)})) << code;
        }
    }
}

// Code 33 fills the gaps a removal leaves.
TEST(SelectionCodes, RemovalFillsTheGapsInCodeThirtyThree) {
    for (int code : {33, 0}) {
        SelectionTable t;
        t.Rule(47, code).Rule(22, 3).Rule(304, 2);
        t.Put("Fila1", {H(5)}).Put("Fila2", {D(8)}).Put("Mazzo", {C(9)}).Put("Dest1", {H(5)});
        ASSERT_TRUE(ExecuteAction(t.e(), H(5), "Selezionate_Dest"));
        EXPECT_EQ(t.Pile("Fila1"), code == 33 ? t.Codes({C(9)}) : "") << code;
        EXPECT_EQ(t.e().undo.Steps(), 1) << code;
    }
}

// Code 48 refills the tableaus instead of removing, unless the game says no.
TEST(SelectionCodes, CodeFortyEightRefillsUnlessTold) {
    const SelectionJudge complete = [](const std::vector<int>&) { return SelectionVerdict{true, true}; };
    for (bool no_refill : {false, true}) {
        SelectionTable t;
        t.Rule(47, 48).Rule(304, 2).Put("Fila1", {H(5)}).Put("Mazzo", {C(9)});
        t.e().play.no_refill = no_refill;
        ASSERT_TRUE(SelectionStep(t.e(), H(5), complete));
        EXPECT_EQ(t.Pile("Fila2"), no_refill ? "" : t.Codes({C(9)})) << no_refill;
        EXPECT_EQ(t.Pile("Mazzo_Waste"), no_refill ? t.Codes({H(5)}) : "") << no_refill;
    }
    SelectionTable other;
    other.Rule(47, 47).Rule(304, 2).Put("Fila1", {H(5)}).Put("Mazzo", {C(9)});
    ASSERT_TRUE(SelectionStep(other.e(), H(5), complete));
    EXPECT_EQ(other.Pile("Mazzo_Waste"), other.Codes({H(5)})) << "other games remove";
}

}  // namespace
}  // namespace velmora::play_test
