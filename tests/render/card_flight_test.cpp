#include "render/card_flight.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "drawing_fixture.h"
#include "render/drag_image.h"
#include "render/flight_path.h"

namespace velmora {
namespace {

using render_test::DrawingTable;
using render_test::kStaleRed;
using render_test::PixelsOf;

TEST(FlightPath, StepsGrowWithTheDistanceAndTheShortAxisFollowsInWholePercent) {
    // 100 pixels: nearest(100 / 5.28 + 0.5) = 19; fast: nearest(17.1) = 17.
    EXPECT_EQ(FlightStep(100, false), 19);
    EXPECT_EQ(FlightStep(100, true), 17);
    EXPECT_EQ(FlightStep(200, false), 31);
    EXPECT_EQ(FlightStep(1, false), 1);
    EXPECT_EQ(FlightPath({0, 0}, {100, 0}, false),
              (std::vector<QPoint>{{19, 0}, {38, 0}, {57, 0}, {76, 0}, {95, 0}, {100, 0}}));
    // y follows x: after 19 of 100 pixels nearest(19.5) = 20 percent of 50.
    const std::vector<QPoint> diagonal = FlightPath({0, 0}, {100, 50}, false);
    EXPECT_EQ(diagonal.front(), QPoint(19, 10));
    EXPECT_EQ(diagonal.back(), QPoint(100, 50));
    EXPECT_EQ(FlightPath({50, 200}, {50, 0}, false).front(), QPoint(50, 169));
    EXPECT_TRUE(FlightPath({7, 7}, {7, 7}, false).empty());
}

TEST(FlightPath, EveryFlightArrivesWithoutOverstepping) {
    for (int dx : {-700, -33, -1, 0, 2, 90, 1200}) {
        for (int dy : {-500, -7, 0, 1, 64, 300}) {
            for (bool fast : {false, true}) {
                const QPoint from(10, 20);
                const QPoint to = from + QPoint(dx, dy);
                const std::vector<QPoint> path = FlightPath(from, to, fast);
                const int longer = std::max(std::abs(dx), std::abs(dy));
                SCOPED_TRACE(testing::Message() << dx << "," << dy << " fast " << fast);
                ASSERT_EQ(path.empty(), longer == 0);
                if (path.empty()) continue;
                EXPECT_EQ(path.back(), to);
                QPoint at = from;
                for (const QPoint& p : path) {
                    EXPECT_LE(std::max(std::abs(p.x() - at.x()), std::abs(p.y() - at.y())), FlightStep(longer, fast));
                    at = p;
                }
            }
        }
    }
}

class Flights : public ::testing::Test {
protected:
    void SetSpeed(const char* speed) { table.e().params.ParamWrite(74, 2, speed); }
    DrawingTable table;
};

TEST_F(Flights, SpeedZeroMakesNoPauses) {
    SetSpeed("0");
    FlyCard(table.Context(), 1, {10, 10}, {120, 60});
    FlyCard(table.Context(), 1, {10, 10}, {120, 60}, {.fast = true, .shadow = true});
    EXPECT_TRUE(table.waiting.waits.empty());
}

TEST_F(Flights, EachStepPausesForTheCardSpeedAndFastFlightsForAQuarter) {
    SetSpeed("10");
    const std::size_t steps = FlightPath({10, 10}, {120, 60}, false).size();
    FlyCard(table.Context(), 1, {10, 10}, {120, 60});
    EXPECT_EQ(table.waiting.waits, std::vector<int>(steps, 10));
    table.waiting.waits.clear();
    const std::size_t fast_steps = FlightPath({10, 10}, {120, 60}, true).size();
    FlyCard(table.Context(), 1, {10, 10}, {120, 60}, {.fast = true});
    EXPECT_EQ(table.waiting.waits, std::vector<int>(fast_steps, 2));  // nearest(2.5)
    SetSpeed("6");
    EXPECT_EQ(FlightDelay(table.e(), true), 2);                       // nearest(1.5)
    SetSpeed("x");
    EXPECT_EQ(FlightDelay(table.e(), false), 0);
    // A pile off the table: the card flies three cards beyond the edge.
    FlyCard(table.Context(), 1, {10, 10}, {-10000, -10002});
    EXPECT_EQ(table.state.drag.rect.topLeft(), QPoint(-3 * 71, -3 * 96));
}

TEST_F(Flights, AShadowedFlightLandsLiftedWaitsAndDrops) {
    SetSpeed("10");
    table.e().geometry.shadow_offset = 9;
    FlyCard(table.Context(), -1, {10, 10}, {120, 60}, {.shadow = true});
    const std::size_t steps = FlightPath({10, 10}, {111, 51}, false).size();
    ASSERT_EQ(table.waiting.waits.size(), steps + 1);
    EXPECT_EQ(table.waiting.waits.back(), 20);
    EXPECT_EQ(table.state.drag.rect.topLeft(), QPoint(120, 60));
    EXPECT_EQ(PixelsOf(table.surfaces.back_buffer, QRect(130, 70, 40, 40)),
              PixelsOf(table.images.Back(), QRect(10, 10, 40, 40)));
}

TEST_F(Flights, NoShadowIsDrawnWhileFlyingEvenWithShadowsOn) {
    table.e().params.ParamWrite(178, 1, "Y");
    table.e().geometry.shadow_offset = 9;
    table.surfaces.back_buffer.Fill(table.surfaces.back_buffer.Bounds(), 0xFFFFFFFFu);
    table.surfaces.window.Fill(table.surfaces.window.Bounds(), 0xFFFFFFFFu);
    FlyCard(table.Context(), 1, {10, 10}, {60, 30});
    // Right of the landed card: the back buffer's white, no stipple.
    EXPECT_EQ(PixelsOf(table.surfaces.window, QRect(131, 40, 7, 80)),
              std::vector<QRgb>(7 * 80, 0xFFFFFFFFu));
    EXPECT_FALSE(table.state.shadows_suspended);
}

class DragImages : public ::testing::Test {
protected:
    DrawingTable table;
};

TEST_F(DragImages, AMoveGivesBackWhatThePictureUncovered) {
    const QRgb kBuffer = 0xFF405060u;
    table.surfaces.back_buffer.Fill(table.surfaces.back_buffer.Bounds(), kBuffer);
    const DrawContext ctx = table.Context();
    BuildCardDragImage(ctx, 1, {20, 20});
    MoveDragImage(ctx, 20, 20, false);  // no move, nothing done
    EXPECT_EQ(table.surfaces.window.Pixel(50, 50), kStaleRed);
    MoveDragImage(ctx, 25, 22, false);
    EXPECT_EQ(table.surfaces.window.Pixel(22, 50), kBuffer);  // the strip left behind
    EXPECT_EQ(table.surfaces.window.Pixel(50, 21), kBuffer);  // and above
    EXPECT_EQ(table.surfaces.window.Pixel(25 + 35, 22 + 48), table.images.Face(0).Pixel(35, 48));
    EXPECT_EQ(table.surfaces.back_buffer.Pixel(25 + 35, 22 + 48), kBuffer);
    EXPECT_EQ(table.waiting.updates, 1);
    MoveDragImage(ctx, 25, 22, true);  // the last move leaves it in the back buffer
    EXPECT_EQ(table.surfaces.back_buffer.Pixel(25 + 35, 22 + 48), table.images.Face(0).Pixel(35, 48));
}

TEST_F(DragImages, ACarriedCardCastsItsShadowStripsAndTakesThemAlong) {
    table.e().params.ParamWrite(178, 1, "Y");
    table.e().geometry.shadow_offset = 9;
    const QRgb kWhite = 0xFFFFFFFFu;
    table.surfaces.back_buffer.Fill(table.surfaces.back_buffer.Bounds(), kWhite);
    table.surfaces.window.Fill(table.surfaces.window.Bounds(), kWhite);
    const DrawContext ctx = table.Context();
    BuildCardDragImage(ctx, 1, {20, 20});
    MoveDragImage(ctx, 30, 30, false);
    const int right = 30 + 71;
    const int bottom = 30 + 96;
    // The right strip starts shadow offset - 2 below the top, the bottom
    // strip shadow offset - 1 right of the left edge; both are stippled.
    const auto column = [&](int x) { return PixelsOf(table.surfaces.window, QRect(x, 30, 1, 96 + 7)); };
    const std::vector<QRgb> beside = column(right + 2);
    EXPECT_EQ(std::count(beside.begin(), beside.begin() + 7, kWhite), 7);
    EXPECT_GT(std::count(beside.begin() + 7, beside.end(), 0xFF000000u), 40);
    const std::vector<QRgb> under = PixelsOf(table.surfaces.window, QRect(30, bottom + 2, 71, 1));
    EXPECT_EQ(std::count(under.begin(), under.begin() + 8, kWhite), 8);
    EXPECT_GT(std::count(under.begin() + 8, under.end(), 0xFF000000u), 25);
    EXPECT_EQ(table.surfaces.window.Pixel(right - 1, bottom - 2), 0xFF000000u);
    EXPECT_EQ(table.surfaces.window.Pixel(right - 2, bottom - 1), 0xFF000000u);
    MoveDragImage(ctx, 140, 10, false);  // far away: the old shadow is gone
    EXPECT_EQ(column(right + 2), std::vector<QRgb>(96 + 7, kWhite));
}

TEST(StippleShadow, EverySecondPixelRoundedAtTheFarCorner) {
    Surface s(200, 200);
    const QRgb kWhite = 0xFFFFFFFFu;
    const QRgb kBlack = 0xFF000000u;
    s.Fill(s.Bounds(), kWhite);
    const QRect run(10, 10, 71, 130);  // right 81, bottom 140
    DrawStippleShadow(s, run);
    EXPECT_EQ(s.Pixel(81, 17), kBlack);  // 7 below the top, right of the run
    EXPECT_EQ(s.Pixel(82, 17), kWhite);  // every second pixel
    EXPECT_EQ(s.Pixel(81, 16), kWhite);
    EXPECT_EQ(s.Pixel(87, 17), kWhite);  // the last column starts two lower
    EXPECT_EQ(s.Pixel(87, 19), kBlack);
    EXPECT_EQ(s.Pixel(16, 140), kWhite); // under the run from 8 right of its left edge
    EXPECT_EQ(s.Pixel(18, 140), kBlack);
    EXPECT_EQ(s.Pixel(86, 144), kBlack); // 6 past the right edge
    EXPECT_EQ(s.Pixel(85, 146), kWhite); // the last two rows end at 4
    EXPECT_EQ(s.Pixel(18, 146), kWhite); // the last row starts two further right
    EXPECT_EQ(s.Pixel(20, 146), kBlack);
    EXPECT_EQ(s.Pixel(20, 147), kWhite); // seven rows only
    EXPECT_EQ(s.Pixel(50, 50), kWhite);  // the run's own place is left alone
}

}  // namespace
}  // namespace velmora
