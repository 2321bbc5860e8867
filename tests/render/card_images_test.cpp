#include "render/card_images.h"

#include <gtest/gtest.h>

#include <string>

#include "drawing_fixture.h"

namespace velmora {
namespace {

using render_test::DrawingTable;
using render_test::PixelsOf;

Surface Bitmap(const ResourceLibrary& library, const std::string& name) { return Surface(library.Bitmap(name)); }

struct CutCase {
    int index;        // card image index
    const char* sheet;
    int column;
    int row;
};

// Each suit's sheet holds its cards in rows of 5, 5 and 3, ace first.
TEST(CardImages, FacesAreCutFromTheSuitSheetsInRowsOfFiveFiveAndThree) {
    DrawingTable table;
    const CutCase cases[] = {
        {0, "CB001H", 0, 0},  {4, "CB001H", 4, 0},  {5, "CB001H", 0, 1},  {9, "CB001H", 4, 1},
        {10, "CB001H", 0, 2}, {12, "CB001H", 2, 2}, {13, "CB001D", 0, 0}, {25, "CB001D", 2, 2},
        {26, "CB001C", 0, 0}, {33, "CB001C", 2, 1}, {39, "CB001S", 0, 0}, {51, "CB001S", 2, 2},
    };
    for (const CutCase& c : cases) {
        SCOPED_TRACE(c.index);
        const Surface sheet = Bitmap(table.library, c.sheet);
        ASSERT_FALSE(sheet.IsNull());
        const Surface& face = table.images.Face(c.index);
        ASSERT_EQ(face.Width(), 71);
        ASSERT_EQ(face.Height(), 96);
        EXPECT_EQ(PixelsOf(face, face.Bounds()), PixelsOf(sheet, QRect(c.column * 71, c.row * 96, 71, 96)));
    }
    EXPECT_EQ(PixelsOf(table.images.Face(52), QRect(0, 0, 71, 96)),
              PixelsOf(Bitmap(table.library, "JOKER_B"), QRect(0, 0, 71, 96)));
    EXPECT_TRUE(table.images.Face(53).IsNull());
    EXPECT_TRUE(table.images.Face(-1).IsNull());
}

// Hearts and diamonds come first: their number cards carry red pips, the
// clubs and spades none.
TEST(CardImages, TheRedSuitsTakeTheFirstTwentySixSlots) {
    DrawingTable table;
    const auto red_pixels = [](const Surface& s) {
        int n = 0;
        for (QRgb p : PixelsOf(s, s.Bounds())) n += qRed(p) > 150 && qGreen(p) < 80 && qBlue(p) < 80;
        return n;
    };
    for (int suit = 0; suit < 4; ++suit) {
        for (int rank = 0; rank < 10; ++rank) {
            SCOPED_TRACE(suit * 13 + rank);
            const int red = red_pixels(table.images.Face(suit * 13 + rank));
            if (suit < 2)
                EXPECT_GT(red, 50);
            else
                EXPECT_EQ(red, 0);
        }
    }
}

TEST(CardImages, MediumBacksOtherThanElevenAreTheBigBackMadeSmaller) {
    DrawingTable table;
    CardImages images;
    images.Load(table.library, {'M', "001", "011"});
    EXPECT_EQ(PixelsOf(images.Back(), QRect(0, 0, 59, 80)),
              PixelsOf(Bitmap(table.library, "DM011"), QRect(0, 0, 59, 80)));
    images.Load(table.library, {'M', "001", "003"});
    ASSERT_EQ(images.Back().Width(), 59);
    ASSERT_EQ(images.Back().Height(), 80);
    // Not the library's own medium picture of that back.
    EXPECT_NE(PixelsOf(images.Back(), QRect(0, 0, 59, 80)),
              PixelsOf(Bitmap(table.library, "DM003"), QRect(0, 0, 59, 80)));
    const Surface big = Bitmap(table.library, "DB003");
    EXPECT_EQ(images.Size(), (CardSize{59, 80}));
    images.Load(table.library, {'B', "001", "003"});
    EXPECT_EQ(PixelsOf(images.Back(), QRect(0, 0, 71, 96)), PixelsOf(big, QRect(0, 0, 71, 96)));
}

TEST(CardImages, ImagesAreLoadedAgainOnlyWhenTheChoiceChanges) {
    DrawingTable table;
    CardImages images;
    EXPECT_TRUE(images.Load(table.library, {'B', "001", "011"}));
    EXPECT_FALSE(images.Load(table.library, {'B', "001", "011"}));
    EXPECT_TRUE(images.Load(table.library, {'B', "001", "001"}));
    EXPECT_TRUE(images.Load(table.library, {'L', "001", "001"}));
    EXPECT_EQ(images.Face(0).Width(), 25);
    EXPECT_FALSE(images.Mark("021").IsNull());
}

TEST(CardImages, WhatTheLibraryLacksStaysEmpty) {
    DrawingTable table;
    CardImages images;
    images.Load(table.library, {'B', "777", "777"});  // no such set or back
    EXPECT_TRUE(images.Face(0).IsNull());
    EXPECT_TRUE(images.Back().IsNull());
    EXPECT_FALSE(images.Face(52).IsNull());  // the joker does not depend on the set
    ResourceLibrary empty;
    images.Load(empty, {'B', "001", "011"});
    EXPECT_TRUE(images.Face(52).IsNull());
    EXPECT_TRUE(images.Mark("004").IsNull());
}

}  // namespace
}  // namespace velmora
