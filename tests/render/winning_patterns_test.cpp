// Where each pattern of the winning animation throws its first cards, worked
// out by hand from the card size 71 x 96, the window and the seeded draws.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <string>
#include <vector>

#include "render/circle_path.h"
#include "winning_fixture.h"

namespace velmora {
namespace {

using render_test::Thrown;
using render_test::WinningTable;

using Events = std::vector<std::string>;

// The y of the first card of each row (x of each column), in order.
std::vector<int> RowStarts(const std::vector<Thrown>& thrown, bool columns) {
    std::vector<int> starts;
    for (size_t i = 0; i < thrown.size(); ++i) {
        const bool new_row = i == 0 || (columns ? thrown[i].x != thrown[i - 1].x : thrown[i].y != thrown[i - 1].y);
        if (new_row) starts.push_back(columns ? thrown[i].x : thrown[i].y);
    }
    return starts;
}

TEST(WinningPatterns, OpenOrderThrowsAnywhereUpToHalfACardOutside) {
    WinningTable t(400, 300);
    t.hooks.press_after = 6;
    const std::vector<Thrown>& thrown = t.Run("Open order", 11);
    // nearest(71 / 2) = 36 (35.5 to the even neighbour), nearest(96 / 2) = 48.
    std::vector<Thrown> expected;
    for (int i = 0; i < 6; ++i) {
        const int code = t.Expected(51) + 1;
        const int x = t.Expected(400 + 36) - 36;
        const int y = t.Expected(300 + 48) - 48;
        expected.push_back({code, x, y});
    }
    EXPECT_EQ(thrown, expected);
    // P = nearest(10 / 2) after every fifth card, then the events run.
    EXPECT_EQ(t.hooks.events, (Events{"card", "card", "card", "card", "card", "pause 5", "events", "card"}));
}

TEST(WinningPatterns, LeftToRightFillsRowsThenStartsNewPassesFurtherDown) {
    WinningTable t(100, 150, 5);
    t.hooks.press_after = 22;
    const std::vector<Thrown>& thrown = t.Run("Left to right", 3);
    // Steps of nearest(71 / 5.8) = 12 from -20 until x reaches 100; the next
    // row starts at -nearest(71 / 3) = -24 (one row done), 35 lower; then
    // at -nearest(71 / 4) = -18, and as 75 + 96 reaches 150 the next pass
    // starts at y = 35.
    std::vector<Thrown> expected;
    for (int x = -20; x < 100; x += 12) expected.push_back({t.Expected(51) + 1, x, 5});
    for (int x = -24; x < 100; x += 12) expected.push_back({t.Expected(51) + 1, x, 40});
    expected.push_back({t.Expected(51) + 1, -18, 35});
    EXPECT_EQ(thrown, expected);
    EXPECT_EQ(std::count(t.hooks.events.begin(), t.hooks.events.end(), "wait 700"), 2);
    const Events row_end(t.hooks.events.begin() + 12, t.hooks.events.begin() + 15);
    EXPECT_EQ(row_end, (Events{"pause 5", "events", "wait 700"}));
}

TEST(WinningPatterns, LeftToRightPassesWrapBelowTheToolbarOnceTheyReachTheBottom) {
    WinningTable t(100, 150, 5);
    t.hooks.press_after = 90;
    // Passes start 35 apart; the one starting at 175 lies below the window,
    // after which the offset restarts from the toolbar: 5 + 35, then + 35.
    EXPECT_EQ(RowStarts(t.Run("Left to right"), false), (std::vector<int>{5, 40, 35, 70, 105, 140, 175, 75, 110}));
}

TEST(WinningPatterns, UpToDownFillsColumnsAndPausesTwiceInEveryFive) {
    WinningTable t(150, 100, 5);
    t.hooks.press_after = 15;
    const std::vector<Thrown>& thrown = t.Run("Up to down", 5);
    // Steps of nearest(96 / 5.3) = 18 from the toolbar down; the next column
    // nearest(71 / 1.5) = 47 further right starts at -nearest(96 / 3) = -32.
    std::vector<Thrown> expected;
    for (int y = 5; y < 100; y += 18) expected.push_back({t.Expected(51) + 1, -10, y});
    for (int y = -32; y < 100; y += 18) expected.push_back({t.Expected(51) + 1, 37, y});
    expected.push_back({t.Expected(51) + 1, 84, -24});
    EXPECT_EQ(thrown, expected);
    const Events first_five(t.hooks.events.begin(), t.hooks.events.begin() + 8);
    EXPECT_EQ(first_five, (Events{"card", "card", "pause 5", "card", "card", "pause 5", "card", "events"}));
}

TEST(WinningPatterns, UpToDownColumnsWrapToNewPassesAcross) {
    WinningTable t(150, 100, 5);
    t.hooks.press_after = 70;
    EXPECT_EQ(RowStarts(t.Run("Up to down"), true), (std::vector<int>{-10, 37, 84, 131, 35, 82, 129, 70, 117, 105}));
}

TEST(WinningPatterns, FestoonsFallInGrowingStepsAndPauseAtEachSegment) {
    WinningTable t(600, 400, 30);
    t.hooks.press_after = 6;
    const std::vector<Thrown>& thrown = t.Run("Festoons", 21);
    const int direction = (t.Expected(10) + 1) % 2 == 1 ? -1 : 1;
    const int v = direction * (t.Expected(5) + 2);
    const int x = std::min(t.Expected(600), 600 - 71);
    const int y = 30 - 50 + t.Expected(40);
    const int code = t.Expected(51) + 1;
    // One step at speed 0, then four at 3, then six at 5.
    EXPECT_EQ(thrown, (std::vector<Thrown>{{code, x, y},
                                           {code, x + v, y},
                                           {code, x + 2 * v, y + 3},
                                           {code, x + 3 * v, y + 6},
                                           {code, x + 4 * v, y + 9},
                                           {code, x + 5 * v, y + 12}}));
    EXPECT_EQ(t.hooks.events, (Events{"card", "pause 5", "events", "card", "pause 5", "events", "card", "card",
                                      "card", "card", "pause 5", "events"}));
}

TEST(WinningPatterns, AFestoonReachesTheBottomBouncesAndLeavesSideways) {
    WinningTable t(600, 400, 30);
    const std::vector<Thrown>& thrown = t.Run("Festoons", 21, 0);
    ASSERT_GT(thrown.size(), 20u);
    const int lowest = std::max_element(thrown.begin(), thrown.end(), [](auto& a, auto& b) { return a.y < b.y; })->y;
    EXPECT_GE(lowest + 96, 400);
    EXPECT_LT(lowest, 400);
    // It rises again after the first landing.
    const auto landing = std::find_if(thrown.begin(), thrown.end(), [](auto& c) { return c.y + 96 >= 400; });
    ASSERT_NE(landing, thrown.end());
    EXPECT_LT(std::min_element(landing, thrown.end(), [](auto& a, auto& b) { return a.y < b.y; })->y, landing->y - 100);
    const int step = thrown[1].x - thrown[0].x;
    const int last_x = thrown.back().x + step;
    EXPECT_TRUE(last_x > 600 || last_x < -71) << last_x;
}

TEST(WinningPatterns, LinesRunStraightFromTheToolbarAndPauseEverySecondStep) {
    WinningTable t(400, 300, 30);
    t.hooks.press_after = 4;
    const std::vector<Thrown>& thrown = t.Run("Lines", 2);
    const int x = std::min(t.Expected(400), 400 - 71);
    const int v = t.Expected(8) + 4;
    const int code = t.Expected(51) + 1;
    const int vx = x + v > 400 - 71 ? -v : v;
    EXPECT_EQ(thrown, (std::vector<Thrown>{{code, x, 30}, {code, x + vx, 30 + v}, {code, x + 2 * vx, 30 + 2 * v},
                                           {code, x + 3 * vx, 30 + 3 * v}}));
    EXPECT_EQ(t.hooks.events, (Events{"card", "pause 5", "card", "pause 10", "pause 5", "card", "pause 5", "card",
                                      "pause 10", "pause 5", "events"}));
}

TEST(WinningPatterns, LinesTurnAtEveryEdgeAndNeverWanderOff) {
    WinningTable t(400, 300, 30);
    t.hooks.press_after = 800;
    const std::vector<Thrown>& thrown = t.Run("Lines", 9);
    int turns = 0;
    for (size_t i = 0; i < thrown.size(); ++i) {
        const Thrown& c = thrown[i];
        // At most one step (11 pixels) past an edge.
        EXPECT_GT(c.x, -12);
        EXPECT_LT(c.x + 71, 400 + 12);
        EXPECT_GT(c.y, 30 - 12);
        EXPECT_LT(c.y + 96, 300 + 12);
        if (i > 0 && c.code != thrown[i - 1].code) ++turns;
    }
    EXPECT_GT(turns, 10);
}

TEST(WinningPatterns, CirclesGoRoundFromTheTopWhereTheCardTouchesTheWindow) {
    WinningTable t(600, 500, 30);
    const std::vector<Thrown>& thrown = t.Run("Circles", 4, 0);
    // Starts past 500 - 150 (600 - 150) move back before 0 by as much.
    const int drawn_y = t.Expected(500);
    const int y0 = drawn_y > 350 ? 350 - drawn_y : drawn_y;
    const int drawn_x = t.Expected(600);
    const int x0 = drawn_x > 450 ? 450 - drawn_x : drawn_x;
    const int code = t.Expected(51) + 1;
    std::vector<Thrown> expected;
    int pauses = 0;
    const std::vector<QPoint> path = CirclePath();
    for (size_t i = 0; i < path.size(); ++i) {
        const int x = x0 + path[i].x();
        const int y = y0 + path[i].y();
        if (x + 71 <= 0 || x >= 600 || y + 96 <= 0 || y >= 500) continue;
        expected.push_back({code, x, y});
        if (i % 4 == 0) ++pauses;
    }
    EXPECT_EQ(thrown, expected);
    EXPECT_EQ(t.hooks.Pauses(), std::vector<int>(static_cast<size_t>(pauses), 5));
    EXPECT_EQ(std::count(t.hooks.events.begin(), t.hooks.events.end(), "events"),
              static_cast<std::ptrdiff_t>((path.size() + 3) / 4));
}

TEST(CirclePath, StartsAtTheTopAndGoesRoundClockwiseOnce) {
    const std::vector<QPoint> path = CirclePath();
    ASSERT_LE(path.size(), static_cast<size_t>(kCirclePathLimit));
    ASSERT_GT(path.size(), 100u);
    EXPECT_EQ(path.front(), QPoint(151, 0));
    // On the screen (y down) clockwise means the angle from the centre grows.
    double previous = -1;
    for (const QPoint& p : path) {
        const double dx = p.x() - 149.5;
        const double dy = p.y() - 149.5;
        EXPECT_NEAR(std::hypot(dx, dy), 149.5, 2.0) << p.x() << "," << p.y();
        double angle = std::atan2(dx, -dy);  // 0 at the top, growing clockwise
        if (angle < 0) angle += 2 * std::numbers::pi;
        EXPECT_GT(angle, previous) << p.x() << "," << p.y();
        previous = angle;
        EXPECT_TRUE(p.x() >= 0 && p.x() < kCircleDiameter && p.y() >= 0 && p.y() < kCircleDiameter);
    }
    // The right half downwards, then the left half upwards.
    EXPECT_GT(previous, 1.9 * std::numbers::pi);
}

}  // namespace
}  // namespace velmora
