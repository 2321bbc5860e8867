// The fanned waste of a game that turns three cards, and the count below a
// squared reserve.
#include <gtest/gtest.h>

#include <string>

#include "drawing_fixture.h"
#include "engine/model/card_code.h"
#include "render/deck_drawing.h"
#include "render/pile_count.h"
#include "render/pile_drawing.h"

namespace velmora {
namespace {

using render_test::DrawingTable;
using render_test::kStaleRed;
using render_test::kTableGreen;
using render_test::PixelsOf;

constexpr int kX = 60;
constexpr int kY = 40;
constexpr int kStep = 15;  // big cards

std::string Codes(std::initializer_list<int> cards) {
    std::string text;
    for (int c : cards) text += CardCodeText(c);
    return text;
}

class WasteFanDrawing : public ::testing::Test {
protected:
    WasteFanDrawing() {
        Engine& e = table.e();
        e.rules.Set(9, 1);
        e.rules.Set(21, 3);
        e.main_game.SetStockAreaX(kWasteIndex, kX);
        e.main_game.SetStockAreaY(kWasteIndex, kY);
    }
    void Waste(std::initializer_list<int> cards) {
        table.e().piles.stock_area[kWasteIndex] = Codes(cards);
        for (int c : cards) table.e().cards.SetFaceState(c, kFaceUp);
    }
    const Surface& Drawn() { return table.surfaces.back_buffer; }
    const Surface& Face(int code) { return table.images.Face(code - 1); }
    DrawingTable table;
};

TEST_F(WasteFanDrawing, TheTopThreeShowTheirIndicesAndTheTopCardLiesWhole) {
    Waste({1, 2, 3, 4, 5});
    DrawDeckPile(table.Context(), Layer::BackBuffer, kWasteIndex, true);
    const int left = kX - StockDepth(5, false);
    const int top = kY - StockDepth(5, false);
    EXPECT_EQ(PixelsOf(Drawn(), QRect(left + 2 * kStep + 5, top + 5, 60, 85)), PixelsOf(Face(5), QRect(5, 5, 60, 85)));
    EXPECT_EQ(PixelsOf(Drawn(), QRect(left + kStep + 3, top + 3, kStep - 4, 30)), PixelsOf(Face(4), QRect(3, 3, kStep - 4, 30)));
    EXPECT_EQ(PixelsOf(Drawn(), QRect(left + 3, top + 3, kStep - 4, 30)), PixelsOf(Face(3), QRect(3, 3, kStep - 4, 30)));
    // A card laid over another keeps that card, not the table, at its
    // rounded bottom-left corner.
    EXPECT_NE(Drawn().Pixel(left + 2 * kStep, top + 95), kTableGreen);
}

TEST_F(WasteFanDrawing, AShorterFanGivesTheTableBackWhereTheCardsLay) {
    Waste({1, 2, 3, 4});
    const DrawContext ctx = table.Context();
    DrawDeckPile(ctx, Layer::BackBuffer, kWasteIndex, true);
    Waste({1});
    DrawDeckPile(ctx, Layer::BackBuffer, kWasteIndex, false);
    EXPECT_EQ(Drawn().Pixel(kX + 71 + 10, kY + 50), kTableGreen);
    EXPECT_EQ(Drawn().Pixel(kX + 71 + 2 * kStep - 2, kY + 50), kTableGreen);
    EXPECT_EQ(PixelsOf(Drawn(), QRect(kX + 5, kY + 5, 60, 85)), PixelsOf(Face(1), QRect(5, 5, 60, 85)));
    EXPECT_EQ(PileExtent(table.e(), {ListId::Stock, kWasteIndex}).right(), kX + 71 + 2 * kStep - 1);
}

TEST_F(WasteFanDrawing, JokersLieInTheFanUpToTheLastOne) {
    Waste({1, kFirstJoker, kLastCard});
    DrawDeckPile(table.Context(), Layer::BackBuffer, kWasteIndex, true);
    const int left = kX - StockDepth(3, false);
    const int top = kY - StockDepth(3, false);
    const Surface& joker = table.images.Face(CardImageIndex(kLastCard));
    EXPECT_EQ(PixelsOf(Drawn(), QRect(left + 2 * kStep + 5, top + 5, 60, 85)), PixelsOf(joker, QRect(5, 5, 60, 85)));
    EXPECT_EQ(PixelsOf(Drawn(), QRect(left + kStep + 3, top + 3, kStep - 4, 30)), PixelsOf(joker, QRect(3, 3, kStep - 4, 30)));
}

class ReserveCount : public ::testing::Test {
protected:
    ReserveCount() {
        Engine& e = table.e();
        e.rules.Set(5, 3);     // the reserve lies squared
        e.rules.Set(305, 2);
        e.rules.Set(368, 13);  // dealt thirteen cards
        e.main_game.SetReserveX(0, kX);
        e.main_game.SetReserveY(0, kY);
        e.main_game.SetReserveX(1, kX + 200);
        e.main_game.SetReserveY(1, kY);
    }
    void Reserve(int r, int cards) {
        std::string text;
        for (int c = 1; c <= cards; ++c) {
            text += CardCodeText(c);
            table.e().cards.SetFaceState(c, kFaceUp);
        }
        table.e().piles.reserves[static_cast<size_t>(r)] = text;
    }
    int CountPixels(const QRect& area, QRgb colour) {
        int n = 0;
        for (QRgb p : PixelsOf(table.surfaces.back_buffer, area)) n += p == colour ? 1 : 0;
        return n;
    }
    DrawingTable table;
};

TEST_F(ReserveCount, ALabelBelowTheReserveFollowsItsCardsAndGoesWithTheLastOne) {
    const PileRef reserve{ListId::Reserve, 0};
    const QRect area = PileCountArea(table.e(), reserve);
    ASSERT_FALSE(area.isEmpty());
    EXPECT_EQ(area.top(), kY + 96 + 2);
    EXPECT_TRUE(PileExtent(table.e(), reserve).contains(area)) << "redraws around the pile reach the label";
    Reserve(0, 13);
    DrawPile(table.Context(), Layer::BackBuffer, reserve);
    EXPECT_GT(CountPixels(area, qRgb(255, 255, 255)), 5) << "white digits";
    EXPECT_EQ(CountPixels(area, kStaleRed), 0) << "the strip is cleared first";
    const QRect wide = PileCountRect(area, 13, 71);
    EXPECT_LT(PileCountRect(area, 9, 71).width(), wide.width());
    EXPECT_EQ(wide.center().x(), area.center().x());
    Reserve(0, 0);
    DrawPile(table.Context(), Layer::BackBuffer, reserve);
    EXPECT_EQ(CountPixels(area, kTableGreen), area.width() * area.height());
}

TEST_F(ReserveCount, OnlySquaredReservesDealtSeveralCardsCountThem) {
    const PileRef reserve{ListId::Reserve, 0};
    EXPECT_TRUE(ShowsPileCount(table.e(), reserve));
    EXPECT_FALSE(ShowsPileCount(table.e(), {ListId::Reserve, 1})) << "a free cell dealt nothing";
    table.e().rules.Set(369, 1);
    EXPECT_FALSE(ShowsPileCount(table.e(), {ListId::Reserve, 1})) << "one card dealt: nothing to count";
    table.e().rules.Set(369, 2);
    EXPECT_TRUE(ShowsPileCount(table.e(), {ListId::Reserve, 1}));
    EXPECT_FALSE(ShowsPileCount(table.e(), {ListId::Stock, kStockIndex}));
    table.e().rules.Set(5, 1);
    EXPECT_FALSE(ShowsPileCount(table.e(), reserve)) << "a fanned reserve shows its cards";
}

// A stock that only redeals the tableau (redeal mode 7) counts the redeals
// left below its place, and shows nothing once none is left.
TEST_F(ReserveCount, TheStockThatRedealsTheTableauCountsTheRedealsLeft) {
    Engine& e = table.e();
    const PileRef stock{ListId::Stock, kStockIndex};
    e.main_game.SetStockAreaX(kStockIndex, kX + 90);
    e.main_game.SetStockAreaY(kStockIndex, kY);
    e.rules.Set(14, 3);
    e.main_game.SetField(field::kPassCounter, 1);
    EXPECT_FALSE(ShowsPileCount(e, stock)) << "other stocks show no label";
    e.rules.Set(15, 7);
    ASSERT_TRUE(ShowsPileCount(e, stock));
    EXPECT_EQ(PileCountShown(e, stock), 2);
    const QRect area = PileCountArea(e, stock);
    EXPECT_TRUE(PileExtent(e, stock).contains(area));
    DrawDeckPile(table.Context(), Layer::BackBuffer, kStockIndex, true);
    EXPECT_GT(CountPixels(area, qRgb(255, 255, 255)), 5) << "white digits";
    e.main_game.SetField(field::kPassCounter, 3);
    DrawDeckPile(table.Context(), Layer::BackBuffer, kStockIndex, true);
    EXPECT_EQ(CountPixels(area, kTableGreen), area.width() * area.height()) << "no redeal left";
}

}  // namespace
}  // namespace velmora
