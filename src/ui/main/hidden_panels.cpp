// Parts of the window that start hidden: the demo panel with its buttons,
// move scroll bar and counter (shown by the demo), and those no command of
// this edition shows: the countdown gauge, the table's scroll bar and the
// pile-size hint. They exist so the window has every component the program
// knows by name.
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "ui/main/main_window.h"
#include "ui/main/table_widget.h"

namespace velmora {

namespace {

constexpr const char* kDemoButtons[][2] = {
    {"btnDemoFirst", "First"},       {"btnDemoPrevious", "Previous 3 moves"},
    {"btnDemoNext", "Next 3 moves"}, {"btnDemoLast", "Last"},
    {"btnDemoPlay", "Play"},         {"btnDemoStop", "Stop"},
    {"btnDemoClose", "Close"},
};

QFrame* HiddenFrame(QWidget* parent, const char* name) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->hide();
    return frame;
}

}  // namespace

void TfrmMain::BuildHiddenPanels() {
    HiddenFrame(table_, "pnlLineUpDemo");
    QFrame* demo = HiddenFrame(table_, "pnlDemo");
    demo->setFrameStyle(QFrame::Panel | QFrame::Raised);
    demo->setAutoFillBackground(true);
    demo->setCursor(Qt::ArrowCursor);
    int left = 2;
    for (const auto& [name, caption] : kDemoButtons) {
        auto* button = new QPushButton(QString::fromUtf8(caption), demo);
        button->setObjectName(name);
        button->move(left, 2);
        left += button->sizeHint().width() + 2;
    }
    auto* moves = new QScrollBar(Qt::Horizontal, demo);
    moves->setObjectName("scbDemoMove");
    moves->setGeometry(left, 6, 120, 16);
    QFrame* count = HiddenFrame(demo, "pnlDemoCount");
    count->setGeometry(left + 128, 2, 90, 24);
    count->show();
    auto* count_text = new QLabel(count);
    count_text->setObjectName("lblDemoCount");
    count_text->setGeometry(0, 0, 90, 24);
    count_text->setAlignment(Qt::AlignCenter);

    QFrame* gauge = HiddenFrame(table_, "pnlGauge_Memory");
    new QLabel("second(s) remains", gauge);

    auto* scroll = new QScrollBar(Qt::Vertical, table_);
    scroll->setObjectName("scrBarMain");
    scroll->hide();

    QFrame* sizes = HiddenFrame(table_, "pnlPilesSize");
    auto* size_hint = new QLabel(sizes);
    size_hint->setObjectName("lblPilesSize");
}

}  // namespace velmora
