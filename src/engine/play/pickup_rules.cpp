#include "engine/play/pickup_rules.h"

#include "engine/model/card_code.h"
#include "engine/model/pile_string.h"
#include "engine/model/piles.h"
#include "engine/play/run_checks.h"

namespace velmora {

namespace {

// R[47] codes whose tableau presses play to the second waste at once (2, 12,
// 15) or select cards (3, 4, 33) instead of dragging.
bool TableauPressIsNoDrag(int special) {
    switch (special) {
        case 2: case 12: case 15: case 3: case 4: case 33: return true;
        default: return false;
    }
}

bool TableauLocked(const Engine& e, int i) {
    const int locks = e.R(24);
    return locks > 0 && i + 1 < locks * e.R(25);
}

bool FromTableau(Engine& e, int i, const std::string& pile, int position, int code) {
    if (i >= TableauInUse(e) || TableauPressIsNoDrag(e.R(47)) || TableauLocked(e, i)) return false;
    if (e.cards.IsFaceDown(code)) return false;
    const int fan = e.R(3);
    if (fan == 8 || fan == 9) return true;
    const bool top = position == PileCount(pile) - 1;
    if (!top && !IsValidRun(e, code, i)) return false;
    return IsRunLengthAllowed(e, code, false);
}

bool FromFoundation(const Engine& e, int i, const std::string& pile, bool top, int code) {
    if (i >= FoundationsInUse(e) || !top) return false;
    switch (e.R(17)) {
        case 1: return true;
        case 2: return PileCount(pile) >= 2;
        case 3: return CardIsJoker(code);
        default: return false;
    }
}

bool FromReserve(const Engine& e, int i, bool top, int code) {
    if (i >= ReservesInUse(e)) return false;
    switch (e.R(13)) {
        case -14: return false;
        case -11: return true;
        case kReserveAnySingleCard: return !e.cards.IsFaceDown(code);
        default: return top && !e.cards.IsFaceDown(code);
    }
}

}  // namespace

bool LeavesAlone(const Engine& e, PileRef pile) {
    return pile.list == ListId::Reserve && e.R(13) == kReserveAnySingleCard;
}

bool CanPickUp(Engine& e, PileRef ref, int position) {
    if (e.R(36) == 1 || e.R(38) != 0) return false;
    const std::string* pile = e.piles.Pile(ref.list, ref.index);
    if (!pile) return false;
    const int code = PileCodeAt(*pile, position);
    if (code < 1) return false;  // outside the pile, or an empty slot
    const bool top = position == PileCount(*pile) - 1;
    switch (ref.list) {
        case ListId::Stock:
            // Only the waste card is dragged; the stock takes presses.
            return ref.index == kWasteIndex && top && e.R(7) == 0 && e.R(47) != 4;
        case ListId::Tableau: return FromTableau(e, ref.index, *pile, position, code);
        case ListId::Foundation: return FromFoundation(e, ref.index, *pile, top, code);
        case ListId::Reserve: return FromReserve(e, ref.index, top, code);
    }
    return false;
}

}  // namespace velmora
