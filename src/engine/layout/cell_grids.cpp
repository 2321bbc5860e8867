// The cell grids 123 to 129: rows of piles centred in the window, columns a
// card width and a gap apart, some with the second waste beside them.
#include <algorithm>
#include <vector>

#include "engine/layout/layout_pass.h"
#include "engine/layout/nearest.h"
#include "engine/model/engine.h"
#include "engine/model/pile_lists.h"

namespace velmora {

namespace {

struct CellGrid {
    std::vector<int> row_lengths;  // piles in each row
    int gap = 0;
    int room = 0;                  // the width the grid and its neighbours take
    int min_first_row = -32768;
    int second_waste_column = -1;  // in card widths right of the first column (+ gap); -1 none
    int second_waste_pile = 0;     // the pile the second waste lines up with
    bool second_waste_lower = false;  // half a row below that pile
};

struct GridOrigin {
    int x1 = 0;
    int y1 = 0;
};

GridOrigin PlaceCells(LayoutPass& p, const CellGrid& grid) {
    const int rows = static_cast<int>(grid.row_lengths.size());
    const int widest = *std::max_element(grid.row_lengths.begin(), grid.row_lengths.end());
    GridOrigin at;
    at.x1 = std::max(NearestRatio(p.K - grid.room, 2), 25);
    at.y1 = std::max(p.in.top + NearestRatio(p.E - rows * p.H - (rows - 1) * grid.gap, 2), grid.min_first_row);
    p.tableau_gap = grid.gap;
    int pile = 0;
    for (int r = 0; r < rows; ++r) {
        const int length = grid.row_lengths[static_cast<size_t>(r)];
        // Shorter rows start half a step further right.
        const int indent = length < widest ? NearestRatio(p.W + grid.gap, 2) : 0;
        for (int c = 0; c < length && pile < p.tableau_count; ++c, ++pile)
            p.SetTableau(pile, at.x1 + indent + c * (p.W + grid.gap), at.y1 + r * (p.H + grid.gap));
    }
    return at;
}

void PlaceSecondWaste(LayoutPass& p, const CellGrid& grid, GridOrigin at, int x) {
    if (p.second_waste_count < 1 || grid.second_waste_column < 0) return;
    int y = at.y1 + grid.second_waste_pile * (p.H + grid.gap);
    if (grid.second_waste_lower) y += NearestRatio(p.H + grid.gap, 2);
    p.SetDeck(kSecondWasteIndex, x, y);
}

// The square grids: the second waste, where the game has one, two card
// widths right of the last column.
void Square(LayoutPass& p, int side, CellGrid grid) {
    grid.row_lengths.assign(static_cast<size_t>(side), side);
    const GridOrigin at = PlaceCells(p, grid);
    const int last_column = at.x1 + (side - 1) * (p.W + grid.gap);
    PlaceSecondWaste(p, grid, at, last_column + 2 * p.W + grid.gap);
}

// The single columns: the second waste a number of card widths right.
void Column(LayoutPass& p, int length, CellGrid grid) {
    grid.row_lengths.assign(static_cast<size_t>(length), 1);
    const GridOrigin at = PlaceCells(p, grid);
    PlaceSecondWaste(p, grid, at, at.x1 + grid.second_waste_column * p.W + grid.gap);
}

}  // namespace

bool PlaceCellGrid(LayoutPass& p) {
    const int W = p.W;
    const bool waste = p.second_waste_count >= 1;
    CellGrid g;
    switch (p.tableau_code) {
        case 124:
            g.gap = p.low ? 10 : 15;
            g.room = 3 * W + 2 * g.gap;
            Square(p, 3, g);
            return true;
        case 123:
            g.gap = waste ? (p.low ? 1 : 5) : 10;
            g.room = waste ? 6 * W + 4 * g.gap + 10 : 4 * W + 3 * g.gap + 10;
            g.second_waste_column = 0;
            g.second_waste_pile = 1;
            g.second_waste_lower = true;
            Square(p, 4, g);
            return true;
        case 125:
            g.gap = p.low ? 1 : 3;
            g.room = waste ? 7 * W + 4 * g.gap : 5 * W + 3 * g.gap;
            g.second_waste_column = 0;
            g.second_waste_pile = 2;
            Square(p, 5, g);
            return true;
        case 126:
            g.gap = p.low ? 3 : 5;
            g.room = 5 * W + 4 * g.gap;
            g.min_first_row = p.rows.row[1];
            g.row_lengths = {4, 5, 4};
            PlaceCells(p, g);
            return true;
        case 127:
            g = {{}, p.low ? 2 : 5, 0, p.rows.row[1], 7, 1, true};
            g.room = 8 * W + 6 * g.gap;
            Column(p, 4, g);
            return true;
        case 128:
            g = {{}, p.low ? 1 : 3, 0, p.in.top + 5, 9, 2, false};
            g.room = 10 * W + 8 * g.gap;
            Column(p, 5, g);
            return true;
        case 129:
            g = {{}, p.low ? 2 : 5, 0, p.in.top + 5, 5, 1, false};
            g.room = 6 * W + 4 * g.gap;
            Column(p, 3, g);
            return true;
        default:
            return false;
    }
}

}  // namespace velmora
