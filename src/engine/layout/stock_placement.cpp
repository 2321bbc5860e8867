// The stock and the waste by the stock code, and the second waste by its
// own code. Placements that hang on a tableau column leave the pile
// unplaced when that column is not on the table.
#include "engine/layout/layout_pass.h"
#include "engine/layout/nearest.h"
#include "engine/model/engine.h"
#include "engine/model/pile_lists.h"

namespace velmora {

namespace {

void AboveTableau(LayoutPass& p, int slot, int tableau, int y) {
    if (p.TableauPlaced(tableau)) p.SetDeck(slot, p.TableauX(tableau), y);
}

void AboveFirstColumns(LayoutPass& p, int y) {
    const bool turns = p.e.R(9) == 1;
    const bool redeals = p.e.R(8) == 1;
    if (turns && redeals) {
        AboveTableau(p, kStockIndex, 0, y);
        AboveTableau(p, kWasteIndex, 1, y);
    } else if (turns) {
        AboveTableau(p, kWasteIndex, 0, y);
    } else if (redeals) {
        AboveTableau(p, kStockIndex, 0, y);
    }
}

// Stock and waste side by side left of the first column: the waste `waste_gap`
// left of the column, the stock `stock_gap` left of the waste.
void LeftOfFirstColumn(LayoutPass& p, int y, int waste_gap, int stock_gap) {
    if (!p.TableauPlaced(0)) return;
    const int waste_x = p.TableauX(0) - p.W - waste_gap;
    p.SetDeck(kWasteIndex, waste_x, y);
    p.SetDeck(kStockIndex, waste_x - p.W - stock_gap, y);
}

void OneLeftOfFirstColumn(LayoutPass& p, int y, int gap) {
    if (!p.TableauPlaced(0)) return;
    p.SetDeck(p.e.R(8) == 1 ? kStockIndex : kWasteIndex, p.TableauX(0) - p.W - gap, y);
}

void LeftAligned(LayoutPass& p, int y) {
    const int shadow = p.shadow <= 1 ? p.shadow : Nearest(p.shadow / 2.0);
    const int x = p.small_screen ? 15 : 15 + shadow;
    p.SetDeck(kStockIndex, x, y);
    if (p.deck_count > 1) p.SetDeck(kWasteIndex, x + p.W + 15, y);
}

}  // namespace

void PlaceStockAndWaste(LayoutPass& p) {
    if (p.deck_count < 1) return;
    const auto row = p.RowFor(p.stock_digit, true);
    if (!row) return;
    const int y = *row;
    switch (p.stock_code) {
        case 4:
            AboveFirstColumns(p, y);
            break;
        case 5:
            for (int slot = 0; slot < p.deck_count; ++slot)
                p.SetDeck(slot, p.left_margin + slot * (p.W + p.left_margin), y);
            break;
        case 3:
            if (!p.TableauPlaced(0)) break;
            p.SetDeck(kStockIndex, p.TableauX(0) - p.W - 22, y);
            if (p.e.R(9) == 1) p.SetDeck(kWasteIndex, p.TableauX(0) - p.W - 22, p.rows.row[2]);
            break;
        case 11: LeftOfFirstColumn(p, y, 45, 15); break;
        case 13: LeftAligned(p, y); break;
        case 16: OneLeftOfFirstColumn(p, y, 30); break;
        case 19: OneLeftOfFirstColumn(p, y, 60); break;
        case 21: LeftOfFirstColumn(p, y, 15, 20); break;
        default: break;
    }
}

void PlaceSecondWaste(LayoutPass& p) {
    if (p.second_waste_count < 1) return;
    const char digit = p.second_waste_digit;
    switch (p.second_waste_code) {
        case 7:
            if (const auto y = p.RowFor(digit, false)) AboveTableau(p, kSecondWasteIndex, p.tableau_count - 1, *y);
            break;
        case 6:
            if (const auto y = p.RowFor(digit, false)) AboveTableau(p, kSecondWasteIndex, 1, *y);
            break;
        case 16: {
            // Under the stock: the row before its digit, a card and a space lower.
            const auto above = digit > '1' ? p.RowFor(static_cast<char>(digit - 1), false) : std::nullopt;
            if (above && p.DeckPlaced(kStockIndex))
                p.SetDeck(kSecondWasteIndex, p.DeckX(kStockIndex), *above + p.H + 20);
            break;
        }
        default:
            break;
    }
}

}  // namespace velmora
