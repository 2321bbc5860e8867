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
using render_test::kTableGreen;
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
    table.surfaces.Window().Fill(table.surfaces.Window().Bounds(), 0xFFFFFFFFu);
    FlyCard(table.Context(), 1, {10, 10}, {60, 30});
    // Right of the landed card: the back buffer's white, no stipple.
    EXPECT_EQ(PixelsOf(table.surfaces.Window(), QRect(131, 40, 7, 80)),
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
    EXPECT_EQ(table.surfaces.Window().Pixel(50, 50), kStaleRed);
    MoveDragImage(ctx, 25, 22, false);
    EXPECT_EQ(table.surfaces.Window().Pixel(22, 50), kBuffer);  // the strip left behind
    EXPECT_EQ(table.surfaces.Window().Pixel(50, 21), kBuffer);  // and above
    EXPECT_EQ(table.surfaces.Window().Pixel(25 + 35, 22 + 48), table.images.Face(0).Pixel(35, 48));
    EXPECT_EQ(table.surfaces.back_buffer.Pixel(25 + 35, 22 + 48), kBuffer);
    EXPECT_EQ(table.waiting.updates, 1);
    MoveDragImage(ctx, 25, 22, true);  // the last move leaves it in the back buffer
    EXPECT_EQ(table.surfaces.back_buffer.Pixel(25 + 35, 22 + 48), table.images.Face(0).Pixel(35, 48));
}

// A single card and a run are carried as they lie: face up with their own
// faces, face down as the back.
TEST_F(DragImages, CardsAreCarriedAsTheyLie) {
    const DrawContext ctx = table.Context();
    BuildCardDragImage(ctx, 14, {20, 20});
    EXPECT_EQ(PixelsOf(table.state.drag.image, QRect(5, 5, 60, 85)), PixelsOf(table.images.Face(13), QRect(5, 5, 60, 85)));
    BuildCardDragImage(ctx, -1, {20, 20});
    EXPECT_EQ(PixelsOf(table.state.drag.image, QRect(5, 5, 60, 85)), PixelsOf(table.images.Back(), QRect(5, 5, 60, 85)));
    BuildDragImage(ctx, {{5, true, {0, 0}}, {6, false, {0, 20}}}, {10, 10});
    EXPECT_EQ(PixelsOf(table.state.drag.image, QRect(5, 5, 60, 14)), PixelsOf(table.images.Back(), QRect(5, 5, 60, 14)));
    EXPECT_EQ(PixelsOf(table.state.drag.image, QRect(5, 25, 60, 60)), PixelsOf(table.images.Face(5), QRect(5, 5, 60, 60)));
}

// A table of a colour with every channel apart, so a shadow that lets it
// show through keeps its hue.
constexpr QRgb kSlateBlue = 0xFF3C64C8u;

class SoftShadows : public ::testing::Test {
protected:
    SoftShadows() {
        table.e().params.ParamWrite(178, 1, "Y");
        for (Surface* s : {&table.surfaces.back_buffer, &table.surfaces.Window()}) s->Fill(s->Bounds(), kSlateBlue);
    }
    DrawingTable table;
};

TEST_F(SoftShadows, ACarriedCardDarkensTheTableBeneathWithoutHidingIt) {
    const DrawContext ctx = table.Context();
    BuildCardDragImage(ctx, 1, {20, 20});
    MoveDragImage(ctx, 30, 30, false);
    const int right = 30 + 71;
    const int bottom = 30 + 96;
    const QRgb beside = table.surfaces.Window().Pixel(right + 1, 30 + 60);
    EXPECT_LT(qBlue(beside), qBlue(kSlateBlue));  // darker
    EXPECT_GT(qBlue(beside), 40);                 // not black
    EXPECT_GT(qBlue(beside), qGreen(beside));     // the table's colour shows through
    EXPECT_GT(qGreen(beside), qRed(beside));
    const QRgb under = table.surfaces.Window().Pixel(30 + 35, bottom + 1);
    EXPECT_LT(qBlue(under), qBlue(kSlateBlue));
    EXPECT_GT(qBlue(under), 40);
    // The edge is soft: lighter further out, then the bare table.
    EXPECT_GT(qBlue(table.surfaces.Window().Pixel(right + 5, 30 + 60)), qBlue(beside));
    EXPECT_EQ(table.surfaces.Window().Pixel(right + 12, 30 + 60), kSlateBlue);
    // The shadow falls down and right: none above or left of the card.
    EXPECT_EQ(table.surfaces.Window().Pixel(30 + 35, 28), kSlateBlue);
    EXPECT_EQ(table.surfaces.Window().Pixel(28, 30 + 60), kSlateBlue);
    // Moved far away, the old shadow gives the table back exactly.
    MoveDragImage(ctx, 300, 10, false);
    EXPECT_EQ(PixelsOf(table.surfaces.Window(), QRect(30, 30, 71 + 12, 96 + 12)),
              std::vector<QRgb>(83 * 108, kSlateBlue));
}

TEST_F(SoftShadows, TheRoundedCornersShowTheTableWhereTheCardIsNow) {
    const DrawContext ctx = table.Context();
    BuildCardDragImage(ctx, 1, {20, 20});  // built over the green bare table
    MoveDragImage(ctx, 120, 60, false);
    EXPECT_EQ(table.surfaces.Window().Pixel(120, 60), kSlateBlue);            // top left, outside the shadow
    EXPECT_NE(table.surfaces.Window().Pixel(120 + 70, 60 + 95), kTableGreen);  // bottom right, in it
    EXPECT_EQ(table.surfaces.Window().Pixel(120 + 35, 60 + 48), table.images.Face(0).Pixel(35, 48));
}

TEST_F(SoftShadows, TheLastMoveLeavesTheCardsButNotTheShadowInTheBackBuffer) {
    const DrawContext ctx = table.Context();
    BuildCardDragImage(ctx, 1, {20, 20});
    MoveDragImage(ctx, 30, 30, true);
    EXPECT_EQ(table.surfaces.back_buffer.Pixel(30 + 35, 30 + 48), table.images.Face(0).Pixel(35, 48));
    EXPECT_EQ(table.surfaces.back_buffer.Pixel(30 + 72, 30 + 60), kSlateBlue);
    EXPECT_NE(table.surfaces.Window().Pixel(30 + 72, 30 + 60), kSlateBlue);
}

TEST_F(SoftShadows, ARunCastsOneShadowAlongItsWholeOutline) {
    const DrawContext ctx = table.Context();
    BuildDragImage(ctx, {{1, false, {0, 0}}, {2, false, {0, 20}}, {3, false, {0, 40}}}, {10, 10});
    MoveDragImage(ctx, 40, 40, false);
    const int bottom = 40 + 40 + 96;
    EXPECT_LT(qBlue(table.surfaces.Window().Pixel(40 + 35, bottom + 1)), qBlue(kSlateBlue));
    EXPECT_LT(qBlue(table.surfaces.Window().Pixel(40 + 72, 40 + 120)), qBlue(kSlateBlue));
    // Between the fanned cards the run is solid: no shadow shows there.
    EXPECT_EQ(table.surfaces.Window().Pixel(40 + 35, 40 + 20), table.images.Face(1).Pixel(35, 0));
}

TEST(ShadowPicture, IsMadeOnceAndGrowsWithTheCard) {
    const ShadowShape small = ShadowShapeFor(25);
    const ShadowShape big = ShadowShapeFor(142);
    EXPECT_GE(small.offset.x(), 2);
    EXPECT_GT(big.offset.x(), small.offset.x());
    EXPECT_GT(big.blur, small.blur);
    const QImage cover = CardCoverage(QSize(71, 96), {QRect(0, 0, 71, 96)}, 2);
    EXPECT_EQ(cover.size(), QSize(142, 192));
    EXPECT_EQ(qAlpha(cover.pixel(0, 0)), 0);    // a rounded-off corner
    EXPECT_EQ(qAlpha(cover.pixel(10, 10)), 255);
    const SoftShadow shadow = MakeSoftShadow(cover, ShadowShapeFor(71), 2);
    EXPECT_EQ(shadow.RectAt({0, 0}, 2).size(), QSize(71 + 2 * ShadowShapeFor(71).blur, 96 + 2 * ShadowShapeFor(71).blur));
    EXPECT_LE(qAlpha(shadow.alpha.pixel(shadow.alpha.width() / 2, shadow.alpha.height() / 2)), ShadowShapeFor(71).strength);
}

}  // namespace
}  // namespace velmora
