#include "engine/play/after_deal.h"

#include <gtest/gtest.h>

#include "auto_moves_fixture.h"

namespace velmora::play_test {
namespace {

using AfterDeal = FreecellTest;

TEST_F(AfterDeal, AutoplayRunsOnlyWhileTheCommandIsTickedAndEnabled) {
    t.Put("Fila1", {S(9), H(A)}).Put("Fila2", {D(A)});
    for (auto [checked, enabled] : {std::pair{false, true}, std::pair{true, false}}) {
        e().play.autoplay_checked = checked;
        e().play.autoplay_enabled = enabled;
        AutoplayAfterDeal(e());
        EXPECT_EQ(Where(H(A)), "Fila1") << checked << enabled;
    }
    e().play.autoplay_checked = e().play.autoplay_enabled = true;
    AutoplayAfterDeal(e());
    EXPECT_EQ(Where(H(A)), "Dest1");
    EXPECT_EQ(Where(D(A)), "Dest2");
}

TEST_F(AfterDeal, AutoplayPlaysADealtTableToItsWin) {
    NearlyWon(t, 3);
    AutoplayAfterDeal(e());
    EXPECT_FALSE(e().flags.Get(flag::kInProgress));
    EXPECT_EQ(rec.Of("move ").size(), 3u);
    EXPECT_EQ(rec.calls.back(), "selection");
}

TEST_F(AfterDeal, OnlyTheOverAtDealCodeEndsAFreshDeal) {
    // Scored against a target the deal already reaches.
    t.Rule(46, 10);
    e().params.ParamWrite(122, 6, "150");
    EXPECT_FALSE(EndDealtGameIfOver(e())) << "an ordinary game plays on";
    EXPECT_TRUE(e().flags.Get(flag::kInProgress));

    t.Rule(47, 44).Rule(46, 200);
    EXPECT_FALSE(EndDealtGameIfOver(e())) << "target not reached";
    EXPECT_TRUE(e().flags.Get(flag::kInProgress));

    t.Rule(46, 150);
    EXPECT_TRUE(EndDealtGameIfOver(e()));
    EXPECT_FALSE(e().flags.Get(flag::kInProgress));
    EXPECT_EQ(rec.Of("animation").size(), 1u) << "it ends as a win";
    EXPECT_FALSE(EndDealtGameIfOver(e())) << "nothing to end any more";
}

}  // namespace
}  // namespace velmora::play_test
