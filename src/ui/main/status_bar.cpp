// The status bar at the bottom of the table: the counts of the game in
// hand, refreshed after every action of the player and at every deal, and
// at its right end the player who plays. The table is laid out above it,
// so it never covers a pile.
#include <QFrame>
#include <QLabel>

#include <algorithm>

#include "ui/main/main_window.h"
#include "ui/main/status_text.h"
#include "ui/main/table_widget.h"

namespace velmora {

namespace {

constexpr int kStatusBarHeight = 22;
constexpr int kTextLeft = 8;
// Room for "Player: " and a name of 30 characters.
constexpr int kPlayerWidth = 260;
// Room for "Cannot be won from here".
constexpr int kVerdictWidth = 190;

}  // namespace

void TfrmMain::BuildStatusBar() {
    pnlStatusBar = new QFrame(table_);
    pnlStatusBar->setObjectName("pnlStatusBar");
    pnlStatusBar->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlStatusBar->setAutoFillBackground(true);
    pnlStatusBar->resize(table_->width(), kStatusBarHeight);
    lblStatus = new QLabel(pnlStatusBar);
    lblStatus->setObjectName("lblStatus");
    lblStatusPlayer = new QLabel(pnlStatusBar);
    lblStatusPlayer->setObjectName("lblStatusPlayer");
    lblStatusPlayer->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void TfrmMain::HideStatusBar() {
    status_bar_shown_ = false;
    pnlStatusBar->hide();
}

void TfrmMain::PlaceStatusBar() {
    if (!status_bar_shown_) return;
    pnlStatusBar->setGeometry(0, table_->height() - kStatusBarHeight, table_->width(), kStatusBarHeight);
    const int player_width = std::min(kPlayerWidth, table_->width() / 3);
    const int verdict_width = std::min(kVerdictWidth, table_->width() / 4);
    const int player_left = table_->width() - kTextLeft - player_width;
    const int verdict_left = player_left - kTextLeft - verdict_width;
    lblStatus->setGeometry(kTextLeft, 0, verdict_left - 2 * kTextLeft, kStatusBarHeight);
    if (lblWinnable) lblWinnable->setGeometry(verdict_left, 0, verdict_width, kStatusBarHeight);
    lblStatusPlayer->setGeometry(player_left, 0, player_width, kStatusBarHeight);
    pnlStatusBar->show();
    pnlStatusBar->raise();
    RefreshStatusBar();
}

void TfrmMain::RefreshStatusBar() {
    if (!lblStatus) return;
    const QString text = StatusBarText(engine_);
    if (lblStatus->text() != text) lblStatus->setText(text);
    const QString player = PlayerStatusText(engine_.params);
    if (lblStatusPlayer->text() != player) lblStatusPlayer->setText(player);
}

int TfrmMain::TableAreaHeight() const {
    return status_bar_shown_ ? std::max(0, table_->height() - kStatusBarHeight) : table_->height();
}

}  // namespace velmora
