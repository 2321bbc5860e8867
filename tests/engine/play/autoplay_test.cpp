#include <gtest/gtest.h>

#include "auto_moves_fixture.h"
#include "engine/model/piles.h"
#include "engine/play/auto_moves.h"

namespace velmora::play_test {
namespace {

using Autoplay = FreecellTest;

std::vector<std::string> Codes(std::initializer_list<int> cards) {
    std::vector<std::string> out;
    for (int card : cards) out.push_back(std::to_string(card));
    return out;
}

TEST_F(Autoplay, ReservesComeFirstAgainAfterEveryTableauCard) {
    t.Put("Fila1", {S(9), H(A)}).Put("Fila2", {D(A)}).Put("Appogg3", {H(2)}).Put("Mazzo_Vis", {D(2)});
    EXPECT_TRUE(AutoPlayRound(e()));
    EXPECT_EQ(rec.Of("move "), Codes({H(A), H(2), D(A), D(2)}));
    EXPECT_FALSE(AutoPlayRound(e())) << "nothing left to move";
    t.Rule(7, 1).Put("Mazzo_Vis", {H(3)});
    EXPECT_FALSE(AutoPlayRound(e())) << "the waste card is not playable";
}

TEST_F(Autoplay, NeverStartsAFoundationKeptForTheHand) {
    for (int f = 0; f < 4; ++f) t.Rule(48 + f, f % 2 ? ']' : '\\');
    t.Put("Fila1", {H(5)}).Put("Fila2", {D(5)}).Put("Fila3", {H(6)});
    EXPECT_FALSE(AutoPlayRound(e()));
    EXPECT_TRUE(SendCardAway(e(), H(5), "Fila1", true, false, false, true, false)) << "by hand it may";
    // The started foundation is played on; the empty ones still wait.
    EXPECT_TRUE(AutoPlayRound(e()));
    EXPECT_EQ(Where(H(6)), "Dest1");
    EXPECT_EQ(Where(D(5)), "Fila2");
}

TEST_F(Autoplay, FaceUpTurnJoinsTheStepThatExposedTheCard) {
    t.Put("Fila1", {S(9), H(A)}).FaceDown(S(9)).Put("Fila2", {C(4), H(2)}).FaceDown(C(4));
    // The Ace goes by hand; autoplay turns up the nine within that step, then
    // plays the two and turns up the four.
    EXPECT_TRUE(TryDropAt(e(), H(A), {{kKindFoundation, 0, 100}}, false));
    AfterRelease(e());
    EXPECT_FALSE(e().cards.IsFaceDown(S(9)) || e().cards.IsFaceDown(C(4)));
    ASSERT_EQ(e().undo.Steps(), 2);
    EXPECT_EQ(e().undo.tableau[0], "04800011") << "the first step holds the table before the hand move";
    EXPECT_EQ(e().undo.tableau[28], "0481") << "the second has the nine turned up";
}

TEST_F(Autoplay, StopRequestEndsTheRound) {
    t.Put("Fila1", {H(A)}).Put("Fila2", {D(A)});
    e().flags.Set(flag::kStopAutoplay, true);  // left over: cleared at the start
    rec.after_move = [this] { e().flags.Set(flag::kStopAutoplay, true); };
    EXPECT_TRUE(AutoPlayRound(e()));
    EXPECT_EQ(rec.Of("move ").size(), 1u);
    EXPECT_FALSE(e().flags.Get(flag::kStopAutoplay));
}

TEST_F(Autoplay, ReleasePlaysTheGameToItsWin) {
    NearlyWon(t, 3);
    e().play.autoplay_checked = false;
    AfterRelease(e());
    EXPECT_TRUE(e().flags.Get(flag::kInProgress)) << "autoplay off";
    e().play.autoplay_checked = true;
    AfterRelease(e());
    EXPECT_EQ(rec.Of("move "), Codes({S(J), S(Q), S(K)}));
    EXPECT_FALSE(e().flags.Get(flag::kInProgress));
    EXPECT_EQ(StoredScore(e()), 208);
    EXPECT_EQ(rec.calls.back(), "selection");
}

}  // namespace
}  // namespace velmora::play_test
