// Automatic play around its edges: the settings and rules entries that stop
// it turning cards up, the commands that switch it off, and the win found
// after a release.

#include <gtest/gtest.h>

#include "auto_moves_fixture.h"
#include "engine/play/auto_moves.h"

namespace velmora::play_test {
namespace {

using AutoplayEdges = FreecellTest;

TEST_F(AutoplayEdges, TurnsUpTopCardsOnlyWhenTheSettingAndTheGameSayYes) {
    struct Row {
        const char* setting;
        int rule;  // R[41]
        bool turned;
    };
    for (const Row& row : {Row{"Y", 1, true}, Row{"", 1, true}, Row{"N", 1, false}, Row{"Y", 0, false},
                           Row{"Y", 2, false}}) {
        Table fresh;
        FreecellGame(fresh);
        fresh.Rule(41, row.rule);
        fresh.e().params.ParamWrite(param::kAutoFaceUp, 1, row.setting);
        fresh.Put("Fila1", {S(9), D(4)}).FaceDown(D(4));
        AutoPlayRound(fresh.e());
        EXPECT_EQ(fresh.e().cards.IsFaceDown(D(4)), !row.turned) << row.setting << " " << row.rule;
    }
}

// With no step before it, the turn stays a step of its own.
TEST_F(AutoplayEdges, ATurnWithNoStepBeforeItStaysAStep) {
    t.Put("Fila1", {S(9), D(4)}).FaceDown(D(4));
    AutoPlayRound(e());
    EXPECT_FALSE(e().cards.IsFaceDown(D(4)));
    EXPECT_EQ(e().undo.Steps(), 1);
}

TEST_F(AutoplayEdges, NothingWhileSwitchedOffOrNoGameRuns) {
    t.Put("Fila1", {H(A)});
    e().play.autoplay_enabled = false;
    EXPECT_FALSE(AutoPlayRound(e())) << "disabled in this game";
    e().play.autoplay_enabled = true;
    e().play.autoplay_checked = false;
    EXPECT_FALSE(AutoPlayRound(e())) << "not ticked";
    e().play.autoplay_checked = true;
    e().flags.Set(flag::kInProgress, false);
    EXPECT_FALSE(AutoPlayRound(e())) << "no game in progress";
    EXPECT_EQ(Where(H(A)), "Fila1");
    e().flags.Set(flag::kInProgress, true);
    EXPECT_TRUE(AutoPlayRound(e()));
}

// A release finds a won table even when no move set the win flag.
TEST_F(AutoplayEdges, AReleaseEndsAGameTheTableShowsWon) {
    NearlyWon(t, 0);
    e().play.autoplay_checked = false;
    ASSERT_FALSE(e().flags.Get(flag::kFinished));
    AfterRelease(e());
    EXPECT_FALSE(e().flags.Get(flag::kInProgress));
    EXPECT_EQ(rec.calls.back(), "selection");

    Table running;
    FreecellGame(running);
    running.e().play.autoplay_checked = false;
    running.Put("Fila1", {H(5)});
    AfterRelease(running.e());
    EXPECT_TRUE(running.e().flags.Get(flag::kInProgress)) << "a card left: the game goes on";
    running.e().flags.Set(flag::kFinished, true);
    AfterRelease(running.e());
    EXPECT_FALSE(running.e().flags.Get(flag::kInProgress)) << "the flag alone ends it";
}

// The gaps are filled after a release whether or not automatic play runs,
// and not once the game has ended.
TEST_F(AutoplayEdges, AReleaseFillsTheGaps) {
    for (bool autoplay : {false, true}) {
        Table fresh;
        FreecellGame(fresh);
        fresh.e().play.autoplay_checked = autoplay;
        fresh.Rule(22, 3).Put("Mazzo", {C(9)}).Put("Fila2", {D(9)});
        AfterRelease(fresh.e());
        EXPECT_EQ(WhereIs(fresh.e(), C(9)), "Fila1") << autoplay;
    }
    Table ended;
    FreecellGame(ended);
    ended.Rule(22, 3).Put("Mazzo", {C(9)});
    ended.e().flags.Set(flag::kInProgress, false);
    AfterRelease(ended.e());
    EXPECT_EQ(WhereIs(ended.e(), C(9)), "Mazzo");
}

}  // namespace
}  // namespace velmora::play_test
