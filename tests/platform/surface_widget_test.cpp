#include <gtest/gtest.h>

#include <QWindow>

#include "platform/fonts.h"
#include "platform/surface_widget.h"
#include "platform/timing.h"
#include "qt_test_app.h"

namespace velmora {
namespace {

TEST(SurfaceWidget, RepaintsMarkedRectanglesFromTheFrontImageAtOnce) {
    test::EnsureApplication();
    SurfaceWidget widget;
    widget.resize(40, 30);
    widget.show();
    // Repaints reach a window only once the platform has exposed it.
    for (int i = 0; i < 200 && !widget.windowHandle()->isExposed(); ++i) WaitProcessing(5);
    widget.Front().Fill(QRect(5, 5, 10, 10), 0x00FF00);
    widget.MarkDirty(QRect(5, 5, 10, 10));
    widget.UpdateRect(QRect(0, 0, 40, 30));
    EXPECT_TRUE(widget.Dirty().isEmpty());
    QImage shown = widget.grab().toImage();
    EXPECT_EQ(shown.pixel(7, 7), qRgb(0, 255, 0));
    EXPECT_EQ(shown.pixel(20, 20), qRgb(0, 0, 0));
    widget.resize(60, 30);  // the front grows and keeps its picture
    EXPECT_EQ(widget.Front().Pixel(7, 7), 0xFF00FF00u);
    EXPECT_TRUE(FontInstalled("DEJAVU sans"));
}

}  // namespace
}  // namespace velmora
