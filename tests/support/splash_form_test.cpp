#include "support/splash_form.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/resource_library.h"
#include "qt_test_app.h"
#include "support/splash_picture.h"

namespace velmora {
namespace {

TEST(SplashForm, IsABorderlessFixedWindowAboveTheOthers) {
    test::EnsureApplication();
    TfrmSplashForm splash(nullptr);
    EXPECT_EQ(splash.size(), QSize(393, 309));
    EXPECT_EQ(splash.minimumSize(), splash.maximumSize());
    EXPECT_TRUE(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(splash.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(splash.Picture().size(), splash.size());
}

// Once the main window is up the splash keeps neither its picture nor its
// native window with the pixels behind it.
TEST(SplashForm, ReleasedItHoldsNoPictureAndNoNativeWindow) {
    test::EnsureApplication();
    TfrmSplashForm splash(nullptr);
    splash.show();
    ASSERT_TRUE(splash.testAttribute(Qt::WA_WState_Created));
    splash.Release();
    EXPECT_FALSE(splash.isVisible());
    EXPECT_TRUE(splash.Picture().isNull());
    EXPECT_FALSE(splash.testAttribute(Qt::WA_WState_Created));
}

double LightShare(const QImage& picture, const QRect& area) {
    int light = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = picture.pixelColor(x, y);
            light += c.red() + c.green() + c.blue() > 600 ? 1 : 0;
        }
    return static_cast<double>(light) / (area.width() * area.height());
}

// The library's picture fans card faces over the felt; without the library
// the splash still has its size.
TEST(SplashForm, ThePictureComesFromTheLibrary) {
    test::EnsureApplication();
    ResourceLibrary library;
    ASSERT_TRUE(library.Load(std::string(VELMORA_PROGRAM_DIR) + "QOR.RGF"));
    const QImage picture = SplashPicture(&library);
    ASSERT_EQ(picture.size(), QSize(393, 309));
    // Much of the fan's area is the cards' white paper, none of the felt is.
    EXPECT_GT(LightShare(picture, QRect(120, 30, 150, 100)), 0.4);
    EXPECT_EQ(LightShare(picture, QRect(20, 160, 60, 100)), 0.0);
    const QImage plain = SplashPicture(nullptr);
    EXPECT_EQ(plain.size(), picture.size());
    EXPECT_NE(plain, picture);
}

}  // namespace
}  // namespace velmora
