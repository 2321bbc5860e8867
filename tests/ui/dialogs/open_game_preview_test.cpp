// The game preview's pixels: the green fade, the see-through picture at the
// top centre and the plain green of palette screens.

#include "ui/dialogs/open_game_preview.h"

#include <gtest/gtest.h>

namespace velmora::open_game {
namespace {

constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kGreen = qRgb(0, 128, 0);
constexpr QRgb kKey = qRgb(255, 0, 255);
constexpr QRgb kInk = qRgb(250, 250, 250);
constexpr int64_t kTrueColour = 999999999;

// A 4 x 2 picture on its key colour with two ink pixels.
Surface Picture() {
    Surface picture(4, 2);
    picture.Fill(picture.Bounds(), kKey);
    picture.SetPixel(1, 0, kInk);
    picture.SetPixel(3, 1, kInk);
    return picture;
}

TEST(OpenGamePreviewTest, BackgroundFadesFromBlackAtTheBottomToGreenAtTheTop) {
    const Surface background = PreviewBackground(QSize(300, 185));
    ASSERT_EQ(background.Bounds(), QRect(0, 0, 300, 185));
    EXPECT_EQ(background.Pixel(0, 184), kBlack);
    EXPECT_EQ(background.Pixel(299, 0), qRgb(0, 127, 0));
    for (int y = 1; y < 185; ++y) {
        const QRgb above = background.Pixel(150, y - 1);
        const QRgb here = background.Pixel(150, y);
        EXPECT_GE(qGreen(above), qGreen(here)) << y;
        EXPECT_EQ(qRed(here) + qBlue(here), 0) << y;
    }
}

TEST(OpenGamePreviewTest, PictureStartsAtHalfTheSpareWidthRoundedHalfToEven) {
    for (auto [width, left] : {std::pair{300, 0}, {200, 50}, {201, 50}, {203, 48}, {320, -10}})
        EXPECT_EQ(PreviewLeft(300, width), left) << width;
}

TEST(OpenGamePreviewTest, PictureIsSeeThroughWhereItHasItsTopLeftColour) {
    const Surface background = PreviewBackground(QSize(10, 6));
    const Surface preview = PaintPreview(background, Picture(), kTrueColour);
    // Left edge at (10 - 4) / 2 = 3, top edge at 0.
    EXPECT_EQ(preview.Pixel(4, 0), kInk);
    EXPECT_EQ(preview.Pixel(6, 1), kInk);
    for (auto [x, y] : {std::pair{3, 0}, {5, 0}, {3, 1}, {4, 1}, {4, 2}, {0, 0}, {9, 5}})
        EXPECT_EQ(preview.Pixel(x, y), background.Pixel(x, y)) << x << "," << y;
}

TEST(OpenGamePreviewTest, WithoutAPictureOnlyTheBackgroundShows) {
    const Surface background = PreviewBackground(QSize(10, 6));
    EXPECT_EQ(PaintPreview(background, Surface(), kTrueColour).Image(), background.Image());
}

TEST(OpenGamePreviewTest, PaletteScreensGetPlainGreenUnderThePicture) {
    const Surface background = PreviewBackground(QSize(10, 6));
    const Surface preview = PaintPreview(background, Picture(), 256);
    EXPECT_EQ(preview.Pixel(0, 5), kGreen);
    EXPECT_EQ(preview.Pixel(3, 0), kGreen);
    EXPECT_EQ(preview.Pixel(4, 0), kInk);
    EXPECT_EQ(PaintPreview(background, Picture(), 257).Pixel(0, 5), background.Pixel(0, 5));
}

}  // namespace
}  // namespace velmora::open_game
