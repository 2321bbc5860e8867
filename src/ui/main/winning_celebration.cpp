// The winning animation over the table, stopped early by any key or button
// press (the input filter) or by closing the window.
#include "render/winning_animation.h"
#include "render/winning_hooks.h"
#include "ui/main/main_window.h"

namespace velmora {

void TfrmMain::CelebrateWin() {
    // A demo's win is not the player's: nothing is recorded or celebrated.
    if (DemoRunning()) return;
    DropKeptGame();
    StopClock();
    RecordWonGame();
    if (closing_ || close_pending_ || !view_) return;
    Guarded([this] {
        winning_running_ = true;
        engine_.flags.Set(flag::kWinAnimation, true);
        WindowWinningHooks hooks(winning_running_, [this] { activateWindow(); });
        RunWinningAnimation(view_->Context(), ReadWinningAnimationInputs(engine_), hooks);
        winning_running_ = false;
        engine_.flags.Set(flag::kWinAnimation, false);
    });
}

void TfrmMain::StopWinningAnimation() {
    winning_running_ = false;
    engine_.flags.Set(flag::kWinAnimation, false);
}

}  // namespace velmora
