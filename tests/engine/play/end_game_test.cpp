#include "engine/play/end_game.h"

#include <gtest/gtest.h>

#include "auto_moves_fixture.h"

namespace velmora::play_test {
namespace {

using EndOfGame = FreecellTest;

TEST_F(EndOfGame, ResultAndClearedState) {
    e().main_game.SetField(field::kPassCounter, 2);
    e().main_game.SetField(field::kDraggedCard, H(5));
    e().flags.Set(flag::kFinished, true);
    EXPECT_TRUE(EndGame(e()));
    EXPECT_EQ(rec.calls, (std::vector<std::string>{"hold", "sound Won", "animation", "release", "selection"}));
    EXPECT_FALSE(e().flags.Get(flag::kInProgress) || e().flags.Get(flag::kFinished));
    EXPECT_TRUE(e().flags.Get(flag::kStopAutoplay));
    EXPECT_EQ(e().main_game.Field(field::kPassCounter) + e().main_game.Field(field::kDraggedCard), 0);
    EXPECT_FALSE(EndGame(e())) << "no game in progress any more";

    // With a target score the score alone decides.
    t.Rule(46, 100);
    e().params.ParamWrite(param::kScore, 6, "120");
    e().flags.Set(flag::kInProgress, true);
    rec.during_animation = [this] { e().flags.Set(flag::kInProgress, true); };  // a new deal meanwhile
    rec.calls.clear();
    EXPECT_TRUE(EndGame(e())) << "won with flag 8 clear";
    EXPECT_EQ(rec.calls.back(), "release") << "no game selection over the new deal";
    e().flags.Set(flag::kFinished, true);
    e().params.ParamWrite(param::kScore, 6, "99");
    EXPECT_FALSE(EndGame(e())) << "flag 8 does not beat the target";
}

}  // namespace
}  // namespace velmora::play_test
