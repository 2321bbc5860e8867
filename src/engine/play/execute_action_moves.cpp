#include "engine/play/execute_action_moves.h"

#include <optional>
#include <vector>

#include "engine/model/card_code.h"
#include "engine/model/pile_names.h"
#include "engine/model/pile_string.h"
#include "engine/model/piles.h"
#include "engine/play/execute_action.h"
#include "engine/play/grid_rules.h"
#include "engine/play/move_log.h"
#include "engine/play/peaks.h"
#include "engine/play/pickup_rules.h"
#include "engine/play/scoring.h"
#include "engine/play/selection_pile.h"
#include "engine/play/win_condition.h"

namespace velmora {

namespace {

constexpr int kJumpBuildCode = 71;   // grid jumps clear the cell jumped over
constexpr int kSlotLayout = 4;       // R[3]: removed tableau cards leave "000"
constexpr int kExchangeGame = 49;    // R[47]: a drop on a lone card swaps them
constexpr int kEddyGame = 12;        // R[47]: its own sound for the second waste

// The pile a card is taken from, searched in the order of FindCardKind. In
// a selection game foundation 1 names selected cards that lie elsewhere:
// only a card lying there itself is taken from it.
std::optional<PileRef> PileToLiftFrom(const Engine& e, int card) {
    if (card < 1 || card > kLastCard) return std::nullopt;
    auto holds = [&](ListId list, int index) { return PileIndexOf(e.piles.Text(list, index), card) >= 0; };
    if (holds(ListId::Stock, kWasteIndex)) return PileRef{ListId::Stock, kWasteIndex};
    for (int t = 0; t < TableauInUse(e); ++t)
        if (holds(ListId::Tableau, t)) return PileRef{ListId::Tableau, t};
    const bool selection_pile = KeepsSelection(e);
    for (int f = 0; f < kFoundationPiles; ++f) {
        const bool lies_there = f == 0 && selection_pile ? PileIndexOf(SelectionPileCards(e), card) >= 0
                                                         : holds(ListId::Foundation, f);
        if (lies_there) return PileRef{ListId::Foundation, f};
    }
    if (holds(ListId::Stock, kStockIndex)) return PileRef{ListId::Stock, kStockIndex};
    if (holds(ListId::Stock, kSecondWasteIndex)) return PileRef{ListId::Stock, kSecondWasteIndex};
    for (int r = 0; r < kReservePiles; ++r)
        if (holds(ListId::Reserve, r)) return PileRef{ListId::Reserve, r};
    return std::nullopt;
}

// Takes the card off its pile, with the cards above it when `with_run` and
// it lies on a tableau or reserve whose cards do not leave alone. Returns
// the cards taken, bottom first.
std::vector<int> Lift(Engine& e, PileRef from, int card, bool with_run) {
    std::string& pile = *e.piles.Pile(from.list, from.index);
    const int at = PileIndexOf(pile, card);
    const bool run_pile = (from.list == ListId::Tableau || from.list == ListId::Reserve) && !LeavesAlone(e, from);
    if (with_run && run_pile && at < PileCount(pile) - 1) {
        const std::vector<int> codes = PileCodes(pile);
        pile.erase(static_cast<size_t>(at) * 3);
        return {codes.begin() + at, codes.end()};
    }
    const bool keep_slot = from.list == ListId::Tableau && e.R(3) == kSlotLayout;
    PileFindIn(pile, card, keep_slot ? kFindPlaceholder : kFindRemove);
    return {card};
}

void Repaint(Engine& e, PileRef pile) { e.view->RepaintPile(static_cast<int>(pile.list), pile.index); }

// Moves the card (or its run) onto `to`, face up, as one logged step.
std::optional<PileRef> MoveCards(Engine& e, int card, PileRef to, bool with_run) {
    const auto from = PileToLiftFrom(e, card);
    if (!from) return std::nullopt;
    PushSnapshot(e, LogSide::Undo, false);
    // A selected card put on the pile that keeps the selection is selected
    // no more: the pile would name it twice.
    if (to.list == ListId::Foundation && to.index == 0 && KeepsSelection(e)) Deselect(e, card);
    for (int code : Lift(e, *from, card, with_run)) PileAppend(e, to.list, to.index, code, kFaceUp);
    e.view->AnimateCard(card, static_cast<int>(from->list), from->index, static_cast<int>(to.list), to.index);
    Repaint(e, *from);
    Repaint(e, to);
    return from;
}

ActionOutcome Outcome(const std::optional<PileRef>& from) {
    return {from.has_value(), from && from->list == ListId::Tableau};
}

void EvaluateWin(Engine& e) { e.flags.Set(flag::kFinished, IsGameWon(e)); }

// The card a grid jump passed over goes to the second waste, as part of
// the jump's step.
void ClearJumpedCell(Engine& e, int jumped) {
    const int card = PileTop(e.piles.tableau[static_cast<size_t>(jumped)]);
    if (card < 1) return;
    const int steps = e.undo.Steps();
    if (ExecuteAction(e, card, "Waste")) CollapseStepsSince(e, steps, false);
}

// A card dropped on a lone card that is not the pile's base swaps places
// with it: the lone card goes back where the dropped card came from.
void ExchangeWithLoneCard(Engine& e, int card, int index, PileRef from) {
    std::string& dest = e.piles.tableau[static_cast<size_t>(index)];
    if (PileCount(dest) != 2) return;
    const int bottom = PileCodeAt(dest, 0);
    if (bottom == card || bottom < 1 || CardRank(bottom) == e.R(128 + index)) return;
    dest = CardCodeText(card);
    // The source is normally empty now; should it still hold cards, the lone
    // card goes on top of them rather than replacing them.
    PileAppend(e, from.list, from.index, bottom, kFaceUp);
    Repaint(e, from);
    Repaint(e, {ListId::Tableau, index});
    RecomputeScore(e);
    EvaluateWin(e);
}

}  // namespace

ActionOutcome MoveToFoundation(Engine& e, int card, int index, bool automatic) {
    if (index < 0 || index >= FoundationsInUse(e)) return {};
    const auto from = MoveCards(e, card, {ListId::Foundation, index}, false);
    if (!from) return {};
    EvaluateWin(e);
    e.sounds->PlayEvent(automatic ? "Autoplay" : "Foundation");
    return Outcome(from);
}

ActionOutcome MoveToTableau(Engine& e, int card, int index) {
    if (index < 0 || index >= TableauInUse(e)) return {};
    // Where the jump starts has to be known before the card moves.
    const int jumped = e.R(184 + index) == kJumpBuildCode ? GridJumpedCell(e, index, LocateCard(e, card)) : -1;
    const auto from = MoveCards(e, card, {ListId::Tableau, index}, true);
    if (!from) return {};
    e.sounds->PlayEvent("Tableau");
    if (jumped >= 0) ClearJumpedCell(e, jumped);
    if (e.R(47) == kExchangeGame) ExchangeWithLoneCard(e, card, index, *from);
    return Outcome(from);
}

ActionOutcome MoveToReserve(Engine& e, int card, int index) {
    if (index < 0 || index >= ReservesInUse(e)) return {};
    const auto from = MoveCards(e, card, {ListId::Reserve, index}, false);
    if (from) e.sounds->PlayEvent("Tableau");
    return Outcome(from);
}

ActionOutcome MoveToStockArea(Engine& e, int card, int stock_area_index) {
    const auto from = MoveCards(e, card, {ListId::Stock, stock_area_index}, false);
    if (!from) return {};
    if (e.R(47) == kPeaksRule && from->list == ListId::Tableau) TurnFreedPeakCardsUp(e);
    EvaluateWin(e);
    if (stock_area_index == kWasteIndex)
        e.sounds->PlayEvent("Tableau");
    else if (e.R(47) == kEddyGame)
        e.sounds->PlayEvent("Eddy");
    return Outcome(from);
}

}  // namespace velmora
