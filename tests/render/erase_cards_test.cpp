#include "render/erase_cards.h"

#include <gtest/gtest.h>

#include "drawing_fixture.h"
#include "render/card_drawing.h"
#include "render/pile_drawing.h"

namespace velmora {
namespace {

using render_test::DrawingTable;
using render_test::kStaleRed;
using render_test::kTableGreen;
using render_test::PixelsOf;

class EraseCards : public ::testing::Test {
protected:
    void SetUp() override {
        TMainGame& g = table.e().main_game;
        g.SetField(field::kFanUpY, 18);
        g.SetField(field::kFanDownY, 4);
        g.SetField(field::kFanUpX, 12);
        g.SetField(field::kFanDownX, 4);
        g.SetField(field::kSideGap, 6);
        g.SetField(field::kFan5Offset, 3);
    }
    // Tableau `t` at (x, y) holding `cards`, in fan mode `mode`.
    void Tableau(int t, int x, int y, const std::string& cards, int mode) {
        table.e().rules.Set(3, mode);
        SetTableauX(table.e().tableau_anchors, t, x);
        SetTableauY(table.e().tableau_anchors, t, y);
        table.e().piles.tableau[static_cast<size_t>(t)] = cards;
    }
    QRect Erase(PileRef pile, const std::string& old_text) {
        return EraseRemovedCards(table.Context(), Layer::BackBuffer, pile, old_text,
                                 table.e().piles.Text(pile.list, pile.index));
    }
    QRgb At(int x, int y) { return table.surfaces.back_buffer.Pixel(x, y); }

    DrawingTable table;
};

TEST_F(EraseCards, AVerticalFanLosesABandFromTheFirstRemovedCard) {
    Tableau(0, 40, 10, "001", 1);
    const QRect band = Erase({ListId::Tableau, 0}, "001002003");
    // From y 10 + 18, one step (18) plus the run (18 + 96) high, 2 wider each side.
    EXPECT_EQ(band, QRect(38, 28, 75, 132));
    EXPECT_EQ(At(38, 28), kTableGreen);
    EXPECT_EQ(At(112, 159), kTableGreen);
    EXPECT_EQ(At(37, 28), kStaleRed);
    EXPECT_EQ(At(113, 28), kStaleRed);
    EXPECT_EQ(At(50, 27), kStaleRed);
    EXPECT_EQ(At(50, 160), kStaleRed);
}

TEST_F(EraseCards, TheStaggeredReserveStepsByItsFixedOffset) {
    table.e().rules.Set(5, 5);
    table.e().main_game.SetReserveX(0, 20);
    table.e().main_game.SetReserveY(0, 10);
    table.e().piles.reserves[0] = "001002";
    EXPECT_EQ(Erase({ListId::Reserve, 0}, "001002003004"), QRect(18, 16, 75, 3 + 3 + 96));
}

TEST_F(EraseCards, AHorizontalFanLosesTheRectanglesOfTheCardsThatLeft) {
    Tableau(0, 40, 10, "001", 2);
    EXPECT_EQ(Erase({ListId::Tableau, 0}, "001002003"), QRect(52, 10, 83, 96));
    EXPECT_EQ(At(52, 10), kTableGreen);
    EXPECT_EQ(At(51, 10), kStaleRed);
    // Side by side: a card taken out of the middle leaves its slot only.
    Tableau(1, 20, 60, "001000003", 4);
    EXPECT_EQ(Erase({ListId::Tableau, 1}, "001002003"), QRect(20 + 77, 60, 71, 96));
}

TEST_F(EraseCards, NothingIsErasedWhenNothingLeft) {
    const std::vector<QRgb> before = PixelsOf(table.surfaces.back_buffer, table.surfaces.back_buffer.Bounds());
    Tableau(0, 40, 10, "001002", 1);
    EXPECT_TRUE(Erase({ListId::Tableau, 0}, "001").isEmpty());      // a card came
    EXPECT_TRUE(Erase({ListId::Tableau, 0}, "001002").isEmpty());   // nothing changed
    Tableau(0, 40, 10, "001", 3);
    EXPECT_TRUE(Erase({ListId::Tableau, 0}, "001002").isEmpty());   // squared and still holding cards
    Tableau(0, -10002, -10002, "", 1);
    EXPECT_TRUE(Erase({ListId::Tableau, 0}, "001002").isEmpty());   // not on the table
    EXPECT_EQ(PixelsOf(table.surfaces.back_buffer, table.surfaces.back_buffer.Bounds()), before);
}

TEST_F(EraseCards, PilesLyingOverTheErasedPartAreDrawnAgain) {
    Tableau(0, 20, 10, "001", 1);
    Tableau(1, 60, 50, "002", 1);
    Tableau(2, 150, 10, "003", 1);
    const DrawContext ctx = table.Context();
    for (int t = 0; t < 3; ++t) DrawPile(ctx, Layer::BackBuffer, {ListId::Tableau, t});
    table.surfaces.back_buffer.Fill(QRect(150, 10, 71, 96), kStaleRed);
    table.e().piles.tableau[1].clear();
    const QRect erased = Erase({ListId::Tableau, 1}, "002");
    EXPECT_EQ(At(58, 80), kTableGreen);  // the band took a strip of the first pile's card
    const std::vector<PileRef> drawn = RedrawAround(ctx, Layer::BackBuffer, {ListId::Tableau, 1}, erased);
    EXPECT_EQ(drawn, (std::vector<PileRef>{{ListId::Tableau, 0}, {ListId::Tableau, 1}}));
    const Surface& ace = table.images.Face(0);
    EXPECT_EQ(At(58, 80), ace.Pixel(38, 70));
    EXPECT_EQ(At(59, 80), ace.Pixel(39, 70));
    // The emptied pile shows its mark; the pile far away was left alone.
    DrawMark(ctx, Layer::Window, "_TABLEAU", 60, 50);  // the mark as it lies on the bare table
    EXPECT_EQ(At(60 + 35, 50 + 48), table.surfaces.Window().Pixel(60 + 35, 50 + 48));
    EXPECT_NE(At(60 + 35, 50 + 48), kTableGreen);
    EXPECT_EQ(At(180, 50), kStaleRed);
}

}  // namespace
}  // namespace velmora
