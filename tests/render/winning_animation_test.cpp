// The winning animation as a whole: which pattern a setting names, how the
// time, a key press and the move speed end or pace every pattern, and that
// any window, however small, lets it end.
#include "render/winning_animation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "storage/preference_keys.h"
#include "winning_fixture.h"

namespace velmora {
namespace {

using render_test::kTableGreen;
using render_test::PixelsOf;
using render_test::Thrown;
using render_test::WinningTable;

const std::vector<std::string> kPatterns = {"Open order", "Left to right", "Up to down",
                                            "Festoons",   "Lines",         "Circles"};

bool Sweeping(const std::string& pattern) {
    return pattern == "Open order" || pattern == "Left to right" || pattern == "Up to down";
}

TEST(WinningAnimation, PatternsAreChosenByTheirExactNamesOnly) {
    const std::pair<std::string, WinningPattern> cases[] = {
        {"Open order", WinningPattern::OpenOrder}, {"Left to right", WinningPattern::LeftToRight},
        {"Up to down", WinningPattern::UpToDown},  {"Festoons", WinningPattern::Festoons},
        {"Lines", WinningPattern::Lines},          {"Circles", WinningPattern::Circles},
        {"", WinningPattern::None},                {"open order", WinningPattern::None},
        {"Circles ", WinningPattern::None},        {"Random", WinningPattern::None},
        {"Spirals", WinningPattern::None}};
    std::mt19937_64 random(1);
    for (const auto& [name, pattern] : cases) {
        const std::mt19937_64 before = random;
        EXPECT_EQ(ChooseWinningPattern(name, random), pattern) << name;
        EXPECT_EQ(random, before) << "a named pattern draws nothing: " << name;
    }
}

TEST(WinningAnimation, RandomPicksAmongTheFirstThreeAlike) {
    std::mt19937_64 random(5);
    std::map<WinningPattern, int> seen;
    for (int i = 0; i < 3000; ++i) ++seen[ChooseWinningPattern("(Random)", random)];
    EXPECT_EQ(seen.size(), 3u);
    for (WinningPattern p : {WinningPattern::OpenOrder, WinningPattern::LeftToRight, WinningPattern::UpToDown}) {
        EXPECT_GT(seen[p], 900);
        EXPECT_LT(seen[p], 1100);
    }
}

TEST(WinningAnimation, AnUnknownNameDrawsNothingAndLeavesTheFlagDown) {
    WinningTable t(300, 200);
    t.Run("Spirals");
    EXPECT_TRUE(t.hooks.thrown.empty());
    EXPECT_TRUE(t.hooks.events.empty());
    EXPECT_EQ(t.hooks.runs, 1);
    EXPECT_FALSE(t.hooks.running);
    const std::vector<QRgb> window = PixelsOf(t.surfaces.Window(), t.surfaces.Window().Bounds());
    EXPECT_TRUE(std::all_of(window.begin(), window.end(), [](QRgb p) { return p == kTableGreen; }));
}

TEST(WinningAnimation, NoTimeEndsEachPatternAfterItsFirstStepOrThrow) {
    for (const std::string& pattern : kPatterns) {
        WinningTable t(600, 400);
        const std::vector<Thrown>& thrown = t.Run(pattern, 13, 0);
        if (Sweeping(pattern)) {
            EXPECT_EQ(thrown.size(), 1u) << pattern;
        } else {
            // One whole throw: many steps, all of the one card.
            EXPECT_GT(thrown.size(), 5u) << pattern;
            EXPECT_TRUE(std::all_of(thrown.begin(), thrown.end(), [&](const Thrown& c) { return c.code == thrown[0].code; }))
                << pattern;
        }
        EXPECT_FALSE(t.hooks.running) << pattern;
    }
}

TEST(WinningAnimation, TimeRunsOutOnTheTickCounter) {
    WinningTable t(600, 400);
    t.hooks.ms_per_card = 100;
    // Ten cards of 100 ms make one second.
    EXPECT_EQ(t.Run("Open order", 1, 1).size(), 10u);
}

TEST(WinningAnimation, AKeyPressEndsEveryPatternAtTheNextStepKeepingWhatWasDrawn) {
    for (const std::string& pattern : kPatterns) {
        WinningTable t(600, 400);
        t.e().play.lowest_painted_y = 123;
        t.hooks.press_after = 3;
        const std::vector<Thrown>& thrown = t.Run(pattern, 17);
        ASSERT_EQ(thrown.size(), 3u) << pattern;
        EXPECT_FALSE(t.hooks.running) << pattern;
        // The window and the back buffer hold the same cards.
        EXPECT_EQ(t.surfaces.Window().Image(), t.surfaces.back_buffer.Image().copy(t.surfaces.Window().Bounds()))
            << pattern;
        const QRect last = QRect(thrown[2].x, thrown[2].y, 71, 96).intersected(t.surfaces.Window().Bounds());
        if (!last.isEmpty()) {
            EXPECT_NE(t.Shown(last.center().x(), last.center().y()), kTableGreen) << pattern;
        }
        // Thrown cards do not widen the table's scroll range.
        EXPECT_EQ(t.e().play.lowest_painted_y, 123) << pattern;
    }
}

TEST(WinningAnimation, APressDuringTheWaitAtARowsEndStopsThere) {
    WinningTable t(100, 150, 5);
    t.hooks.press_during_waits = true;
    EXPECT_EQ(t.Run("Left to right").size(), 10u);
    EXPECT_EQ(t.hooks.events.back(), "wait 700");
}

TEST(WinningAnimation, WithoutMoveSpeedOnlyLinesWaitAndThenFiveMillisecondsAStep) {
    for (const std::string& pattern : kPatterns) {
        WinningTable t(600, 400);
        t.inputs.move_speed = 0;
        t.hooks.press_after = 60;
        const std::vector<Thrown>& thrown = t.Run(pattern, 19);
        const std::vector<int> expected = pattern == "Lines" ? std::vector<int>(thrown.size(), 5) : std::vector<int>{};
        EXPECT_EQ(t.hooks.Pauses(), expected) << pattern;
    }
}

TEST(WinningAnimation, ThePauseIsHalfTheMoveSpeedRoundedToEven) {
    const std::pair<int, std::vector<int>> cases[] = {{10, {5, 5}}, {5, {2, 2}}, {3, {2, 2}}, {1, {}}, {0, {}}};
    for (const auto& [speed, pauses] : cases) {
        WinningTable t(600, 400);
        t.inputs.move_speed = speed;
        t.hooks.press_after = 10;
        t.Run("Open order");
        EXPECT_EQ(t.hooks.Pauses(), pauses) << speed;
    }
}

TEST(WinningAnimation, EveryPatternEndsInATinyWindowOrUnderACardBiggerThanIt) {
    for (const QSize size : {QSize(1, 1), QSize(50, 40), QSize(3000, 60)}) {
        for (const std::string& pattern : kPatterns) {
            WinningTable t(size.width(), size.height(), 5);
            t.Run(pattern, 23, 0);
            // A circle never passes through a window this small.
            const bool out_of_reach = pattern == "Circles" && size.width() == 1;
            EXPECT_EQ(t.hooks.thrown.empty(), out_of_reach) << pattern << " " << size.width();
            WinningTable timed(size.width(), size.height(), 5);
            timed.hooks.ms_per_card = 10;
            timed.hooks.ms_per_event = 10;
            timed.hooks.press_after = 400;
            timed.Run(pattern, 29, 1);
            EXPECT_FALSE(timed.hooks.running) << pattern << " " << size.width();
        }
    }
}

TEST(WinningAnimation, ReadsTheAnimationKeysAtEachWin) {
    WinningTable t;
    const WinningAnimationInputs defaults = ReadWinningAnimationInputs(t.e());
    EXPECT_EQ(defaults.pattern, "(Random)");
    EXPECT_EQ(defaults.seconds, 30);
    SettingsFile settings = t.Settings();
    settings.Write(key::kWinningAnimations, "Circles");
    settings.WriteInt(key::kWinningAnimationsTime, 5);
    t.e().params.ParamWrite(key::kSpeedMoveCard.position, key::kSpeedMoveCard.length, "14");
    const WinningAnimationInputs read = ReadWinningAnimationInputs(t.e());
    EXPECT_EQ(read.pattern, "Circles");
    EXPECT_EQ(read.seconds, 5);
    EXPECT_EQ(read.move_speed, 14);
}

}  // namespace
}  // namespace velmora
