#include "engine/play/end_game.h"

#include "engine/play/scoring.h"

namespace velmora {

namespace {

constexpr int kPauseBeforeWinMs = 200;

void CelebrateWin(Engine& e) {
    e.view->Wait(kPauseBeforeWinMs);
    e.view->HoldInput(true);
    e.sounds->PlayEvent("Won");
    e.view->RunWinningAnimation();
    e.view->HoldInput(false);
    // The player may have dealt a new game during the animation.
    if (e.flags.Get(flag::kInProgress) || e.play.suppress_selection) return;
    e.view->RepaintTable();
    e.view->OpenGameSelection();
}

}  // namespace

bool GameCountsAsWin(const Engine& e) {
    if (e.R(46) != 0) return StoredScore(e) >= e.R(46);
    return e.flags.Get(flag::kFinished);
}

bool EndGame(Engine& e) {
    if (!e.flags.Get(flag::kInProgress)) return false;
    const bool won = GameCountsAsWin(e);
    e.main_game.SetField(field::kDraggedCard, 0);
    e.main_game.SetField(field::kRunTopCard, 0);
    e.flags.Set(flag::kFinished, false);
    e.flags.Set(flag::kInProgress, false);
    e.flags.Set(flag::kStopAutoplay, true);
    e.main_game.SetField(field::kPassCounter, 0);
    if (won) CelebrateWin(e);
    return won;
}

}  // namespace velmora
