// The status bar at the bottom of the table: the counts of the game in
// hand, refreshed after every action of the player and at every deal. The
// table is laid out above it, so it never covers a pile.
#include <QFrame>
#include <QLabel>

#include "ui/main/main_window.h"
#include "ui/main/status_text.h"
#include "ui/main/table_widget.h"

namespace velmora {

namespace {

constexpr int kStatusBarHeight = 22;
constexpr int kTextLeft = 8;

}  // namespace

void TfrmMain::BuildStatusBar() {
    pnlStatusBar = new QFrame(table_);
    pnlStatusBar->setObjectName("pnlStatusBar");
    pnlStatusBar->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlStatusBar->setAutoFillBackground(true);
    pnlStatusBar->resize(table_->width(), kStatusBarHeight);
    lblStatus = new QLabel(pnlStatusBar);
    lblStatus->setObjectName("lblStatus");
}

void TfrmMain::HideStatusBar() {
    status_bar_shown_ = false;
    pnlStatusBar->hide();
}

void TfrmMain::PlaceStatusBar() {
    if (!status_bar_shown_) return;
    pnlStatusBar->setGeometry(0, table_->height() - kStatusBarHeight, table_->width(), kStatusBarHeight);
    lblStatus->setGeometry(kTextLeft, 0, table_->width() - 2 * kTextLeft, kStatusBarHeight);
    pnlStatusBar->show();
    pnlStatusBar->raise();
}

void TfrmMain::RefreshStatusBar() {
    if (!lblStatus) return;
    const QString text = StatusBarText(engine_);
    if (lblStatus->text() != text) lblStatus->setText(text);
}

int TfrmMain::TableAreaHeight() const {
    return status_bar_shown_ ? std::max(0, table_->height() - kStatusBarHeight) : table_->height();
}

}  // namespace velmora
