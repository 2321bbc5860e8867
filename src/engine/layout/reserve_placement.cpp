// The reserves by the reserve code. Their row digit must be 1 to 6.
#include "engine/layout/layout_pass.h"
#include "engine/model/engine.h"
#include "engine/model/pile_lists.h"

namespace velmora {

namespace {

void Rightwards(LayoutPass& p, int x1, int y, int gap) {
    for (int i = 0; i < p.reserve_count; ++i) p.SetReserve(i, x1 + i * (p.W + gap), y);
}

// Reserve i above tableau (first + i).
void OverColumns(LayoutPass& p, int first, int y) {
    for (int i = 0; i < p.reserve_count; ++i)
        if (p.TableauPlaced(first + i)) p.SetReserve(i, p.TableauX(first + i), y);
}

// Arrangement 012: a column left of the first tableau; further reserves
// go down it a row at a time.
void LeftColumn(LayoutPass& p, int y) {
    if (!p.TableauPlaced(0)) return;
    const int x = p.TableauX(0) - p.W - (p.tableau_count > 7 ? 22 : 45);
    for (int i = 0; i < p.reserve_count; ++i) p.SetReserve(i, x, y + i * (p.H + p.row_gap));
}

}  // namespace

void PlaceReserves(LayoutPass& p) {
    if (p.reserve_count < 1) return;
    const auto row = p.RowFor(p.reserve_digit, false);
    if (!row) return;
    const int y = *row;
    switch (p.reserve_code) {
        case 6:
            if (p.TableauPlaced(0)) Rightwards(p, p.TableauX(0), y, p.foundation_step);
            break;
        case 4:
            OverColumns(p, 0, y);
            break;
        case 5:
            Rightwards(p, p.left_margin, y, p.left_margin);
            break;
        case 7:
            OverColumns(p, p.tableau_count - p.reserve_count, y);
            break;
        case 11:
            if (p.DeckPlaced(kWasteIndex)) Rightwards(p, p.DeckX(kWasteIndex), y, p.foundation_step);
            break;
        case 12:
            LeftColumn(p, y);
            break;
        default:
            break;
    }
}

}  // namespace velmora
