// Card images of a fitted size: drawn by the card art at exactly the size
// and scale asked, the right card in each slot, each picture drawn once and
// kept for sizes shown lately, and the table's rounding following the
// larger radius of large cards.

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "art/card_size.h"
#include "drawing_fixture.h"
#include "render/card_corners.h"
#include "render/card_drawing.h"
#include "render/card_images.h"
#include "render/fitted_pictures.h"

namespace velmora {
namespace {

using render_test::DrawingTable;

CardImageChoice Fitted(int width, int height, int scale = 1, std::string set = "001", std::string back = "011") {
    CardImageChoice choice{'F', std::move(set), std::move(back), scale};
    choice.size = {width, height};
    return choice;
}

int RedPixels(const Surface& s) {
    int n = 0;
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x) {
            const QRgb p = s.Pixel(x, y);
            n += qRed(p) > 150 && qGreen(p) < 80 && qBlue(p) < 80;
        }
    return n;
}

TEST(FittedCardImages, EveryPictureIsTheFittedSizeAtTheSurfaceScale) {
    DrawingTable table;
    for (int scale : {1, 2}) {
        SCOPED_TRACE(scale);
        CardImages images;
        images.Load(table.library, Fitted(123, 166, scale));
        EXPECT_EQ(images.Size(), (CardSize{123, 166}));
        const auto expect_card = [&](const Surface& s) {
            ASSERT_FALSE(s.IsNull());
            EXPECT_EQ(s.Width(), 123);
            EXPECT_EQ(s.Height(), 166);
            EXPECT_EQ(s.Scale(), scale);
            EXPECT_EQ(s.Image().size(), QSize(123 * scale, 166 * scale));
        };
        for (int index : {0, 12, 25, 38, 51, 52}) expect_card(images.Face(index));
        expect_card(images.Back());
        expect_card(images.Mark("_WASTE"));
        expect_card(images.Mark("021"));
        EXPECT_EQ(images.ShadowRight().Height(), 166);
        EXPECT_EQ(images.ShadowBottom().Width(), 123 - 8);
        EXPECT_EQ(images.BorderRight().Height(), 166 + 13);
        EXPECT_EQ(images.BorderBottom().Width(), 123 + 11);
        EXPECT_EQ(images.BorderBottom().Scale(), scale);
        EXPECT_TRUE(images.Face(53).IsNull());
        EXPECT_TRUE(images.Mark("no such mark").IsNull());
    }
}

// Hearts and diamonds in the first 26 slots carry red pips, clubs and
// spades none (their courts' robes may be red); and every slot holds a
// different picture.
TEST(FittedCardImages, EachSlotHoldsItsOwnCard) {
    DrawingTable table;
    CardImages images;
    images.Load(table.library, Fitted(90, 122));
    std::set<std::vector<QRgb>> seen;
    for (int index = 0; index < 52; ++index) {
        SCOPED_TRACE(index);
        const Surface& face = images.Face(index);
        if (index < 26) {
            EXPECT_GT(RedPixels(face), 100);
        } else if (index % 13 < 10) {
            EXPECT_EQ(RedPixels(face), 0);
        }
        seen.insert(render_test::PixelsOf(face, face.Bounds()));
    }
    EXPECT_EQ(seen.size(), 52u);
}

TEST(FittedCardImages, UnknownSetsBacksAndSizesDrawNothing) {
    DrawingTable table;
    CardImages images;
    images.Load(table.library, Fitted(90, 122, 1, "777", "777"));
    EXPECT_TRUE(images.Face(0).IsNull());
    EXPECT_TRUE(images.Back().IsNull());
    EXPECT_FALSE(images.Face(52).IsNull());  // the joker belongs to no set
    images.Load(table.library, Fitted(0, 0));
    EXPECT_TRUE(images.Face(52).IsNull());
    EXPECT_TRUE(images.ShadowRight().IsNull());
    images.Load(table.library, Fitted(-5, 100000));
    EXPECT_TRUE(images.Mark("004").IsNull());
}

// Pictures are drawn on first use only; a size shown lately keeps its
// pictures, so going back to it draws nothing again.
TEST(FittedCardImages, PicturesAreDrawnOnceAndKeptForSizesShownLately) {
    DrawingTable table;
    CardImages images;
    images.Load(table.library, Fitted(100, 135));
    const FittedPictures* first = images.Fitted();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->Drawn(), 0) << "nothing is drawn before it is shown";
    const Surface* ace = &images.Face(0);
    images.Face(0);
    images.Back();
    images.Back();
    EXPECT_EQ(first->Drawn(), 2);
    EXPECT_FALSE(images.Load(table.library, Fitted(100, 135)));
    images.Load(table.library, Fitted(120, 162));
    EXPECT_NE(images.Fitted(), first);
    images.Load(table.library, {'B', "001", "011"});
    EXPECT_EQ(images.Fitted(), nullptr);
    EXPECT_EQ(images.Face(0).Width(), 71);
    images.Load(table.library, Fitted(100, 135));
    EXPECT_EQ(images.Fitted(), first);
    EXPECT_EQ(&images.Face(0), ace);
    EXPECT_EQ(first->Drawn(), 2);
    // Another scale, set or back is another set of pictures.
    images.Load(table.library, Fitted(100, 135, 2));
    EXPECT_NE(images.Fitted(), first);
    images.Load(table.library, Fitted(100, 135, 1, "003"));
    EXPECT_NE(images.Fitted(), first);
}

// The faces a first table shows are drawn side by side; each comes out as
// drawing it alone does, the back with them, each once.
TEST(FittedCardImages, PreparedPicturesMatchThoseDrawnOneByOne) {
    DrawingTable table;
    CardImages together;
    CardImages alone;
    together.Load(table.library, Fitted(120, 162));
    alone.Load(table.library, Fitted(120, 162));
    const std::vector<int> shown = {0, 12, 25, 51, 52, 12, -1, 53, 38};
    together.Fitted()->Prepare(shown, true);
    EXPECT_EQ(together.Fitted()->Drawn(), 7);
    for (int index : {0, 12, 25, 51, 52, 38})
        EXPECT_TRUE(together.Face(index).Image() == alone.Face(index).Image()) << index;
    EXPECT_TRUE(together.Back().Image() == alone.Back().Image());
    together.Fitted()->Prepare(shown, true);
    together.Face(0);
    EXPECT_EQ(together.Fitted()->Drawn(), 7);
}

// After a whole table is drawn only the faces asked for last are kept
// (those of other sizes go entirely); a forgotten face asked for again is
// drawn again, the same as before.
TEST(FittedCardImages, ForgottenFacesAreTheLeastRecentAndComeBackTheSame) {
    DrawingTable table;
    CardImages images;
    images.Load(table.library, Fitted(80, 108));
    const QImage ace = images.Face(0).Image();
    images.Load(table.library, Fitted(100, 135));
    images.Fitted()->Prepare({0, 1, 2, 3, 4}, false);
    images.Face(1);
    images.Face(3);
    images.ForgetFaces(2);
    EXPECT_EQ(images.Fitted()->FacesHeld(), 2);
    const int drawn = images.Fitted()->Drawn();
    images.Face(1);
    images.Face(3);
    EXPECT_EQ(images.Fitted()->Drawn(), drawn) << "the two asked for last stay";
    CardImages fresh;
    fresh.Load(table.library, Fitted(100, 135));
    EXPECT_TRUE(images.Face(2).Image() == fresh.Face(2).Image());
    EXPECT_EQ(images.Fitted()->Drawn(), drawn + 1);
    images.ForgetFaces(100);
    EXPECT_EQ(images.Fitted()->FacesHeld(), 3) << "keeping more than are held forgets nothing";
    images.Load(table.library, Fitted(80, 108));
    EXPECT_EQ(images.Fitted()->FacesHeld(), 0) << "the other size's faces went";
    EXPECT_TRUE(images.Face(0).Image() == ace);
}

// The table puts back exactly the pixels the art leaves outside the
// rounding, also where large cards round more than three pixels.
TEST(FittedCardImages, TheTableRoundsLargeCardsWithTheArtsRadius) {
    for (auto [w, h] : {std::pair{40, 54}, {100, 135}, {170, 230}}) {
        SCOPED_TRACE(w);
        std::set<std::pair<int, int>> corners;
        for (const QPoint& p : CornerPixels(w, h)) corners.insert({p.x(), p.y()});
        int outside = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const bool art_outside = art::IsOutsideCorner(w, h, x, y);
                outside += art_outside;
                EXPECT_EQ(corners.count({x, y}) == 1, art_outside) << x << "," << y;
            }
        EXPECT_EQ(static_cast<int>(corners.size()), outside);
    }
    EXPECT_GT(CornerPixels(170, 230).size(), CornerPixels(71, 96).size());
}

TEST(FittedCardImages, AFittedCardOnTheTableShowsTheTableAtItsCorners) {
    DrawingTable table;
    CardImages images;
    images.Load(table.library, Fitted(170, 230));
    Surface target(180, 240);
    Surface bare(180, 240);
    target.Fill(target.Bounds(), render_test::kTableGreen);
    bare.Fill(bare.Bounds(), render_test::kTableGreen);
    PaintCard(target, QPoint(5, 5), images.Face(0), 170, 230, bare, QPoint(5, 5), false);
    const int r = art::CornerRadius(170);
    for (const QPoint& p : CornerPixels(170, 230)) EXPECT_EQ(target.Pixel(5 + p.x(), 5 + p.y()), render_test::kTableGreen);
    EXPECT_NE(target.Pixel(5 + r, 5), render_test::kTableGreen) << "the outline right after the rounding";
    EXPECT_NE(target.Pixel(5 + r, 5 + r), render_test::kTableGreen);
}

// The small library cards are 25 x 32: the layout's arithmetic and every
// small picture of the library depend on it.
TEST(FittedCardImages, TheSmallCardSetKeepsItsSize) {
    DrawingTable table;
    CardImages images;
    images.Load(table.library, {'L', "001", "011"});
    EXPECT_EQ(images.Size(), (CardSize{25, 32}));
    for (int index : {0, 51, 52}) {
        EXPECT_EQ(images.Face(index).Width(), 25);
        EXPECT_EQ(images.Face(index).Height(), 32);
    }
    EXPECT_EQ(images.Back().Height(), 32);
    EXPECT_EQ(images.Mark("004").Height(), 32);
    EXPECT_EQ(images.ShadowRight().Height(), 32);
    EXPECT_EQ(images.BorderRight().Height(), 32 + 13);
}

}  // namespace
}  // namespace velmora
