#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

#include "platform/input_filter.h"
#include "platform/timing.h"
#include "qt_test_app.h"

namespace velmora {
namespace {

class Counter : public QWidget {
public:
    int presses = 0;

protected:
    void keyPressEvent(QKeyEvent*) override { ++presses; }
    void mousePressEvent(QMouseEvent*) override { ++presses; }
};

void PostKey(QWidget* to) {
    QCoreApplication::postEvent(to, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier));
}

TEST(InputFilter, HoldsBackInputAndTurnsPressesIntoOneStopRequest) {
    test::EnsureApplication();
    Counter widget;
    int requests = 0;
    InputFilter filter([&] { ++requests; });
    filter.Install();
    PostKey(&widget);
    QCoreApplication::postEvent(&widget, new QMouseEvent(QEvent::MouseButtonPress, QPointF(1, 1),
                                                         QPointF(1, 1), Qt::LeftButton,
                                                         Qt::LeftButton, Qt::NoModifier));
    Wait(1);
    EXPECT_EQ(widget.presses, 0);  // Wait lets nothing run
    WaitProcessing(0);
    EXPECT_EQ(widget.presses, 0);
    EXPECT_EQ(requests, 1);

    PostKey(&widget);  // still queued when the filter goes: must not leak through
    filter.Remove();
    WaitProcessing(0);
    EXPECT_EQ(widget.presses, 0);
    PostKey(&widget);
    WaitProcessing(0);
    EXPECT_EQ(widget.presses, 1);
}

}  // namespace
}  // namespace velmora
