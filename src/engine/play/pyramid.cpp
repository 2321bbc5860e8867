// The sum games played by selection without being pairing games: R[47] 3
// (two top tableau cards adding to 14), 4 (the pyramid: free cards adding
// to 13, so a King goes alone) and 33.
#include <string>

#include "engine/model/card_code.h"
#include "engine/model/pile_string.h"
#include "engine/model/piles.h"
#include "engine/play/selection.h"
#include "engine/play/selection_pile.h"

namespace velmora {

namespace {

bool RowHoldsCards(const std::string& row) {
    for (int code : PileCodes(row))
        if (code >= 1) return true;
    return false;
}

bool IsTop(const Engine& e, int card, PileRef pile) { return PileTop(e.piles.Text(pile.list, pile.index)) == card; }

bool MaySelect(const Engine& e, int card, PileRef pile) {
    const std::string& text = e.piles.Text(pile.list, pile.index);
    const bool tableau = pile.list == ListId::Tableau && pile.index < TableauInUse(e);
    if (e.R(47) == 3) return tableau && IsTop(e, card, pile);
    if (tableau) return IsPyramidCardFree(e, pile.index, PileIndexOf(text, card));
    if (pile.list != ListId::Stock) return false;
    if (pile.index == kWasteIndex) return IsTop(e, card, pile);
    // The stock card only joins a card already selected.
    return pile.index == kStockIndex && IsTop(e, card, pile) && !SelectedCards(e).empty();
}

}  // namespace

bool IsPyramidCardFree(const Engine& e, int tableau, int slot) {
    const int rows = TableauInUse(e);
    if (tableau < 0 || tableau >= rows || PileCodeAt(e.piles.tableau[static_cast<size_t>(tableau)], slot) < 1)
        return false;
    bool later_rows_empty = true;
    for (int r = tableau + 1; r < rows; ++r)
        later_rows_empty = later_rows_empty && !RowHoldsCards(e.piles.tableau[static_cast<size_t>(r)]);
    if (later_rows_empty) return true;
    const std::string& next = e.piles.tableau[static_cast<size_t>(tableau + 1)];
    return PileCodeAt(next, slot) == kNoCard && PileCodeAt(next, slot + 1) == kNoCard;
}

bool SelectForSum(Engine& e, int card, std::string_view pile_name) {
    const int special = e.R(47);
    if (special != 3 && special != 4) return false;  // 33 never selects
    const auto pile = ParsePileName(pile_name);
    if (!pile || card < 1 || PileIndexOf(e.piles.Text(pile->list, pile->index), card) < 0) return false;
    if (!IsSelected(e, card) && !MaySelect(e, card, *pile)) return RefuseSelection(e);
    const int target = special == 3 ? 14 : 13;
    return SelectionStep(e, card, [target](const std::vector<int>& selection) {
        int sum = 0;
        for (int c : selection) sum += CardRank(c);
        const bool accepted = selection.size() <= 2;
        return SelectionVerdict{accepted, accepted && sum == target};
    });
}

}  // namespace velmora
