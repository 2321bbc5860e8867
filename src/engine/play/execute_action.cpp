#include "engine/play/execute_action.h"

#include "engine/model/pile_names.h"
#include "engine/model/pile_string.h"
#include "engine/model/piles.h"
#include "engine/play/execute_action_moves.h"
#include "engine/play/face_up.h"
#include "engine/play/move_log.h"
#include "engine/play/move_description.h"
#include "engine/play/scoring.h"
#include "engine/play/selection.h"
#include "engine/play/stock_actions.h"
#include "engine/play/suit_runs.h"
#include "engine/play/win_condition.h"

namespace velmora {

namespace {

constexpr int kNoScoreGame = 9;  // R[47]: the score is never computed

// The 0-based pile index of a keyword's number at 1-based column `column`,
// or -1 when no number stands there.
int IndexAt(std::string_view keyword, int column) {
    const int number = NumberAtColumns(keyword, column);
    return number >= 1 ? number - 1 : -1;
}

// Before the first move of a game with R[39] = 1 only a tableau card may
// go, and only to a foundation.
bool FirstMoveAllows(const Engine& e, int card, std::string_view keyword) {
    if (e.R(39) != 1 || e.main_game.Field(field::kMoveCounter) != 0) return true;
    return LocatorIsTableau(LocateCard(e, card)) && keyword.starts_with("Dest");
}

// The empty-stock marker depends on whether the waste still holds a card.
bool StockRunDown(const Engine& e) {
    return e.piles.stock_area[kStockIndex].empty() && PileCount(e.piles.stock_area[kWasteIndex]) <= 1;
}

ActionOutcome Done(bool done) { return {done, false}; }

ActionOutcome Dispatch(Engine& e, int card, std::string_view k) {
    if (k.starts_with("Dest_Autoplay")) return MoveToFoundation(e, card, IndexAt(k, 14), true);
    if (k.starts_with("Dest")) return MoveToFoundation(e, card, IndexAt(k, 5), false);
    if (k.starts_with("Fila")) return MoveToTableau(e, card, IndexAt(k, 5));
    if (k.starts_with("Appogg")) return MoveToReserve(e, card, IndexAt(k, 7));
    if (k == "Stock02") return MoveToStockArea(e, card, kWasteIndex);
    if (k == "Waste") return MoveToStockArea(e, card, kSecondWasteIndex);
    if (k == "Mazzo_Vis" || k == "Mazzo_Waste" || k == "Mazzo_Redeal") return Done(TurnStockCards(e, k));
    if (IsDealKeyword(k)) return Done(DealFromStock(e, k));
    if (k == "Selezionate_Fila") return Done(RefillEmptyTableaus(e));
    if (k == "Stock_To_Pile_Monte_Carlo") return Done(CloseUpTableaus(e));
    if (k == "Selezionate_Dest") {
        const bool done = RemoveSelection(e);
        // Only these removal games turn up what the removal exposed.
        return {done, done && (e.R(47) == 25 || e.R(47) == 26)};
    }
    return {};
}

void CountMove(Engine& e) {
    const int moves = e.main_game.Field(field::kMoveCounter);
    if (moves > 1) return;
    e.main_game.SetField(field::kMoveCounter, moves + 1);
    // Raised first, so the one-time deal cannot trigger itself again.
    if (e.R(40) == 1 && moves + 1 == 1) ExecuteAction(e, 0, "Fill_Tableaus");
}

void AfterAction(Engine& e, const ActionOutcome& outcome, bool stock_was_run_down) {
    if (!stock_was_run_down && StockRunDown(e)) e.view->RepaintEmptyStock();
    if (outcome.done && e.R(47) != kNoScoreGame) RecomputeScore(e);
    // With automatic play running, it turns the exposed cards itself.
    const bool autoplay = e.play.autoplay_checked && e.play.autoplay_enabled;
    if (outcome.left_tableau && !autoplay) TurnExposedCardsUp(e);
    if (outcome.done) {
        PushSnapshot(e, LogSide::Redo, true);
        CountMove(e);
    }
    const int special = e.R(47);
    if (special == 31 || special == 34 || special == 35) e.flags.Set(flag::kFinished, IsGameWon(e));
}

}  // namespace

bool ExecuteAction(Engine& e, int card, std::string_view keyword) {
    if (!FirstMoveAllows(e, card, keyword)) return false;
    const bool stock_was_run_down = StockRunDown(e);
    ActionOutcome outcome = Dispatch(e, card, keyword);
    // A run completed by the action leaves the tableau within the same step.
    if (outcome.done && SendCompleteRunsHome(e)) {
        outcome.left_tableau = true;
        e.flags.Set(flag::kFinished, IsGameWon(e));
    }
    AfterAction(e, outcome, stock_was_run_down);
    return outcome.done;
}

}  // namespace velmora
