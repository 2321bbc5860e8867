#include <gtest/gtest.h>

#include "platform/desktop.h"
#include "platform/drawing.h"
#include "platform/files.h"

namespace velmora {
namespace {

TEST(VerticalGradient, BandsCountFromTheBottomWithIntegerArithmetic) {
    for (int height : {256, 100, 700}) {
        Surface s(1, height + 2);
        s.Fill(s.Bounds(), 0xFF0000);
        VerticalGradient(s, QRect(0, 1, 1, height), qRgb(0, 0, 200), qRgb(0, 0, 0));
        EXPECT_EQ(s.Pixel(0, 0), 0xFFFF0000u);
        EXPECT_EQ(s.Pixel(0, height + 1), 0xFFFF0000u);
        // Row r from the bottom shows the highest band i with i*h/256 <= r.
        for (int r = 0; r < height; ++r) {
            int band = 255;
            while (band * height / 256 > r) --band;
            ASSERT_EQ(qBlue(s.Pixel(0, height - r)), band * 200 / 256) << height << " " << r;
        }
    }
}

TEST(TilePicture, CoversTheAreaAndReturnsOnAnEmptyPicture) {
    Surface tile(3, 2);
    tile.SetPixel(0, 0, 0xABCDEF);
    Surface target(11, 7);
    TilePicture(target, 10, 6, tile);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 11; ++x) EXPECT_EQ(target.Pixel(x, y), tile.Pixel(x % 3, y % 2));
    TilePicture(target, 10, 6, Surface());  // would never get wider: must not loop
}

TEST(PictureFiles, AMissingFileIsReportedAndChangesNothing) {
    Surface picture(2, 2);
    std::string reported;
    EXPECT_FALSE(LoadPictureFile(&picture, "no_such_picture",
                                 [&](const std::string& path) { reported = path; }));
    EXPECT_EQ(reported, ProgramFolder() + "no_such_picture.bmp");
    EXPECT_EQ(picture.Width(), 2);
}

TEST(ScreenColorCount, FromBitsAndPlanes) {
    EXPECT_EQ(ScreenColorCount(8, 1), 256);
    EXPECT_EQ(ScreenColorCount(4, 2), 256);
    EXPECT_EQ(ScreenColorCount(32, 1), 999999999);
    EXPECT_GT(ScreenColorCount(16, 4), 256);  // large, not wrapped round
}

}  // namespace
}  // namespace velmora
