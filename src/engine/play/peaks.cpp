#include "engine/play/peaks.h"

#include <string>

#include "engine/model/card_code.h"
#include "engine/model/peak_rows.h"
#include "engine/model/pile_string.h"
#include "engine/model/piles.h"

namespace velmora {

namespace {

const std::string& Row(const Engine& e, int row) { return e.piles.tableau[static_cast<size_t>(row)]; }

}  // namespace

bool IsPeakCardFree(const Engine& e, int row, int slot) {
    const int rows = TableauInUse(e);
    if (row < 0 || row >= rows || PileCodeAt(Row(e, row), slot) < 1) return false;
    const int first = FirstCoveringSlot(row, slot, rows);
    if (first < 0) return true;
    // A slot the next row does not have covers nothing.
    const std::string& next = Row(e, row + 1);
    return PileCodeAt(next, first) < 1 && PileCodeAt(next, first + 1) < 1;
}

void TurnFreedPeakCardsUp(Engine& e) {
    for (int row = 0; row < TableauInUse(e); ++row) {
        bool turned = false;
        const std::string& text = Row(e, row);
        for (int slot = 0; slot < PileCount(text); ++slot) {
            const int card = PileCodeAt(text, slot);
            if (card < 1 || !e.cards.IsFaceDown(card) || !IsPeakCardFree(e, row, slot)) continue;
            e.cards.SetFaceState(card, kFaceUp);
            turned = true;
        }
        if (turned) e.view->RepaintPile(static_cast<int>(ListId::Tableau), row);
    }
}

}  // namespace velmora
