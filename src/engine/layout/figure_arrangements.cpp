// The tableau arrangements that also place other groups: the cross (052),
// the grid with the second waste (053), the staircase (054), the two-deck
// foundation row (103), the two rows under ten foundations (130) and the
// peaks (131). The cell grids 123 to 129 are in cell_grids.cpp.
#include <algorithm>

#include "engine/layout/layout_pass.h"
#include "engine/layout/nearest.h"
#include "engine/layout/pile_fan.h"
#include "engine/model/engine.h"
#include "engine/model/pile_lists.h"

namespace velmora {

namespace {

void PlaceStockPair(LayoutPass& p, int stock_x, int stock_y, int waste_x, int waste_y) {
    if (p.deck_count >= 1) p.SetDeck(kStockIndex, stock_x, stock_y);
    if (p.deck_count >= 2) p.SetDeck(kWasteIndex, waste_x, waste_y);
}

void Cross(LayoutPass& p) {
    const int gap = p.low ? 25 : 35;
    p.tableau_gap = gap;
    const int left = std::max(NearestRatio(p.K - 3 * p.W - 2 * gap, 2), p.W + 2 * gap + 25);
    const int top = std::max(p.in.top + NearestRatio(p.E - 3 * p.H - 2 * gap, 2), p.rows.row[1]);
    const int middle = top + p.H + gap;
    const int bottom = middle + p.H + gap;
    const auto column = [&](int k) { return left + k * (p.W + gap); };
    const int xs[] = {column(1), column(0), column(1), column(2), column(1)};
    const int ys[] = {top, middle, middle, middle, bottom};
    for (int i = 0; i < std::min(p.tableau_count, 5); ++i) p.SetTableau(i, xs[i], ys[i]);
    const int stock_x = left - p.W - 2 * gap;
    PlaceStockPair(p, stock_x, top, stock_x, middle);
    // The foundations fill the corners of the cross, a little inside.
    const int fx[] = {column(0) + 7, column(2) - 7, column(0) + 7, column(2) - 7};
    const int fy[] = {top + 7, top + 7, bottom - 7, bottom - 7};
    for (int i = 0; i < std::min(p.foundation_count, 4); ++i) p.SetFoundation(i, fx[i], fy[i]);
}

void GridWithSecondWaste(LayoutPass& p) {
    const int n = GridPilesPerRow(p);
    const bool roomy = !p.small_screen;
    const int gap = roomy ? std::max(NearestRatio(p.K - n * p.W - 2, n + 1), Nearest(1.5 * p.W))
                          : Nearest(0.85 * p.W);
    const int x1 = roomy ? p.left_margin + 10 : 15;
    p.tableau_gap = gap;
    int last_x = x1 - p.W - gap;
    int last_y = roomy ? p.rows.Block4Row(0) : p.rows.Block3Row(0);
    for (int i = 0; i < p.tableau_count; ++i) {
        last_x = x1 + (i % n) * (p.W + gap);
        last_y = roomy ? p.rows.Block4Row(i / n) : p.rows.Block3Row(i / n);
        p.SetTableau(i, last_x, last_y);
    }
    if (p.second_waste_count < 1) return;
    if (roomy)
        p.SetDeck(kSecondWasteIndex, x1, p.rows.Block4Row(3));
    else
        p.SetDeck(kSecondWasteIndex, last_x + p.W + gap, last_y);
}

void Staircase(LayoutPass& p) {
    const int stock_x = p.small_screen ? 15 : 40;
    const int row1 = p.rows.row[1];
    PlaceStockPair(p, stock_x, row1, stock_x, p.rows.row[2] + 10);
    const int step = Nearest(p.W / 2.0) + 3;
    p.tableau_gap = step;
    int start = NearestRatio(p.K - p.W, 2);
    // Moved right in steps of 3 until the sixth pile clears the stock by
    // more than 3 pixels; counted at once rather than stepped.
    const int clear_of = stock_x + p.W + 3;
    if (start - 5 * step <= clear_of) start += 3 * ((clear_of - (start - 5 * step) + 1 + 2) / 3);
    const int drop = p.small_screen ? Nearest(p.H / 2.0) - 8 : Nearest(p.H / 2.0) + 4;
    for (int i = 0; i < p.tableau_count; ++i) p.SetTableau(i, start - i * step, row1 + i * drop);
    if (p.second_waste_count < 1) return;
    const int sixth_x = start - 5 * step;
    int x = p.K - step - p.W;
    if (x < sixth_x + 6 * p.W + 30) x = sixth_x + 6 * p.W + 30 + 3;
    p.SetDeck(kSecondWasteIndex, x, row1);
}

// The rows of the peaks centred across the table from the tableau's row,
// each half a card lower than the one above, so that its cards half cover
// those above them; below the middle of the last row the stock and the
// second waste.
void Peaks(LayoutPass& p) {
    const int rows = p.tableau_count;
    const auto top_row = p.RowFor(p.tableau_digit, true);
    if (rows < 1 || !top_row) return;
    const int last_slot = std::max(1, p.e.R(311 + rows - 1)) - 1;
    const int width = PeakSlotX(p.W, rows - 1, last_slot, rows) + p.W;
    const int x1 = std::max(NearestRatio(p.K - width, 2), p.small_screen ? 2 : 5);
    const int y1 = *top_row;
    const int drop = p.small_screen ? Nearest(p.H / 2.0) - 8 : Nearest(p.H / 2.0) + 4;
    p.tableau_gap = PeakSlotX(p.W, rows - 1, 1, rows) - p.W;
    for (int r = 0; r < rows; ++r) p.SetTableau(r, x1 + PeakSlotX(p.W, r, 0, rows), y1 + r * drop);
    const int deck_y = y1 + (rows - 1) * drop + p.H + (p.low ? 10 : 20);
    const int middle = x1 + NearestRatio(width, 2);
    const int apart = 15;  // from the middle to each of the two piles
    if (p.deck_count >= 1) p.SetDeck(kStockIndex, middle - apart - p.W, deck_y);
    if (p.second_waste_count >= 1) p.SetDeck(kSecondWasteIndex, middle + apart, deck_y);
}

void TwoDeckFoundationRow(LayoutPass& p) {
    const int gap = 5;
    p.tableau_gap = gap;
    const int x1 = std::max(NearestRatio(p.K - 8 * p.W - 35, 2), 25);
    const int y = std::max(p.in.top + NearestRatio(p.E - 2 * p.H - 105, 2), p.in.top + 2);
    for (int i = 0; i < std::min(p.foundation_count, 8); ++i) p.SetFoundation(i, x1 + i * (p.W + gap), y);
    const int deck_y = y + p.H + 45;
    PlaceStockPair(p, x1 + 3 * (p.W + gap) - 15, deck_y, x1 + 4 * (p.W + gap) + 15, deck_y);
}

void TenColumns(LayoutPass& p) {
    const int gap = p.low ? 2 : 5;
    p.tableau_gap = gap;
    const int x1 = std::max(NearestRatio(p.K - 10 * p.W - 9 * gap, 2), 10);
    const int y = std::max(p.in.top + NearestRatio(p.E - 3 * p.H - 90, 2), p.in.top + 5);
    const auto column = [&](int k) { return x1 + k * (p.W + gap); };
    for (int i = 0; i < std::min(p.foundation_count, 10); ++i) p.SetFoundation(i, column(i), y);
    const int first_row = y + p.H + 15;
    const int second_row = first_row + p.H + 60;
    for (int i = 0; i < std::min(p.tableau_count, 20); ++i)
        p.SetTableau(i, column(i % 10), i < 10 ? first_row : second_row);
}

}  // namespace

bool PlaceFigureTableaus(LayoutPass& p) {
    switch (p.tableau_code) {
        case 52: Cross(p); return true;
        case 53: GridWithSecondWaste(p); return true;
        case 54: Staircase(p); return true;
        case 103: TwoDeckFoundationRow(p); return true;
        case 130: TenColumns(p); return true;
        case 131: Peaks(p); return true;
        default: return PlaceCellGrid(p);
    }
}

}  // namespace velmora
