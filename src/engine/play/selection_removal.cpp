// "Selezionate_Dest": a complete selection goes to the second waste.
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

// Takes the first card off the selection; 0 when it is empty.
int TakeFirstSelected(Engine& e) {
    std::string& selection = e.piles.foundations[0];
    const int card = PileCodeAt(selection, 0);
    selection.erase(0, selection.size() < 3 ? selection.size() : 3);
    return card;
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
    while (!e.piles.foundations[0].empty()) {
        const int card = TakeFirstSelected(e);
        if (card < 1) continue;
        const auto pile = PileHolding(e, card);
        if (grid)
            noted.push_back(card);
        else if (pile)
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
