#include "engine/play/selection_pile.h"

#include <algorithm>
#include <string>
#include <utility>

#include "engine/model/card_code.h"
#include "engine/model/pile_string.h"
#include "engine/play/end_game.h"
#include "engine/play/execute_action.h"

namespace velmora {

namespace {

std::string& Selection(Engine& e) { return e.piles.foundations[0]; }

// The selection with `card` added at the end or taken out.
std::vector<int> Toggled(std::vector<int> selection, int card) {
    const auto at = std::find(selection.begin(), selection.end(), card);
    if (at == selection.end())
        selection.push_back(card);
    else
        selection.erase(at);
    return selection;
}

bool LiesBesideSelection(const Engine& e, int card) {
    for (int n = 0; n < kAllPiles; ++n)
        if (n != kStockAreaPiles && PileIndexOf(*e.piles.Flat(n), card) >= 0) return true;
    return false;
}

// Foundation 1 split into the cards lying there and the selection marks.
struct SelectionPile {
    std::string cards;
    std::vector<int> selected;
};

SelectionPile SplitSelectionPile(const Engine& e) {
    SelectionPile split;
    for (int code : PileCodes(e.piles.foundations[0])) {
        if (code < 1) continue;
        // A code shown twice would be the card and its mark; play keeps it
        // from happening, but the card must still count once.
        if (!LiesBesideSelection(e, code) && PileIndexOf(split.cards, code) < 0)
            split.cards += CardCodeText(code);
        else
            split.selected.push_back(code);
    }
    return split;
}

// The cards lying on foundation 1 stay below the selection.
void StoreSelection(Engine& e, const std::vector<int>& selection) {
    std::string pile = SelectionPileCards(e);
    for (int code : selection) pile += CardCodeText(code);
    Selection(e) = std::move(pile);
}

}  // namespace

std::string SelectionPileCards(const Engine& e) { return SplitSelectionPile(e).cards; }

std::vector<int> SelectedCards(const Engine& e) { return SplitSelectionPile(e).selected; }

bool IsSelected(const Engine& e, int card) {
    if (card < 1 || PileIndexOf(e.piles.foundations[0], card) < 0) return false;
    const std::vector<int> selected = SelectedCards(e);
    return std::find(selected.begin(), selected.end(), card) != selected.end();
}

void ClearSelection(Engine& e) {
    for (int code : SelectedCards(e)) e.view->HighlightCard(code, false);
    Selection(e) = SelectionPileCards(e);
}

void Deselect(Engine& e, int card) {
    if (!IsSelected(e, card)) return;
    std::vector<int> selection = SelectedCards(e);
    selection.erase(std::find(selection.begin(), selection.end(), card));
    StoreSelection(e, selection);
    e.view->HighlightCard(card, false);
}

std::optional<PileRef> PileHolding(const Engine& e, int card) {
    if (card < 1) return std::nullopt;
    for (int n = 0; n < kAllPiles; ++n) {
        if (n == kSecondWasteIndex || n == kStockAreaPiles) continue;  // second waste, foundation 1
        if (PileIndexOf(*e.piles.Flat(n), card) < 0) continue;
        int index = n;
        for (ListId list : {ListId::Stock, ListId::Foundation, ListId::Tableau, ListId::Reserve}) {
            if (index < ListSize(list)) return PileRef{list, index};
            index -= ListSize(list);
        }
    }
    return std::nullopt;
}

bool SelectionStep(Engine& e, int card, const SelectionJudge& judge) {
    if (card < 1) return false;
    const bool adding = !IsSelected(e, card);
    if (adding && PileIndexOf(SelectionPileCards(e), card) >= 0) return RefuseSelection(e);
    const std::vector<int> next = Toggled(SelectedCards(e), card);
    const SelectionVerdict verdict = judge(next);
    if (!verdict.accepted) {
        e.view->Beep();
        return false;
    }
    StoreSelection(e, next);
    e.view->HighlightCard(card, adding);
    if (verdict.complete) RemoveCompleteSelection(e, card);
    return true;
}

void RemoveCompleteSelection(Engine& e, int card) {
    e.view->HoldInput(true);
    const bool refill = e.R(47) == 48 && !e.play.no_refill;
    ExecuteAction(e, card, refill ? "Selezionate_Fila" : "Selezionate_Dest");
    if (e.flags.Get(flag::kFinished)) EndGame(e);
    e.view->HoldInput(false);
}

bool RefuseSelection(Engine& e) {
    e.view->Beep();
    return false;
}

}  // namespace velmora
