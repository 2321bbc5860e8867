#include "engine/model/piles.h"

#include <algorithm>

#include "engine/model/card_code.h"
#include "engine/model/pile_names.h"
#include "engine/model/pile_string.h"

namespace velmora {

namespace {

int Clamp(int value, int high) { return std::clamp(value, 0, high); }

}  // namespace

int TableauInUse(const Engine& e) { return Clamp(e.R(304), kTableauPiles); }
int ReservesInUse(const Engine& e) { return Clamp(e.R(305), kReservePiles); }
int FoundationsInUse(const Engine& e) { return Clamp(e.R(303), kFoundationPiles); }

bool PileAppend(Engine& e, ListId list, int index, int code, char state) {
    std::string* pile = e.piles.Pile(list, index);
    if (!pile || !IsCardCode(code)) return false;
    *pile += CardCodeText(code);
    if (code != kNoCard && (state == kFaceUp || state == kFaceDown)) e.cards.SetFaceState(code, state);
    return true;
}

bool PileFindIn(std::string& pile, int code, int mode) {
    const int at = PileIndexOf(pile, code);
    if (at < 0) return false;
    const size_t offset = static_cast<size_t>(at) * 3;
    switch (mode) {
        case kFindRemove:
            pile.erase(offset, 3);
            break;
        case kFindPlaceholder:
            pile.replace(offset, 3, "000");
            break;
        case kFindRemoveWithSlot: {
            pile.erase(offset, 3);
            // The slot below the removed card, or the new bottom when the
            // bottom card went.
            const int below = at > 0 ? at - 1 : 0;
            if (PileCodeAt(pile, below) == kNoCard && pile.compare(static_cast<size_t>(below) * 3, 3, "000") == 0)
                pile.erase(static_cast<size_t>(below) * 3, 3);
            break;
        }
        default:
            break;
    }
    return true;
}

bool PileFind(Engine& e, ListId list, int index, int code, int mode) {
    std::string* pile = e.piles.Pile(list, index);
    return pile && PileFindIn(*pile, code, mode);
}

int FindCardKind(Engine& e, int code, int mode) {
    if (PileFind(e, ListId::Stock, kWasteIndex, code, mode)) return kKindWaste;
    for (int t = 0; t < TableauInUse(e); ++t)
        if (PileFind(e, ListId::Tableau, t, code, mode)) return kKindTableau;
    for (int f = 0; f < kFoundationPiles; ++f)
        if (PileFind(e, ListId::Foundation, f, code, mode)) return kKindFoundation;
    if (PileFind(e, ListId::Stock, kStockIndex, code, mode)) return kKindStock;
    if (PileFind(e, ListId::Stock, kSecondWasteIndex, code, mode)) return kKindSecondWaste;
    for (int r = 0; r < kReservePiles; ++r)
        if (PileFind(e, ListId::Reserve, r, code, mode)) return kKindReserve;
    return kKindNotFound;
}

int LocatorOfPile(const Engine& e, int n) {
    if (n == kStockIndex) return kLocStock;
    if (n == kWasteIndex) return kLocWaste;
    n -= kStockAreaPiles;
    if (n < 0) return kLocNowhere;
    if (n < kFoundationPiles) return -(n + 1);
    n -= kFoundationPiles;
    if (n < kTableauPiles) return n < TableauInUse(e) ? n + 1 : kLocNowhere;
    n -= kTableauPiles;
    return n < ReservesInUse(e) ? -(n + 21) : kLocNowhere;
}

int LocateCard(const Engine& e, int code) {
    for (int n = 0; n < kAllPiles; ++n) {
        const int loc = LocatorOfPile(e, n);
        if (loc != kLocNowhere && PileIndexOf(*e.piles.Flat(n), code) >= 0) return loc;
    }
    return kLocNowhere;
}

int TopCard(const Engine& e, std::string_view name) {
    const auto ref = ParsePileName(name);
    return ref ? PileTop(e.piles.Text(ref->list, ref->index)) : 0;
}

bool IsTopOfTableau(const Engine& e, int code) {
    for (int t = 0; t < TableauInUse(e); ++t) {
        const std::string& pile = e.piles.tableau[static_cast<size_t>(t)];
        if (!pile.empty() && PileTop(pile) == code) return true;
    }
    return false;
}

int LongestTableau(const Engine& e) {
    int longest = 0;
    for (int t = 0; t < TableauInUse(e); ++t)
        longest = std::max(longest, PileCount(e.piles.tableau[static_cast<size_t>(t)]));
    return longest;
}

void ClearPiles(Engine& e, bool all) {
    if (all) {
        e.piles.Clear();
        e.undo.Clear();
    }
    e.redo.Clear();
    e.flags.Set(flag::kInProgress, false);
}

void SaveWorkingCopy(Engine& e) { e.working_copy = e.piles; }
void RestoreWorkingCopy(Engine& e) { e.piles = e.working_copy; }

}  // namespace velmora
