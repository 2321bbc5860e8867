// Special rule 51, the peaks: free cards one rank from the discard's top
// go there, and the cards they uncover turn face up with the move.
#include "engine/play/peaks.h"

#include <gtest/gtest.h>

#include "engine/model/pile_string.h"
#include "engine/play/pointer.h"
#include "engine/play/scoring.h"
#include "engine/play/win_condition.h"
#include "selection_fixture.h"

namespace velmora::play_test {
namespace {

// Three peaks: the tops are spades, row 2 clubs, row 3 diamonds Ace to
// Nine, the last row hearts Ace to Ten; only the last row face up; a Five
// on the discard pile.
class Peaks : public ::testing::Test {
protected:
    Peaks() {
        t.Rule(47, kPeaksRule).Rule(3, 4).Rule(304, 4).Rule(303, 0).Rule(305, 0);
        t.Put("Fila1", {S(J), S(Q), S(K)}).Put("Fila2", {C(2), C(3), C(4), C(5), C(6), C(7)});
        t.Put("Fila3", {D(A), D(2), D(3), D(4), D(5), D(6), D(7), D(8), D(9)});
        t.Put("Fila4", {H(A), H(2), H(3), H(4), H(5), H(6), H(7), H(8), H(9), H(10)});
        for (const char* row : {"Fila1", "Fila2", "Fila3"})
            for (int code : PileCodes(t.Pile(row))) t.FaceDown(code);
        t.Put("Mazzo_Waste", {S(5)});
    }
    PressResult::Kind Press(const char* pile, int card) { return PointerPress(t.e(), pile, card, Button::Left, false).kind; }
    bool Up(int card) { return !t.e().cards.IsFaceDown(card); }
    SelectionTable t;
};

TEST_F(Peaks, AFreeCardOneRankAwayGoesOnTheDiscardAndTurnsUpWhatItFrees) {
    EXPECT_EQ(Press("Fila4", H(6)), PressResult::Handled);
    EXPECT_EQ(t.Pile("Fila4"), t.Codes({H(A), H(2), H(3), H(4), H(5), 0, H(7), H(8), H(9), H(10)})) << "an empty slot stays";
    EXPECT_FALSE(Up(D(5))) << "the Five of diamonds still lies under the Five of hearts";
    EXPECT_EQ(Press("Fila4", H(5)), PressResult::Handled);
    EXPECT_TRUE(Up(D(5)));
    EXPECT_FALSE(Up(D(4)));
    EXPECT_FALSE(Up(D(6)));
    EXPECT_EQ(Press("Fila3", D(5)), PressResult::Beep) << "a Five on a Five";
    EXPECT_EQ(Press("Fila4", H(4)), PressResult::Handled);
    EXPECT_TRUE(Up(D(4)));
    EXPECT_EQ(Press("Fila3", D(5)), PressResult::Handled);
    EXPECT_EQ(t.Pile("Mazzo_Waste"), t.Codes({S(5), H(6), H(5), H(4), D(5)}));
    EXPECT_FALSE(Up(C(4))) << "row 2 card 3 still lies under the Four of diamonds";
    EXPECT_EQ(t.view.beeps, 1);
}

TEST_F(Peaks, CoveredAndFaceDownCardsStayAndKingAndAceAreNeighbours) {
    EXPECT_EQ(Press("Fila3", D(4)), PressResult::Nothing) << "face down";
    t.e().cards.SetFaceState(D(4), kFaceUp);
    EXPECT_EQ(Press("Fila3", D(4)), PressResult::Beep) << "face up but covered";
    EXPECT_FALSE(IsPeakCardFree(t.e(), 2, 3));
    EXPECT_TRUE(IsPeakCardFree(t.e(), 3, 9));
    EXPECT_FALSE(IsPeakCardFree(t.e(), 3, 10)) << "no such slot";
    t.Put("Mazzo_Waste", {S(K)});
    EXPECT_EQ(Press("Fila4", H(A)), PressResult::Handled);
    EXPECT_EQ(Press("Fila4", H(2)), PressResult::Handled);
    // The Ace of diamonds lay under the Ace and Two of hearts.
    EXPECT_TRUE(Up(D(A)));
    EXPECT_EQ(t.view.beeps, 1);
}

TEST_F(Peaks, TheGameIsWonWhenTheRowsAreClearedAndTheStockLeftScoresToo) {
    t.e().params.ParamWrite(param::kScoringScheme, 2, kScoringOn);
    t.Rule(307, 52);
    t.Put("Mazzo", {C(K), C(Q)});
    EXPECT_FALSE(IsGameWon(t.e()));
    EXPECT_EQ(ComputeScore(t.e()), 5 - 52);
    t.Put("Fila1", {0, 0, S(K)}).Put("Fila2", {0, 0, 0, 0, 0, 0}).Put("Fila3", {0, 0, 0, 0, 0, 0, 0, 0, 0});
    t.Put("Fila4", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_FALSE(IsGameWon(t.e()));
    t.Put("Fila1", {0, 0, 0});
    EXPECT_TRUE(IsGameWon(t.e()));
    EXPECT_EQ(ComputeScore(t.e()), 3 * 5 - 52) << "the two stock cards count once the peaks are cleared";
}

}  // namespace
}  // namespace velmora::play_test
