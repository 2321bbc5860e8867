// The back buffer and background follow the window, not the screen: made
// at the window's size when it is shown, grown rarely while it is made
// larger step by step, kept when it shrinks.

#include <gtest/gtest.h>

#include "render/table_surfaces.h"

namespace velmora {
namespace {

QSize SizeOf(const Surface& surface) { return {surface.Width(), surface.Height()}; }
QSize SizeOf(const TableBackground& background) { return background.Bounds().size(); }

TEST(TableSurfaces, AShownWindowGetsBuffersOfItsOwnSizeAndTheMargin) {
    TableSurfaces surfaces;
    surfaces.Resize(1280, 800, 100, 30);  // before the window is shown
    surfaces.Resize(1280, 800, 1130, 631);
    EXPECT_EQ(surfaces.extent, QSize(1310, 830));
    EXPECT_EQ(SizeOf(surfaces.back_buffer), QSize(1160, 661));
    EXPECT_EQ(SizeOf(surfaces.background), QSize(1160, 661));
    EXPECT_EQ(SizeOf(surfaces.Window()), QSize(1130, 631));

    // As large as the screen: no room beyond the extent. Larger (several
    // screens): at least the window.
    surfaces.Resize(1280, 800, 1280, 800);
    EXPECT_EQ(SizeOf(surfaces.back_buffer), QSize(1310, 830));
    surfaces.Resize(1280, 800, 2000, 900);
    EXPECT_EQ(SizeOf(surfaces.back_buffer), QSize(2000, 900));
    EXPECT_EQ(SizeOf(surfaces.Window()), QSize(2000, 900));
}

TEST(TableSurfaces, GrowingStepByStepMakesNewBuffersRarelyAndShrinkingKeepsThem) {
    TableSurfaces surfaces;
    surfaces.Resize(1920, 1080, 800, 600);
    int made = 0;
    qint64 key = surfaces.back_buffer.Image().cacheKey();
    for (int step = 1; step <= 200; ++step) {
        const int width = 800 + step * 2, height = 600 + step;
        surfaces.Resize(1920, 1080, width, height);
        ASSERT_GE(surfaces.back_buffer.Width(), width + 30);
        ASSERT_GE(surfaces.back_buffer.Height(), height + 30);
        ASSERT_EQ(SizeOf(surfaces.background), SizeOf(surfaces.back_buffer));
        ASSERT_LE(surfaces.back_buffer.Width(), surfaces.extent.width());
        if (surfaces.back_buffer.Image().cacheKey() != key) ++made;
        key = surfaces.back_buffer.Image().cacheKey();
    }
    EXPECT_LE(made, 6) << "400 x 200 pixels larger in 200 steps";

    surfaces.Resize(1920, 1080, 640, 480);
    EXPECT_EQ(surfaces.back_buffer.Image().cacheKey(), key) << "kept when the window shrinks";
    EXPECT_EQ(SizeOf(surfaces.Window()), QSize(640, 480));

    // A screen of another scale: new buffers at the window's size.
    surfaces.scale = 2;
    surfaces.Resize(1920, 1080, 640, 480);
    EXPECT_EQ(SizeOf(surfaces.back_buffer), QSize(670, 510));
    EXPECT_EQ(surfaces.back_buffer.Scale(), 2);
    EXPECT_EQ(surfaces.background.Scale(), 2);
}

// Nothing over the table: the window shows the back buffer itself. Drawing
// over it makes the window surface from the back buffer; once the window
// shows the back buffer again (and only then, and never while scrolled) the
// surface can go.
TEST(TableSurfaces, TheWindowSurfaceLivesOnlyWhileSomethingLiesOverTheTable) {
    TableSurfaces surfaces;
    surfaces.Resize(1280, 800, 300, 200);
    surfaces.back_buffer.Fill(QRect(10, 10, 5, 5), qRgb(200, 0, 0));
    EXPECT_FALSE(surfaces.HasWindow());
    EXPECT_EQ(&surfaces.Shown(), &surfaces.back_buffer);
    EXPECT_EQ(surfaces.WindowBounds(), QRect(0, 0, 300, 200));
    EXPECT_FALSE(surfaces.ReleasePlainWindow());

    Surface& window = surfaces.Window();
    EXPECT_EQ(&surfaces.Shown(), &window);
    EXPECT_EQ(SizeOf(window), QSize(300, 200));
    EXPECT_EQ(window.Pixel(12, 12), qRgb(200, 0, 0)) << "made from the back buffer";
    window.Fill(QRect(100, 100, 20, 20), qRgb(0, 0, 255));  // a card flying
    EXPECT_FALSE(surfaces.ReleasePlainWindow()) << "the window shows more than the back buffer";
    window.Copy(100, 100, surfaces.back_buffer, QRect(100, 100, 20, 20));
    surfaces.scroll = 5;
    EXPECT_FALSE(surfaces.ReleasePlainWindow()) << "a scrolled table keeps its window";
    surfaces.scroll = 0;
    EXPECT_TRUE(surfaces.ReleasePlainWindow());
    EXPECT_FALSE(surfaces.HasWindow());
    EXPECT_EQ(&surfaces.Shown(), &surfaces.back_buffer);

    // A window made larger meanwhile gets a window surface of its new size.
    surfaces.Resize(1280, 800, 400, 250);
    EXPECT_EQ(SizeOf(surfaces.Window()), QSize(400, 250));
}

}  // namespace
}  // namespace velmora
