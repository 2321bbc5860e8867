#include "render/deck_drawing.h"

#include <gtest/gtest.h>

#include <string>

#include "drawing_fixture.h"
#include "engine/model/card_code.h"

namespace velmora {
namespace {

using render_test::DrawingTable;
using render_test::kStaleRed;
using render_test::kTableGreen;
using render_test::PixelsOf;

TEST(StockDepth, ThicknessGrowsWithTheCardsUpToFifteenPixels) {
    const std::pair<int, int> table[] = {{0, 0},  {1, 0},  {2, 1},  {3, 1},  {7, 2},   {10, 2},  {11, 3},
                                         {24, 4}, {52, 8}, {91, 14}, {98, 15}, {104, 15}, {105, 15}};
    for (const auto& [cards, depth] : table) EXPECT_EQ(StockDepth(cards, false), depth) << cards;
    // The preview counts 28 cards a pixel; halves go to the even neighbour.
    const std::pair<int, int> preview[] = {{1, 0}, {2, 1}, {14, 1}, {42, 3}, {70, 3}, {105, 5}};
    for (const auto& [cards, depth] : preview) EXPECT_EQ(StockDepth(cards, true), depth) << cards;
}

class StockThickness : public ::testing::Test {
protected:
    static constexpr int kX = 40;
    static constexpr int kY = 30;

    void Deal(int cards) {
        std::string stock;
        for (int i = 0; i < cards; ++i) stock += CardCodeText(i % 104 + 1);
        table.e().piles.stock_area[kStockIndex] = stock;
        table.e().main_game.SetStockAreaX(kStockIndex, kX);
        table.e().main_game.SetStockAreaY(kStockIndex, kY);
        table.e().rules.Set(6, 1);  // the stock lies face down
    }
    const Surface& Back() { return table.images.Back(); }
    const Surface& Drawn() { return table.surfaces.back_buffer; }

    DrawingTable table;
};

TEST_F(StockThickness, AStockOfTwoCardsIsOnePixelThick) {
    Deal(2);
    DrawDeckPile(table.Context(), Layer::BackBuffer, kStockIndex, true);
    // The top card lies one pixel up and left; the one below shows at the
    // right and bottom edge.
    EXPECT_EQ(PixelsOf(Drawn(), QRect(kX - 1 + 10, kY - 1 + 10, 50, 70)), PixelsOf(Back(), QRect(10, 10, 50, 70)));
    EXPECT_NE(Drawn().Pixel(kX + 70, kY + 50), kStaleRed);
    EXPECT_NE(Drawn().Pixel(kX + 35, kY + 95), kStaleRed);
    EXPECT_EQ(Drawn().Pixel(kX + 71, kY + 50), kStaleRed);  // nothing beyond the bottom card
    EXPECT_EQ(Drawn().Pixel(kX - 2, kY + 50), kTableGreen);  // the band left of the top card: the table
    EXPECT_EQ(Drawn().Pixel(kX + 20, kY - 2), kTableGreen);
}

TEST_F(StockThickness, AStockOf105CardsIsFifteenPixelsThick) {
    Deal(105);
    DrawDeckPile(table.Context(), Layer::BackBuffer, kStockIndex, true);
    EXPECT_EQ(PixelsOf(Drawn(), QRect(kX - 15 + 10, kY - 15 + 10, 50, 70)), PixelsOf(Back(), QRect(10, 10, 50, 70)));
    // The edges of the cards below fill the 15 pixels to the bottom card's edges.
    for (int d = 0; d < 15; ++d) {
        EXPECT_NE(Drawn().Pixel(kX + 70 - d, kY + 60), kStaleRed) << d;
        EXPECT_NE(Drawn().Pixel(kX + 30, kY + 95 - d), kStaleRed) << d;
    }
    EXPECT_EQ(Drawn().Pixel(kX - 16, kY + 50), kStaleRed);  // left of the moved top card
    EXPECT_EQ(Drawn().Pixel(kX + 60, kY - 15), kTableGreen);  // the band right of its top edge
}

TEST_F(StockThickness, UnchangedThicknessIsNotDrawnAgainUnlessForced) {
    Deal(30);
    const DrawContext ctx = table.Context();
    DrawDeckPile(ctx, Layer::BackBuffer, kStockIndex, true);
    const QRect band(kX - 15, kY - 15, 5, 5);
    table.surfaces.back_buffer.Fill(band, kStaleRed);
    DrawDeckPile(ctx, Layer::BackBuffer, kStockIndex, false);
    EXPECT_EQ(Drawn().Pixel(kX - 13, kY - 13), kStaleRed);
    Deal(10);  // thinner: the thickness changes
    DrawDeckPile(ctx, Layer::BackBuffer, kStockIndex, false);
    EXPECT_EQ(Drawn().Pixel(kX - 13, kY - 13), kTableGreen);
    table.surfaces.back_buffer.Fill(band, kStaleRed);
    DrawDeckPile(ctx, Layer::BackBuffer, kStockIndex, true);
    EXPECT_EQ(Drawn().Pixel(kX - 13, kY - 13), kTableGreen);
}

}  // namespace
}  // namespace velmora
