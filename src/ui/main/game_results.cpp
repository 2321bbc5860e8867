// The player's results: the window records a won game when the engine finds
// the win, and a game left in progress when the player deals another, opens
// another or closes the window without it being kept. The engine decides
// what counts (once a deal, a move needed to count as abandoned).
#include "engine/results/game_ending.h"
#include "ui/main/main_window.h"

namespace velmora {

void TfrmMain::RecordWonGame() { KeepResult(TakeWonGame(engine_, PlayedSeconds(), LocalNow())); }

void TfrmMain::RecordLeftGame(GameResult leaving) {
    if (!started_) return;
    KeepResult(TakeLeftGame(engine_, leaving, PlayedSeconds(), LocalNow()));
}

void TfrmMain::KeepResult(const std::optional<GameRecord>& record) {
    if (!record) return;
    // Made at the first record, with the messages the program has installed by then.
    if (!results_) results_ = std::make_unique<ResultRecorder>(engine_.params, *engine_.messages);
    results_->Record(*record);
}

}  // namespace velmora
