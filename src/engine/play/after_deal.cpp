#include "engine/play/after_deal.h"

#include "engine/play/auto_moves.h"
#include "engine/play/end_game.h"
#include "engine/play/scoring.h"
#include "engine/play/stock.h"
#include "engine/play/win_condition.h"

namespace velmora {

namespace {

constexpr int kOverAtDealCode = 44;

bool InProgress(const Engine& e) {
    return e.flags.Get(flag::kInProgress);
}

}  // namespace

void AutoplayAfterDeal(Engine& e) {
    if (!e.play.autoplay_checked || !e.play.autoplay_enabled) return;
    // Each round that moved may have opened gaps to fill before the next.
    while (InProgress(e) && AutoPlayRound(e))
        if (InProgress(e)) FillGaps(e);
}

void AutoplayFreshDeal(Engine& e) {
    const bool untouched = e.undo.Steps() == e.play.deal_steps;
    AutoplayAfterDeal(e);
    if (untouched) e.play.deal_steps = e.undo.Steps();
}

bool EndDealtGameIfOver(Engine& e) {
    if (e.R(47) != kOverAtDealCode || !InProgress(e)) return false;
    const bool reached_target = e.R(46) != 0 && StoredScore(e) >= e.R(46);
    if (!reached_target && !e.flags.Get(flag::kFinished) && !IsGameWon(e)) return false;
    e.flags.Set(flag::kFinished, true);
    EndGame(e);
    return true;
}

}  // namespace velmora
