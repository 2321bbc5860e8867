// The foundations by the foundation code. Foundations that hang on a
// tableau column stay unplaced when that column is not on the table.
#include <algorithm>

#include "engine/layout/layout_pass.h"
#include "engine/layout/nearest.h"
#include "engine/model/engine.h"
#include "engine/model/pile_lists.h"

namespace velmora {

namespace {

// Foundation i above tableau (first + i).
void OverColumns(LayoutPass& p, int first, int y) {
    for (int i = 0; i < p.foundation_count; ++i)
        if (p.TableauPlaced(first + i)) p.SetFoundation(i, p.TableauX(first + i), y);
}

// The last foundation at `last_x`, the others leftwards `gap` apart.
void LeftwardsFrom(LayoutPass& p, int last_x, int y, int gap) {
    const int last = p.foundation_count - 1;
    for (int i = 0; i <= last; ++i) p.SetFoundation(i, last_x - (last - i) * (p.W + gap), y);
}

void LeftwardsFromLastColumn(LayoutPass& p, int y, int gap) {
    const int last_column = p.tableau_count - 1;
    if (p.TableauPlaced(last_column)) LeftwardsFrom(p, p.TableauX(last_column), y, gap);
}

void RightwardsFrom(LayoutPass& p, int x1, int y, int gap) {
    for (int i = 0; i < p.foundation_count; ++i) p.SetFoundation(i, x1 + i * (p.W + gap), y);
}

// Arrangement 017: beside the waste, whatever the row digit says.
void BesideWaste(LayoutPass& p) {
    const bool waste = p.DeckPlaced(kWasteIndex);
    const bool stock = p.DeckPlaced(kStockIndex);
    if (!waste && !stock) return;
    const int x = waste ? p.DeckX(kWasteIndex) : p.DeckX(kStockIndex);
    const bool waste_row = p.e.R(9) == 1 ? waste : !stock;
    const int y = waste_row ? p.DeckY(kWasteIndex) : p.DeckY(kStockIndex);
    RightwardsFrom(p, x + p.W + (p.small_screen ? 10 : 20), y, p.small_screen ? 1 : 3);
}

}  // namespace

void PlaceFoundations(LayoutPass& p) {
    // The reserves take this step over even when there are no foundations.
    p.foundation_step = std::max(1, NearestRatio(p.tableau_gap, 3));
    const int g = p.foundation_count;
    if (g < 1) return;
    if (p.foundation_code == 17) {
        BesideWaste(p);
        return;
    }
    const auto row = p.RowFor(p.foundation_digit, true);
    if (!row) return;
    const int y = *row;
    const int right_aligned = p.tableau_count - g;
    switch (p.foundation_code) {
        case 7:
            OverColumns(p, right_aligned, y);
            break;
        case 9:
            LeftwardsFromLastColumn(p, y, p.foundation_step);
            break;
        case 1: {
            const int gap = std::max(1, NearestRatio(p.K - g * p.W - 2, g + 1));
            p.foundation_step = gap;
            RightwardsFrom(p, gap, y, gap);
            break;
        }
        case 2: {
            const int gap = std::max(1, NearestRatio(p.tableau_gap, 2));
            p.foundation_step = gap;
            RightwardsFrom(p, NearestRatio(p.K - g * p.W - (g - 1) * gap, 2), y, gap);
            break;
        }
        case 8:
            LeftwardsFrom(p, p.K - p.W - p.left_margin - 5, y, p.left_margin);
            break;
        case 13:
            if (p.small_screen)
                LeftwardsFromLastColumn(p, y, 1);
            else
                OverColumns(p, right_aligned, y);
            break;
        default:
            break;
    }
}

}  // namespace velmora
