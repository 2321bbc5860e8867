// The rows of the table, the centred row blocks, the left margin and the
// room a tableau fan may use.
#include <algorithm>
#include <initializer_list>
#include <string>

#include "engine/layout/layout_pass.h"
#include "engine/layout/nearest.h"
#include "engine/model/engine.h"

namespace velmora {

namespace {

constexpr int kEvenSpreadTight = 15;  // tableau arrangement 015 packs its rows

bool OneOf(int code, std::initializer_list<int> codes) {
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

}  // namespace

void ComputeRows(LayoutPass& p) {
    const int s = p.row_gap;
    const bool tight = p.tableau_code == kEvenSpreadTight;
    auto& row = p.rows.row;
    const int top = p.in.top;
    // The stock's row leaves room for the stock's drawn thickness.
    row[1] = tight ? top + 15 : top + s + (p.stock_digit == '1' ? 15 : 0);
    row[2] = tight ? row[1] + 5 + p.H
                   : row[1] + s + p.H + (p.stock_digit == '2' || p.stock_code == 3 ? 15 : 0);
    row[3] = row[2] + (tight ? 5 : s) + p.H;
    row[4] = row[3] + s + p.H;
    const bool tall_window = p.in.available_height > 0.8 * p.in.screen_height;
    row[5] = tall_window ? p.in.available_height - 50 - p.H : p.in.screen_height - 30 - p.H;
    row[6] = row[2] + NearestRatio(row[3] - row[2], 2);

    const int height = p.in.bottom - top;
    p.rows.block3 = std::max(top + 2, top + NearestRatio(height - 3 * p.H - 20, 2));
    p.rows.block4 = std::max(top + 2, top + NearestRatio(height - 4 * p.H - 30, 2));
    p.rows.block_step = p.H + 10;
}

void ComputeLeftMargin(LayoutPass& p) {
    int margin = p.available_width >= 650 ? 10 : 3;
    if (p.deck_count >= 1) {
        margin += p.shadow;
        // Stocks drawn with their thickness beside the first column.
        if (OneOf(p.stock_code, {3, 4, 5, 16, 19}) || p.second_waste_code == 4) margin += 15;
    }
    p.left_margin = margin;
}

void ComputeFanRooms(LayoutPass& p) {
    TableGeometry& g = p.e.geometry;
    g.vertical_fan_room = p.H;
    g.horizontal_fan_room = p.W;
    if (p.e.R(3) != 1) return;
    // A downward fan may reach the next row another group uses.
    std::string others;
    if (p.deck_count >= 1) others += p.stock_digit;
    if (p.foundation_count >= 1) others += p.foundation_digit;
    if (p.reserve_count >= 1) others += p.reserve_digit;
    const auto uses = [&others](char digit) { return others.find(digit) != std::string::npos; };
    const auto& row = p.rows.row;
    const int height = p.in.available_height;
    switch (p.tableau_digit) {
        case '1':
            g.vertical_fan_room = uses('2')   ? row[2] - row[1]
                                  : uses('3') ? row[3] - row[1]
                                  : uses('4') ? row[4] - row[1]
                                              : height - row[1];
            break;
        case '2':
            g.vertical_fan_room = uses('3') ? row[3] - row[2] : uses('4') ? row[4] - row[2] : height - row[2];
            break;
        case '3':
            g.vertical_fan_room = uses('4') ? row[4] - row[3] : height - row[3];
            break;
        default:
            break;
    }
}

}  // namespace velmora
