#include "render/card_drawing.h"

#include <gtest/gtest.h>

#include "render/pile_drawing.h"
#include "drawing_fixture.h"

namespace velmora {
namespace {

using render_test::DrawingTable;
using render_test::kStaleRed;
using render_test::kTableGreen;
using render_test::PixelsOf;

constexpr QRgb kInk = 0xFF102030u;    // the card picture
constexpr QRgb kUnder = 0xFF0000C0u;  // what lay under the card on the target
constexpr QRgb kTable = 0xFF00A000u;  // the bare table
constexpr QRgb kSilver = 0xFFC0C0C0u;

struct Painted {
    Surface target{40, 40};
    Surface table{40, 40};
};

// A card of one colour painted at (4, 4) over a blue target on a green table.
Painted PaintPlainCard(int width, int height, bool shadow) {
    Painted p{Surface(width + 8, height + 8), Surface(width + 8, height + 8)};
    p.target.Fill(p.target.Bounds(), kUnder);
    p.table.Fill(p.table.Bounds(), kTable);
    Surface card(width, height);
    card.Fill(card.Bounds(), kInk);
    PaintCard(p.target, QPoint(4, 4), card, width, height, p.table, QPoint(4, 4), shadow);
    return p;
}

struct CornerCase {
    int width;
    int height;
    int pixels;  // rounded pixels along each edge from the corner
};

class RoundedCorners : public ::testing::TestWithParam<CornerCase> {};

TEST_P(RoundedCorners, TopCornersKeepTheTargetAndBottomCornersShowTheTable) {
    const auto [w, h, n] = GetParam();
    const Painted p = PaintPlainCard(w, h, false);
    const int l = 4, t = 4, r = 4 + w - 1, b = 4 + h - 1;
    for (int i = 0; i < 2; ++i) {
        const QRgb expected_top = i < n ? kUnder : kInk;
        const QRgb expected_bottom = i < n ? kTable : kInk;
        SCOPED_TRACE(i);
        // Along the top and bottom edges, and down and up the side edges.
        EXPECT_EQ(p.target.Pixel(l + i, t), expected_top);
        EXPECT_EQ(p.target.Pixel(r - i, t), expected_top);
        EXPECT_EQ(p.target.Pixel(l, t + i), expected_top);
        EXPECT_EQ(p.target.Pixel(r, t + i), expected_top);
        EXPECT_EQ(p.target.Pixel(l + i, b), expected_bottom);
        EXPECT_EQ(p.target.Pixel(r - i, b), expected_bottom);
        EXPECT_EQ(p.target.Pixel(l, b - i), expected_bottom);
        EXPECT_EQ(p.target.Pixel(r, b - i), expected_bottom);
    }
    // Never more than three, and the diagonal neighbour is the card's.
    EXPECT_EQ(p.target.Pixel(l + 2, t), kInk);
    EXPECT_EQ(p.target.Pixel(l + 1, t + 1), kInk);
    EXPECT_EQ(p.target.Pixel(r - 1, b - 1), kInk);
    EXPECT_EQ(p.target.Pixel(l - 1, t), kUnder);  // nothing outside the card
}

INSTANTIATE_TEST_SUITE_P(CardSizes, RoundedCorners,
                         ::testing::Values(CornerCase{71, 96, 2}, CornerCase{59, 80, 2}, CornerCase{25, 32, 1}));

TEST(CardShadow, TheShadowFlagMakesTheBottomRightCornerSilver) {
    for (int width : {71, 25}) {
        SCOPED_TRACE(width);
        const Painted p = PaintPlainCard(width, 96, true);
        const int r = 4 + width - 1, b = 4 + 95;
        EXPECT_EQ(p.target.Pixel(r, b), kSilver);
        EXPECT_EQ(p.target.Pixel(4, b), kTable);  // bottom left: still the table
        EXPECT_EQ(p.target.Pixel(r, 4), kUnder);  // top right: still the target
        EXPECT_EQ(p.target.Pixel(r - 1, b), width == 25 ? kInk : kSilver);
    }
}

TEST(CardDrawing, TheBackBufferAddsTheScrollAndTheBottomCornersComeFromTheBackground) {
    DrawingTable table;
    table.surfaces.scroll = 20;
    table.surfaces.background.Held().Fill(QRect(0, 20 + 10 + 95, 230, 1), kTable);  // the row under the card's bottom
    const DrawContext ctx = table.Context();
    DrawCardFace(ctx, Layer::BackBuffer, 1, 30, 10);
    const Surface& ace = table.images.Face(0);
    EXPECT_EQ(table.surfaces.back_buffer.Pixel(30 + 35, 20 + 10 + 48), ace.Pixel(35, 48));
    EXPECT_EQ(table.surfaces.back_buffer.Pixel(30, 20 + 10 + 95), kTable);
    EXPECT_EQ(table.surfaces.back_buffer.Pixel(30, 20 + 10), kStaleRed);  // top corner: what was there
    EXPECT_EQ(table.surfaces.Window().Pixel(30 + 35, 10 + 48), kStaleRed);  // the window is left alone
    EXPECT_EQ(table.state.dirty, QRect(30, 10, 71, 96));
    EXPECT_EQ(table.e().play.lowest_painted_y, 10 + 96 + 20);
}

TEST(CardDrawing, NothingIsDrawnAtAnUnsetAnchorOrForAMissingPicture) {
    DrawingTable table;
    const DrawContext ctx = table.Context();
    const std::vector<QRgb> before = PixelsOf(table.surfaces.back_buffer, table.surfaces.back_buffer.Bounds());
    DrawCardFace(ctx, Layer::BackBuffer, 1, -10000, 10);
    DrawCardFace(ctx, Layer::BackBuffer, 1, 10, -10001);
    DrawCardBack(ctx, Layer::BackBuffer, -10002, 5);
    DrawMark(ctx, Layer::BackBuffer, "004", 5, -10003);
    CornersFromBackground(ctx, Layer::BackBuffer, -10000, -10000);
    // A pile the layout did not place.
    table.e().piles.tableau[0] = "001002";
    DrawPile(ctx, Layer::BackBuffer, {ListId::Tableau, 0});
    // Codes without a face, and a mark the library does not have.
    DrawCardFace(ctx, Layer::BackBuffer, 0, 10, 10);
    DrawCardFace(ctx, Layer::BackBuffer, 109, 10, 10);
    DrawMark(ctx, Layer::BackBuffer, "999", 10, 10);
    DrawMark(ctx, Layer::BackBuffer, "", 10, 10);
    EXPECT_EQ(PixelsOf(table.surfaces.back_buffer, table.surfaces.back_buffer.Bounds()), before);
    EXPECT_TRUE(table.state.dirty.isEmpty());
    EXPECT_EQ(table.e().play.lowest_painted_y, 0);
}

// The marks are read from pictures painted on one felt colour; drawn on a
// blue table they must blend with the blue, not show a green box.
class EmptyPileMarkPictures : public ::testing::TestWithParam<const char*> {};

TEST_P(EmptyPileMarkPictures, BlendWithTheTableBeneathWhateverItsColour) {
    DrawingTable table;
    const QRgb kBlueTable = 0xFF2850B4u;
    table.surfaces.background.Held().Fill(table.surfaces.background.Bounds(), kBlueTable);
    const DrawContext ctx = table.Context();
    DrawMark(ctx, Layer::BackBuffer, GetParam(), 30, 10);
    const Surface& drawn = table.surfaces.back_buffer;
    const Surface& picture = table.images.Mark(GetParam());
    const QRgb felt = picture.Pixel(35, 30);
    int lighter = 0;
    for (int y = 10; y < 10 + 96; ++y) {
        for (int x = 30; x < 30 + 71; ++x) {
            const QRgb p = drawn.Pixel(x, y);
            ASSERT_NE(p, felt);
            // Blue shows through everywhere: shaded, or lightened by the symbol.
            ASSERT_GE(qBlue(p), qGreen(p)) << x << "," << y;
            ASSERT_GE(qBlue(p), qRed(p));
            if (qRed(p) > qRed(kBlueTable) + 40) ++lighter;
        }
    }
    EXPECT_GT(lighter, 100);  // the outline and symbol stand out
    EXPECT_EQ(drawn.Pixel(30, 10), kBlueTable);  // the rounded-off corner is the table
    const QRgb inside = drawn.Pixel(30 + 35, 10 + 30);
    EXPECT_LT(qBlue(inside), qBlue(kBlueTable) + 1);
    // Drawn again in the same place, the mark looks the same (no build-up).
    const std::vector<QRgb> once = PixelsOf(drawn, QRect(30, 10, 71, 96));
    DrawMark(ctx, Layer::BackBuffer, GetParam(), 30, 10);
    EXPECT_EQ(PixelsOf(drawn, QRect(30, 10, 71, 96)), once);
    // On a table that changed since, it blends with the new colour; at
    // another place, with what lies there.
    table.surfaces.background.Held().Fill(QRect(0, 0, 120, 120), render_test::kTableGreen);
    DrawMark(ctx, Layer::BackBuffer, GetParam(), 30, 10);
    EXPECT_GT(qGreen(drawn.Pixel(30 + 35, 10 + 30)), qBlue(drawn.Pixel(30 + 35, 10 + 30)));
    DrawMark(ctx, Layer::BackBuffer, GetParam(), 130, 10);
    EXPECT_GT(qBlue(drawn.Pixel(130 + 35, 10 + 30)), qGreen(drawn.Pixel(130 + 35, 10 + 30)));
}

// Each place keeps its own painted mark: two places in one column lie over
// different parts of the table.
TEST(EmptyPileMarkPlaces, MarksInOneColumnBlendWithTheTableUnderEach) {
    DrawingTable table;
    const QRgb kBlueTable = 0xFF2850B4u;
    table.surfaces.background.Held().Fill(QRect(0, 0, 230, 80), kBlueTable);  // the green table below
    const DrawContext ctx = table.Context();
    DrawMark(ctx, Layer::BackBuffer, "010", 30, 0);
    DrawMark(ctx, Layer::BackBuffer, "010", 30, 80);
    const QRgb upper = table.surfaces.back_buffer.Pixel(30 + 35, 30);
    const QRgb lower = table.surfaces.back_buffer.Pixel(30 + 35, 80 + 30);
    EXPECT_GT(qBlue(upper), qGreen(upper));
    EXPECT_GT(qGreen(lower), qBlue(lower));
}

INSTANTIATE_TEST_SUITE_P(SomeMarks, EmptyPileMarkPictures, ::testing::Values("010", "_TABLEAU", "022", "001"));

TEST(EmptyPileMarkShapes, FollowEachCardSize) {
    DrawingTable table;
    for (int width : {25, 59, 71}) {
        const int height = width * 96 / 71;
        Surface picture(width, height);
        picture.Fill(picture.Bounds(), kTableGreen);
        picture.Fill(QRect(width / 2, 5, 2, height - 10), 0xFF80C080u);  // a light stroke
        const MarkOverlay mark = MakeMarkOverlay(picture, width, height);
        SCOPED_TRACE(width);
        EXPECT_EQ(mark.shade.size(), QSize(width, height));
        EXPECT_EQ(qAlpha(mark.light.pixel(1, height / 2)), 0);          // the fill: no light
        EXPECT_GT(qAlpha(mark.light.pixel(width / 2, height / 2)), 150);  // the stroke
        EXPECT_EQ(qAlpha(mark.shade.pixel(0, 0)), 0);                   // a rounded-off corner
        EXPECT_GT(qAlpha(mark.shade.pixel(width / 2, height / 2)), 0);
    }
}

}  // namespace
}  // namespace velmora
