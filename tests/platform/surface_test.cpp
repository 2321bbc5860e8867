#include <gtest/gtest.h>

#include <QFont>

#include <random>

#include "platform/surface.h"
#include "qt_test_app.h"

namespace velmora {
namespace {

// Every pixel its own colour, so a misplaced copy shows.
Surface Numbered(int w, int h, QRgb base = 0) {
    Surface s(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) s.SetPixel(x, y, base + static_cast<QRgb>(y * 1000 + x));
    return s;
}

// The copy done the slow way, through the checked pixel calls.
Surface ReferenceCopy(Surface target, int x, int y, const Surface& source, const QRect& from) {
    for (int sy = from.top(); sy <= from.bottom(); ++sy)
        for (int sx = from.left(); sx <= from.right(); ++sx)
            if (source.Bounds().contains(sx, sy))
                target.SetPixel(x + sx - from.left(), y + sy - from.top(), source.Pixel(sx, sy));
    return target;
}

TEST(Surface, CopyClipsToBothSurfacesAtEveryEdge) {
    std::mt19937 random(3);
    auto r = [&](int lo, int hi) { return lo + static_cast<int>(random() % (hi - lo + 1)); };
    const Surface source = Numbered(13, 9, 0x100000);
    const Surface blank = Numbered(11, 7);
    for (int round = 0; round < 2000; ++round) {
        QRect from(r(-15, 15), r(-12, 12), r(-3, 20), r(-3, 16));
        int x = r(-20, 15), y = r(-15, 10);
        Surface target = blank;
        target.Copy(x, y, source, from);
        ASSERT_EQ(target.Image(), ReferenceCopy(blank, x, y, source, from).Image())
            << from.x() << "," << from.y() << " " << from.width() << "x" << from.height()
            << " to " << x << "," << y;
    }
    // Within one surface, overlapping areas copy as if from a snapshot.
    for (QPoint to : {QPoint(4, 3), QPoint(0, 1), QPoint(5, 0)}) {
        Surface s = blank;
        s.Copy(to.x(), to.y(), s, QRect(2, 2, 5, 4));
        EXPECT_EQ(s.Image(), ReferenceCopy(blank, to.x(), to.y(), blank, QRect(2, 2, 5, 4)).Image());
    }
}

TEST(Surface, InvertedAndKeyedCopies) {
    Surface source(2, 1);
    source.SetPixel(0, 0, 0x102030);
    source.SetPixel(1, 0, 0xFFFFFF);
    Surface target(2, 1);
    target.CopyInverted(0, 0, source, source.Bounds());
    EXPECT_EQ(target.Pixel(0, 0), 0xFFEFDFCFu);
    target.InvertRect(QRect(-5, -5, 50, 50));
    EXPECT_EQ(target.Image(), source.Image());
    target.Fill(target.Bounds(), 0x445566);
    target.CopyTransparent(0, 0, source, source.Bounds(), 0xFFFFFF);
    EXPECT_EQ(target.Pixel(0, 0), 0xFF102030u);
    EXPECT_EQ(target.Pixel(1, 0), 0xFF445566u);  // the key colour lets the target show
}

TEST(Surface, StretchedCopyScalesOnlyTheExistingSource) {
    Surface source(2, 1);
    source.SetPixel(0, 0, 0xFF0000);
    source.SetPixel(1, 0, 0x00FF00);
    Surface big(6, 3);
    big.CopyStretched(QRect(1, 1, 4, 2), source, source.Bounds());
    EXPECT_EQ(big.Pixel(0, 1), 0xFF000000u);
    EXPECT_EQ(big.Pixel(2, 2), 0xFFFF0000u);
    EXPECT_EQ(big.Pixel(3, 1), 0xFF00FF00u);
    EXPECT_EQ(big.Pixel(5, 1), 0xFF000000u);
    Surface half(4, 1);  // the right half of this source lies outside the surface
    half.CopyStretched(half.Bounds(), source, QRect(1, 0, 2, 1));
    EXPECT_EQ(half.Pixel(1, 0), 0xFF00FF00u);
    EXPECT_EQ(half.Pixel(2, 0), 0xFF000000u);
}

// On a screen of twice the resolution every operation in table pixels must
// give the picture of the same operation at 1x, enlarged.
TEST(Surface, AtTwiceTheScaleEveryOperationIsTheEnlargedOne) {
    std::mt19937 random(5);
    auto r = [&](int lo, int hi) { return lo + static_cast<int>(random() % (hi - lo + 1)); };
    const Surface source = Numbered(13, 9, 0x100000);
    const Surface blank = Numbered(11, 7);
    const Surface source2 = source.AtScale(2);
    for (int round = 0; round < 300; ++round) {
        const QRect from(r(-15, 15), r(-12, 12), r(-3, 20), r(-3, 16));
        const int x = r(-20, 15), y = r(-15, 10);
        Surface one = blank;
        one.Copy(x, y, source, from);
        one.CopyTransparent(y, x, source, from.translated(1, 1), 0x100000 + 1002);
        one.Fill(from.translated(x, 0), 0x123456);
        one.SetPixel(x, y, 0xABCDEF);
        Surface two = blank.AtScale(2);
        two.Copy(x, y, source2, from);
        two.CopyTransparent(y, x, source, from.translated(1, 1), 0x100000 + 1002);  // a 1x source
        two.Fill(from.translated(x, 0), 0x123456);
        two.SetPixel(x, y, 0xABCDEF);
        ASSERT_EQ(two.Image(), one.AtScale(2).Image()) << round;
        ASSERT_EQ(two.Pixel(x, y), one.Pixel(x, y));
    }
    Surface big(6, 3, 2);
    big.CopyStretched(QRect(1, 1, 4, 2), Numbered(2, 1), QRect(0, 0, 2, 1));
    Surface big1(6, 3);
    big1.CopyStretched(QRect(1, 1, 4, 2), Numbered(2, 1), QRect(0, 0, 2, 1));
    EXPECT_EQ(big.Image(), big1.AtScale(2).Image());
    EXPECT_EQ(big.Bounds(), QRect(0, 0, 6, 3));
    EXPECT_EQ(big.Image().size(), QSize(12, 6));
}

TEST(Surface, TextAtTwiceTheScaleIsDrawnAtTheDeviceResolution) {
    test::EnsureApplication();
    QFont font("DejaVu Sans");
    font.setPixelSize(14);
    Surface two(30, 20, 2);
    two.DrawText(2, 2, "Wg", font, 0xFFFFFF);
    // An enlargement would repeat every pixel in its 2 x 2 block.
    int finer = 0;
    for (int y = 0; y < 40; y += 2)
        for (int x = 0; x < 60; x += 2)
            finer += two.Image().pixel(x, y) != two.Image().pixel(x + 1, y + 1);
    EXPECT_GT(finer, 10);
}

}  // namespace
}  // namespace velmora
