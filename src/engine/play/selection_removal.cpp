// "Selezionate_Dest": a complete selection goes to the second waste.
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "engine/model/card_code.h"
#include "engine/model/pile_string.h"
#include "engine/model/piles.h"
#include "engine/play/move_log.h"
#include "engine/play/selection.h"
#include "engine/play/selection_pile.h"
#include "engine/play/stock.h"
#include "engine/play/win_condition.h"

namespace velmora {

namespace {

constexpr int kPauseBeforeRemovalMs = 150;
constexpr int kSlotLayout = 4;   // R[3]: a removed tableau card leaves "000"
constexpr int kGridLayout = 8;   // R[3]: the grid kept in the first tableau's string

// Takes the first card off the selection; 0 when it is empty. Cards lying
// on foundation 1 itself are no part of the selection and stay; should one
// also show as selected, its mark is the later unit.
int TakeFirstSelected(Engine& e) {
    const std::vector<int> selected = SelectedCards(e);
    if (selected.empty()) return 0;
    const int card = selected.front();
    std::string& pile = e.piles.foundations[0];
    for (int at = PileCount(pile) - 1; at >= 0; --at) {
        if (PileCodeAt(pile, at) != card) continue;
        pile.erase(static_cast<size_t>(at) * 3, 3);
        break;
    }
    return card;
}

// The pile PileHolding leaves out, when the selected card lies there: a
// rules row may play cards onto foundation 1, or move a selected card onto
// the second waste. The card leaves it, so that it reaches the second waste
// exactly once.
std::optional<PileRef> TakeFromSkippedPile(Engine& e, int card) {
    for (PileRef pile : {PileRef{ListId::Foundation, 0}, PileRef{ListId::Stock, kSecondWasteIndex}})
        if (PileFind(e, pile.list, pile.index, card, kFindRemove)) return pile;
    return std::nullopt;
}

void TakeFromPile(Engine& e, PileRef pile, int card) {
    const bool keeps_slot = e.R(3) == kSlotLayout && pile.list != ListId::Stock;
    PileFind(e, pile.list, pile.index, card, keeps_slot ? kFindPlaceholder : kFindRemove);
}

// A removed card of the grid layout leaves the first tableau's string with
// the empty slot below it. A card that lies elsewhere leaves that pile, so
// it is never on the table twice.
void TakeFromGrid(Engine& e, int card) {
    const auto pile = PileHolding(e, card);
    if (!pile) return;
    const bool in_grid = pile->list == ListId::Tableau && pile->index == 0;
    PileFind(e, pile->list, pile->index, card, in_grid ? kFindRemoveWithSlot : kFindRemove);
}

}  // namespace

bool RemoveSelection(Engine& e) {
    if (SelectedCards(e).empty()) return false;
    e.sounds->PlayEvent("Pairing");
    PushSnapshot(e, LogSide::Undo, false);
    e.view->Wait(kPauseBeforeRemovalMs);
    e.flags.Set(flag::kStockDealDone, false);
    const bool grid = e.R(3) == kGridLayout;
    std::vector<int> noted;
    std::set<int> tableaus_left;
    while (const int card = TakeFirstSelected(e)) {
        auto pile = PileHolding(e, card);
        if (!pile)
            pile = TakeFromSkippedPile(e, card);
        else if (grid)
            noted.push_back(card);
        else
            TakeFromPile(e, *pile, card);
        PileAppend(e, ListId::Stock, kSecondWasteIndex, card, kFaceUp);
        if (!pile) continue;
        e.view->AnimateCard(card, static_cast<int>(pile->list), pile->index, static_cast<int>(ListId::Stock),
                            kSecondWasteIndex);
        e.view->RepaintPile(static_cast<int>(pile->list), pile->index);
        if (pile->list == ListId::Tableau) tableaus_left.insert(pile->index);
    }
    for (int card : noted) TakeFromGrid(e, card);
    if (grid) e.view->RepaintTable();
    if (e.R(47) == 47)
        for (int t : tableaus_left) CloseBandGaps(e, t);
    if (e.R(47) == 33) FillGaps(e);
    e.flags.Set(flag::kStockDealDone, true);
    e.flags.Set(flag::kFinished, IsGameWon(e));
    return true;
}

}  // namespace velmora
