// The presses of the pairing games (R[38] != 0).
#include "engine/play/selection.h"

#include "engine/model/pile_string.h"
#include "engine/model/piles.h"
#include "engine/play/execute_action.h"
#include "engine/play/face_up.h"
#include "engine/play/pairing_rules.h"
#include "engine/play/selection_pile.h"

namespace velmora {

namespace {

bool IsStockPile(PileRef pile) { return pile.list == ListId::Stock && pile.index == kStockIndex; }
bool IsWastePile(PileRef pile) { return pile.list == ListId::Stock && pile.index == kWasteIndex; }

// Tableau and foundation presses count in every pairing game; these codes
// take a press on any pile.
bool PressCounts(int special, PileRef pile) {
    if (pile.list == ListId::Tableau || pile.list == ListId::Foundation) return true;
    switch (special) {
        case 8: case 16: case 20: case 21: case 22: case 23: case 41: case 45: case 47: case 48: case 50:
            return true;
        default: return false;
    }
}

// Code 16 turns a card from the stock while the waste is empty.
bool TurnWhileWasteEmpty(Engine& e) {
    if (!e.piles.stock_area[kWasteIndex].empty()) return false;
    return ExecuteAction(e, 0, "Mazzo_Vis");
}

// Code 26 selects face-up cards only; a face-down top card is turned.
bool TurnInsteadOfSelecting(Engine& e, int card, PileRef pile) {
    if (e.R(47) != 26 || pile.list != ListId::Tableau || !e.cards.IsFaceDown(card)) return false;
    return PileTop(e.piles.Text(pile.list, pile.index)) == card;
}

}  // namespace

bool PressStockInPairingGame(Engine& e) {
    switch (e.R(47)) {
        case 8: case 50: return ExecuteAction(e, 0, "Stock_To_Pile_Monte_Carlo");
        case 16: return TurnWhileWasteEmpty(e);
        case 20: case 41: return ExecuteAction(e, 0, "Add_Tableaus");
        case 47: {
            const bool had_selection = !SelectedCards(e).empty();
            ClearSelection(e);
            return ExecuteAction(e, 0, "Add_Tableaus") || had_selection;
        }
        default: return false;
    }
}

bool PressInPairingGame(Engine& e, int card, std::string_view pile_name) {
    const auto pile = ParsePileName(pile_name);
    const int special = e.R(47);
    if (!pile || !PressCounts(special, *pile)) return false;
    if (PairingNeverAccepts(special)) return RefuseSelection(e);
    if (IsStockPile(*pile)) return PressStockInPairingGame(e);
    if (special == 16 && pile->list != ListId::Tableau && !IsWastePile(*pile)) return TurnWhileWasteEmpty(e);
    if (card < 1 || PileIndexOf(e.piles.Text(pile->list, pile->index), card) < 0) return false;
    if (TurnInsteadOfSelecting(e, card, *pile)) {
        TurnFaceUp(e, card, pile->index);
        return true;
    }
    if (!IsSelected(e, card) && !PairingCardEligible(e, card, *pile)) {
        if (special == 8) return false;  // its tableau presses select nothing
        return RefuseSelection(e);
    }
    return SelectionStep(e, card, [&e](const std::vector<int>& selection) { return JudgePairing(e, selection); });
}

}  // namespace velmora
