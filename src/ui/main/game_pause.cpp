// The pause: the clock stands still and a sign hides the table, which takes
// no input until the player goes on (the command again, or a click on the
// sign). Whatever ends or starts a game ends the pause too.
#include <QAction>

#include <algorithm>

#include "ui/main/main_window.h"
#include "ui/main/pause_sign.h"
#include "ui/main/table_input.h"
#include "ui/main/table_widget.h"

namespace velmora {

void TfrmMain::mnuPauseClick() {
    if (!started_) return;
    if (paused_) {
        ClearPause();
        if (clock_ran_before_pause_ && engine_.flags.Get(flag::kInProgress)) StartClock();
        return;
    }
    Item("mnuPause")->setChecked(false);
    if (winning_running_ || !engine_.flags.Get(flag::kInProgress)) return;
    // A run in the player's hand is put down first.
    if (table_->Input() && table_->Input()->Carrying()) return;
    if (!pause_sign_) {
        pause_sign_ = new PauseSign(table_);
        pause_sign_->clicked = [this] { Guarded([this] { mnuPauseClick(); }); };
    }
    paused_ = true;
    clock_ran_before_pause_ = clock_.Running();
    StopClock();
    Item("mnuPause")->setChecked(true);
    PlacePauseSign();
}

void TfrmMain::ClearPause() {
    if (!paused_) return;
    paused_ = false;
    Item("mnuPause")->setChecked(false);
    pause_sign_->hide();
}

void TfrmMain::PlacePauseSign() {
    if (!paused_) return;
    // Below the toolbar, whose commands stay at hand.
    const int top = ToolbarBottom();
    pause_sign_->setGeometry(0, top, table_->width(), std::max(0, table_->height() - top));
    pause_sign_->show();
    pause_sign_->raise();
}

}  // namespace velmora
