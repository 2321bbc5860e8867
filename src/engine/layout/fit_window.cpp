// The card size that follows the window: the search for the largest card
// that fits, the layout at one card width, and the touches that keep a
// fitted table balanced.
#include "engine/layout/fit_window.h"

#include <algorithm>
#include <limits>

#include "engine/layout/card_positions.h"
#include "engine/layout/layout_pass.h"
#include "engine/layout/nearest.h"
#include "engine/model/engine.h"

namespace velmora {

namespace {

constexpr int kBigWidth = 71;
// The search walks down in strides this wide, then back up one by one.
constexpr int kSearchStride = 8;
// The left-aligned stock of the cell grids comes this near the grid (at big cards).
constexpr int kStockToGridGap = 30;
constexpr int kLeftAlignedStock = 13;
constexpr int kFirstCellGrid = 123;
constexpr int kLastCellGrid = 129;

int Scaled(int value, double f) { return Nearest(value * f); }
int Shrunk(int value, double f) { return Nearest(value / f); }

// The table of `in` as big cards see it when the real cards are f times as wide.
LayoutInputs VirtualInputs(const LayoutInputs& in, double f) {
    LayoutInputs v = in;
    for (int* value : {&v.left, &v.top, &v.bottom, &v.available_width, &v.available_height, &v.screen_width,
                       &v.screen_height})
        *value = Shrunk(*value, f);
    v.scroll_position = 0;
    return v;
}

// Every placed anchor moved by `change` (x, y) -> (x', y').
template <typename Change>
void ChangeAnchors(Engine& e, Change change) {
    TMainGame& g = e.main_game;
    // Unplaced piles keep their markers.
    const auto move = [&change](int& x, int& y) {
        if (!IsPlacedY(x) || !IsPlacedY(y)) return false;
        change(x, y);
        x = ClampAnchor(x);
        y = ClampAnchor(y);
        return true;
    };
    const auto fields = [&](int x_base, int y_base, int count) {
        for (int i = 0; i < count; ++i) {
            int x = g.Field(x_base + i);
            int y = g.Field(y_base + i);
            if (!move(x, y)) continue;
            g.SetField(x_base + i, x);
            g.SetField(y_base + i, y);
        }
    };
    fields(field::kStockAreaX, field::kStockAreaY, kStockAreaPiles);
    fields(field::kFoundationX, field::kFoundationY, kFoundationPiles);
    fields(field::kReserveX, field::kReserveY, kReservePiles);
    for (size_t i = 0; i < kTableauPiles; ++i) {
        int x = e.tableau_anchors.x[i];
        int y = e.tableau_anchors.y[i];
        if (!move(x, y)) continue;
        e.tableau_anchors.x[i] = static_cast<int16_t>(x);
        e.tableau_anchors.y[i] = static_cast<int16_t>(y);
    }
}

// Scales the virtual table by f: x from the window's left edge, y from the
// table's top (the toolbar's edge stays where it is, whatever the cards).
void ScaleTable(Engine& e, double f, int virtual_top, int top) {
    ChangeAnchors(e, [=](int& x, int& y) {
        x = Scaled(x, f);
        y = top + Scaled(y - virtual_top, f);
    });
    TableGeometry& g = e.geometry;
    g.vertical_fan_room = Scaled(g.vertical_fan_room, f);
    g.horizontal_fan_room = Scaled(g.horizontal_fan_room, f);
}

// The grids of cells put their stock at the left edge and themselves in the
// middle: the stock and what lies at its x come next to the grid instead.
void StockBesideGrid(Engine& e, double f) {
    const int code = e.R(295);
    if (e.R(291) != kLeftAlignedStock || code < kFirstCellGrid || code > kLastCellGrid) return;
    TMainGame& g = e.main_game;
    const int stock_x = g.StockAreaX(kStockIndex);
    int grid_left = std::numeric_limits<int>::max();
    for (int t = 0; t < kTableauPiles; ++t)
        if (IsPlacedY(TableauX(e.tableau_anchors, t)) && IsPlacedY(e.tableau_anchors.y[static_cast<size_t>(t)]))
            grid_left = std::min(grid_left, TableauX(e.tableau_anchors, t));
    if (!IsPlacedY(stock_x) || grid_left == std::numeric_limits<int>::max()) return;
    const int beside = grid_left - e.geometry.card.width - Scaled(kStockToGridGap, f);
    if (beside <= stock_x) return;
    for (int slot = 0; slot < kStockAreaPiles; ++slot)
        if (g.StockAreaX(slot) == stock_x) g.SetStockAreaX(slot, beside);
}

// The piles as a whole centred across the table's width.
void CentreAcross(Engine& e, const LayoutInputs& in) {
    int left = std::numeric_limits<int>::max();
    int right = std::numeric_limits<int>::min();
    for (const PileFootprint& print : PileFootprints(e)) {
        left = std::min(left, print.grown.left);
        right = std::max(right, print.grown.right);
    }
    if (left > right) return;
    const int shift = NearestRatio((in.available_width - right) - (left - in.left), 2);
    if (shift != 0) ChangeAnchors(e, [shift](int& x, int&) { x += shift; });
}

// A pile that reaches above the table's top (a thick stock in the top row)
// moves down with every other pile.
void BelowTheTop(Engine& e, const LayoutInputs& in) {
    int top = std::numeric_limits<int>::max();
    for (const PileFootprint& print : PileFootprints(e)) top = std::min(top, print.grown.top);
    const int shift = top == std::numeric_limits<int>::max() ? 0 : in.top - top;
    if (shift > 0) ChangeAnchors(e, [shift](int&, int& y) { y += shift; });
}

bool FitsAt(Engine& e, const LayoutInputs& in, int width) {
    LayOutAtCardWidth(e, in, width);
    return PilesFitTable(e, in);
}

}  // namespace

void LayOutAtCardWidth(Engine& e, const LayoutInputs& inputs, int width) {
    const double f = static_cast<double>(width) / kBigWidth;
    TableGeometry& g = e.geometry;
    g.card = CardSizeForWidth(kBigWidth);
    const LayoutInputs virtual_inputs = VirtualInputs(inputs, f);
    LayOutWithCardSize(e, virtual_inputs);
    ScaleTable(e, f, virtual_inputs.top, inputs.top);
    g.card = CardSizeForWidth(width);
    g.inputs = inputs;
    SetFanOffsets(e, kFitWindowLetter);
    StockBesideGrid(e, f);
    BelowTheTop(e, inputs);
    CentreAcross(e, inputs);
    e.main_game.SetField(field::kScrollOffset, inputs.scroll_position);
}

void LayOutToFitWindow(Engine& e, const LayoutInputs& inputs, int largest) {
    // Down in strides to the first width that fits, then up one by one to
    // the largest below the stride above it.
    int fits = 0;
    for (int width = largest; width >= kFitSmallestWidth; width -= kSearchStride) {
        if (FitsAt(e, inputs, width)) {
            fits = width;
            break;
        }
    }
    if (fits == 0) {
        LayOutAtCardWidth(e, inputs, kFitSmallestWidth);
        return;
    }
    int best = fits;
    for (int width = std::min(largest, fits + kSearchStride - 1); width > fits; --width) {
        if (FitsAt(e, inputs, width)) {
            best = width;
            break;
        }
    }
    LayOutAtCardWidth(e, inputs, best);
}

}  // namespace velmora
