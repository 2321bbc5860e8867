#include "engine/play/auto_moves.h"

#include <string>

#include "engine/model/piles.h"
#include "engine/play/auto_moves_piles.h"
#include "engine/play/drop_checks.h"
#include "engine/play/end_game.h"
#include "engine/play/execute_action.h"
#include "engine/play/move_log.h"
#include "engine/play/move_description.h"
#include "engine/play/stock.h"

namespace velmora {

namespace {

constexpr char kTableauMoveMark[] = "001";

std::string FoundationKeyword(int index, bool automatic) {
    return automatic ? "Dest_Autoplay" + std::to_string(index + 1) : NameOf(ListId::Foundation, index);
}

// Empty foundations with the empty rule '\' or ']' are started by hand only.
bool StartedByHandOnly(const Engine& e, int f) {
    const int rule = e.R(48 + f);
    return e.piles.foundations[static_cast<size_t>(f)].empty() && (rule == '\\' || rule == ']');
}

bool ToFoundation(Engine& e, const MoveSpec& move, int f, bool automatic) {
    return CanDropOnPile(e, move, PileRef{ListId::Foundation, f}) &&
           ExecuteAction(e, move.card, FoundationKeyword(f, automatic));
}

bool ToPile(Engine& e, const MoveSpec& move, ListId list, int index) {
    return CanDropOnPile(e, move, PileRef{list, index}) && ExecuteAction(e, move.card, NameOf(list, index));
}

// Only a single card goes onto the waste.
bool ToWaste(Engine& e, const MoveSpec& move) {
    return move.single && WasteAccepts(e, move.card) && ExecuteAction(e, move.card, "Stock02");
}

bool ToTableauByDrop(Engine& e, const MoveSpec& move, int t) {
    // These games never take a card onto a tableau by a drop.
    if (e.R(47) == 32 || e.R(47) == 46) return false;
    if (!ToPile(e, move, ListId::Tableau, t)) return false;
    if (e.R(47) == 23) AnnotateStep(e, kTableauMoveMark);
    return true;
}

bool DropOn(Engine& e, const MoveSpec& move, const DropCandidate& c, bool automatic) {
    switch (c.kind) {
        case kKindFoundation: return ToFoundation(e, move, c.index, automatic);
        case kKindTableau: return ToTableauByDrop(e, move, c.index);
        case kKindReserve: return InLayout(e, ListId::Reserve, c.index) && ToPile(e, move, ListId::Reserve, c.index);
        case kKindWaste: return ToWaste(e, move);
        default: return false;
    }
}

bool DropOnFirst(Engine& e, int card, const std::vector<DropCandidate>& candidates, bool automatic) {
    const MoveSpec move = DescribeMove(e, card);
    // Before the first move of these games only a tableau card may go, and
    // only to a foundation.
    const bool first_move_rule = e.R(39) == 1 && e.main_game.Field(field::kMoveCounter) == 0;
    if (first_move_rule && !LocatorIsTableau(move.source)) return false;
    for (const DropCandidate& c : candidates) {
        if (first_move_rule && c.kind != kKindFoundation) continue;
        if (DropOn(e, move, c, automatic)) return true;
    }
    return false;
}

bool SendToFoundations(Engine& e, const MoveSpec& move, bool automatic) {
    for (int f = 0; f < FoundationsInUse(e); ++f) {
        if (!InLayout(e, ListId::Foundation, f) || (automatic && StartedByHandOnly(e, f))) continue;
        if (ToFoundation(e, move, f, automatic)) return true;
    }
    return false;
}

bool SendToTableaus(Engine& e, const MoveSpec& move, std::string_view source) {
    for (const bool empty_ones : {false, true}) {
        for (int t = 0; t < TableauInUse(e); ++t) {
            if (e.piles.tableau[static_cast<size_t>(t)].empty() != empty_ones) continue;
            if (NameOf(ListId::Tableau, t) == source || !InLayout(e, ListId::Tableau, t)) continue;
            if (ToPile(e, move, ListId::Tableau, t)) return true;
        }
    }
    return false;
}

bool SendToReserves(Engine& e, const MoveSpec& move) {
    for (int r = 0; r < ReservesInUse(e); ++r)
        if (InLayout(e, ListId::Reserve, r) && ToPile(e, move, ListId::Reserve, r)) return true;
    return false;
}

bool SearchDestination(Engine& e, int card, std::string_view source, bool single, bool to_tableaus,
                       bool to_reserves, bool to_foundations, bool automatic) {
    if (card < 1 || e.cards.IsFaceDown(card)) return false;
    MoveSpec move = DescribeMove(e, card);
    // A card with others above it never goes alone.
    move.single = move.single && single;
    if (move.single && to_foundations && SendToFoundations(e, move, automatic)) return true;
    if (to_tableaus && SendToTableaus(e, move, source)) return true;
    if (move.single && to_reserves && SendToReserves(e, move)) return true;
    return to_tableaus && ToWaste(e, move);
}

}  // namespace

bool TryDropAt(Engine& e, int card, const std::vector<DropCandidate>& candidates, bool automatic) {
    const bool moved = DropOnFirst(e, card, candidates, automatic);
    ClearMovingCards(e);
    if (moved && e.flags.Get(flag::kFinished)) EndGame(e);
    return moved;
}

bool SendCardAway(Engine& e, int card, std::string_view source, bool single, bool to_tableaus,
                  bool to_reserves, bool to_foundations, bool automatic) {
    const bool moved =
        SearchDestination(e, card, source, single, to_tableaus, to_reserves, to_foundations, automatic);
    ClearMovingCards(e);
    return moved;
}

}  // namespace velmora
