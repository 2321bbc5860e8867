#include "engine/play/auto_moves.h"

#include <string>

#include "engine/model/card_code.h"
#include "engine/model/pile_string.h"
#include "engine/model/piles.h"
#include "engine/play/auto_moves_piles.h"
#include "engine/play/end_game.h"
#include "engine/play/face_up.h"
#include "engine/play/move_log.h"
#include "engine/play/safe_autoplay.h"
#include "engine/play/stock.h"
#include "engine/play/win_condition.h"

namespace velmora {

namespace {

// Every pass moves a card to a foundation; a round can never need more.
constexpr int kMaxPasses = 2 * kLastCard;

bool AutoplayOn(const Engine& e) { return e.play.autoplay_checked && e.play.autoplay_enabled; }
bool InProgress(const Engine& e) { return e.flags.Get(flag::kInProgress); }
bool StopRequested(const Engine& e) { return e.flags.Get(flag::kStopAutoplay) || !InProgress(e); }

// The top card of the pile to the foundations, unless safe play keeps it
// for a card in play that could still go on it.
bool OfferTop(Engine& e, ListId list, int index) {
    const int top = PileTop(e.piles.Text(list, index));
    if (top < 1 || !InLayout(e, list, index)) return false;
    if (!SafeToSendHome(e, AutoplayHomeRule(e), top)) return false;
    return SendCardAway(e, top, NameOf(list, index), true, false, false, true, true);
}

bool ReservePass(Engine& e) {
    bool moved = false;
    for (int r = 0; r < ReservesInUse(e) && !StopRequested(e); ++r) moved = OfferTop(e, ListId::Reserve, r) || moved;
    return moved;
}

bool WastePass(Engine& e) { return e.R(7) == 0 && OfferTop(e, ListId::Stock, kWasteIndex); }

// A face-down top card is turned up first; the turn belongs to the move that
// exposed the card, so it joins that step.
void TurnUpTop(Engine& e, int t) {
    const int top = PileTop(e.piles.tableau[static_cast<size_t>(t)]);
    if (top < 1 || !e.cards.IsFaceDown(top)) return;
    if (e.params.ParamRead(param::kAutoFaceUp, 1) == "N" || e.R(41) != 1) return;
    const int steps = e.undo.Steps();
    TurnFaceUp(e, top, t);
    if (e.undo.Steps() > steps && steps >= 1) MergeLastSteps(e, 1);
}

bool TableauPass(Engine& e) {
    bool moved = false;
    // With reserves, every tableau card that goes sends play back to them.
    const bool back_to_reserves = ReservesInUse(e) > 0;
    for (int t = 0; t < TableauInUse(e) && !StopRequested(e); ++t) {
        if (!InLayout(e, ListId::Tableau, t)) continue;
        TurnUpTop(e, t);
        if (!OfferTop(e, ListId::Tableau, t)) continue;
        moved = true;
        if (back_to_reserves) break;
    }
    return moved;
}

bool AutoPlayPass(Engine& e) {
    bool moved = false;
    while (!StopRequested(e) && ReservePass(e)) moved = true;
    if (!StopRequested(e) && WastePass(e)) moved = true;
    if (!StopRequested(e) && TableauPass(e)) moved = true;
    return moved;
}

}  // namespace

bool AutoPlayRound(Engine& e) {
    if (!AutoplayOn(e) || !InProgress(e)) return false;
    e.flags.Set(flag::kStopAutoplay, false);
    bool moved = false;
    for (int pass = 0; pass < kMaxPasses && !StopRequested(e) && AutoPlayPass(e); ++pass) moved = true;
    e.flags.Set(flag::kStopAutoplay, false);
    if (e.flags.Get(flag::kFinished)) EndGame(e);
    return moved;
}

void AfterRelease(Engine& e) {
    if (!InProgress(e)) return;
    FillGaps(e);
    while (AutoplayOn(e) && InProgress(e) && AutoPlayRound(e))
        if (InProgress(e)) FillGaps(e);
    if (!InProgress(e)) return;
    // The executor keeps flag 8 up to date; the table is asked as well, so
    // that a win is never missed.
    if (e.flags.Get(flag::kFinished) || IsGameWon(e)) {
        e.flags.Set(flag::kFinished, true);
        EndGame(e);
    }
}

}  // namespace velmora
