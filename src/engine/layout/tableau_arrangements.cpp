// The regular tableau arrangements: rows spread evenly (001, 014, 015),
// with a fixed gap (002), with room for the deck piles on the left (003,
// 011, 012, 021), left-aligned (013), grids of rows (010, 018) and the row
// centred under the foundations (020).
#include <algorithm>
#include <functional>

#include "engine/layout/layout_pass.h"
#include "engine/layout/nearest.h"
#include "engine/model/engine.h"

namespace velmora {

namespace {

// Gap number i lies between tableau i and tableau i + 1.
using GapRule = std::function<int(int)>;

void PlaceRowWithGaps(LayoutPass& p, int x1, int y, const GapRule& gap) {
    int x = x1;
    for (int i = 0; i < p.tableau_count; ++i) {
        p.SetTableau(i, x, y);
        x += p.W + gap(i);
    }
}

void PlaceRow(LayoutPass& p, int x1, int y, int gap) {
    p.tableau_gap = gap;
    PlaceRowWithGaps(p, x1, y, [gap](int) { return gap; });
}

int CentredRowStart(const LayoutPass& p, int gap) {
    const int f = p.tableau_count;
    return NearestRatio(p.K - f * p.W - (f - 1) * gap, 2);
}

bool StockNeedsRoom(const LayoutPass& p) { return p.stock_code == 4 || p.second_waste_code == 4; }

void EvenSpread(LayoutPass& p, int y) {
    const int f = p.tableau_count;
    int gap = std::clamp(NearestRatio(p.K - f * p.W, f + 1), 4, 20);
    // A stock above the first columns is drawn with its thickness.
    if (p.tableau_code == 1 && StockNeedsRoom(p)) gap = std::max(gap, 15);
    int x1 = CentredRowStart(p, gap);
    if (x1 < p.left_margin) {
        if (p.tableau_code != 1 && f > 1) {
            const int shrink = Nearest(static_cast<double>(p.left_margin - x1) / (f - 1) + 0.99);
            gap = std::clamp(gap - shrink, 4, 20);
        }
        x1 = p.tableau_code != 1 && p.in.screen_width <= 649 ? p.left_margin - 2 : p.left_margin;
    }
    p.tableau_gap = gap;
    const int wide_gaps = p.tableau_code != 1 && StockNeedsRoom(p) && gap < 15 ? p.deck_count : 0;
    PlaceRowWithGaps(p, x1, y, [gap, wide_gaps](int i) { return i < wide_gaps ? 15 : gap; });
}

void FixedGap(LayoutPass& p, int y) {
    const int gap = p.available_width >= 650 ? 10 : 5;
    const int forced = p.e.geometry.forced_start_x;
    PlaceRow(p, forced != 0 ? forced : CentredRowStart(p, gap), y, gap);
}

void RoomForDeck(LayoutPass& p, int y) {
    const int code = p.tableau_code;
    const int f = p.tableau_count;
    const int n = code == 3 || code == 12 ? 1 : 2;
    int gap = NearestRatio(p.K - (f + n) * p.W - 32, f + n + 1);
    if (gap < 4) gap = 4;
    if (gap > 20) gap = 15;
    if (code == 21) gap = 2;
    int x1 = NearestRatio(p.K - 30 - (f + n) * p.W - gap * (f + n - 2) - 10, 2);
    x1 = std::max(x1, p.left_margin) + (22 + p.W) * n;
    if (code == 11 || code == 12) x1 += 15;
    PlaceRow(p, x1, y, gap);
}

void LeftAligned(LayoutPass& p, int y) {
    const int shadow = p.shadow == 0 ? 9 : p.shadow;
    PlaceRow(p, p.small_screen ? 8 : 2 * shadow + 30, y, 4);
}

void PlaceGrid(LayoutPass& p, int x1, int gap, const std::function<int(int)>& row_y) {
    const int per_row = GridPilesPerRow(p);
    p.tableau_gap = gap;
    for (int i = 0; i < p.tableau_count; ++i)
        p.SetTableau(i, x1 + (i % per_row) * (p.W + gap), row_y(i / per_row));
}

void GridUnderBlock(LayoutPass& p) {
    // The first row is the three-row block's; later rows keep the row table's spacing.
    const int spacing = p.row_gap + p.H;
    const int first = p.rows.Block3Row(0);
    PlaceGrid(p, 15, Nearest(0.85 * p.W), [first, spacing](int r) { return first + r * spacing; });
}

void GridInFourRowBlock(LayoutPass& p) {
    const char digit = p.tableau_digit == '0' ? '1' : p.tableau_digit;
    if (digit < '1' || digit > '6') return;
    const int n = GridPilesPerRow(p);
    const int gap = std::max(NearestRatio(p.K - n * p.W - 2, n + 1), Nearest(1.5 * p.W));
    const int x1 = p.small_screen ? 15 : p.left_margin + 10;
    const int first_row = digit - '1';
    PlaceGrid(p, x1, gap, [&p, first_row](int r) { return p.rows.Block4Row(first_row + r); });
}

}  // namespace

// Never 0, so a grid always breaks its rows; no rows counts as one row.
int GridPilesPerRow(const LayoutPass& p) {
    const int rows = std::max(1, p.e.R(layout_entry::kGridRows));
    return std::max(1, NearestRatio(p.tableau_count, rows));
}

bool PlaceRegularTableaus(LayoutPass& p) {
    const int code = p.tableau_code;
    if (code == 10) {
        if (p.tableau_count > 0) GridUnderBlock(p);
        return true;
    }
    if (code == 18) {
        if (p.tableau_count > 0) GridInFourRowBlock(p);
        return true;
    }
    if (code == 20) return true;  // placed once the foundations stand
    void (*arrange)(LayoutPass&, int) = nullptr;
    switch (code) {
        case 1: case 14: case 15: arrange = EvenSpread; break;
        case 2: arrange = FixedGap; break;
        case 3: case 11: case 12: case 21: arrange = RoomForDeck; break;
        case 13: arrange = LeftAligned; break;
        default: return false;
    }
    const auto y = p.RowFor(p.tableau_digit, true);
    if (y && p.tableau_count > 0) arrange(p, *y);
    return true;
}

void CentreTableausUnderFoundations(LayoutPass& p) {
    if (p.tableau_code != 20 || p.tableau_count < 1) return;
    const auto y = p.RowFor(p.tableau_digit, true);
    if (!y) return;
    const int f = p.tableau_count;
    const int width = f * p.W + (f - 1) * 10;
    const int last = p.foundation_count - 1;
    int x1 = NearestRatio(p.K - width, 2);
    if (last >= 0 && p.FoundationPlaced(0) && p.FoundationPlaced(last))
        x1 = NearestRatio(p.FoundationX(0) + p.FoundationX(last) + p.W - width, 2);
    PlaceRow(p, x1, *y, 10);
}

}  // namespace velmora
