#pragma once
// How thick a deck pile looks: its top card lies this many pixels above and
// left of the pile's anchor, with the edges of the cards beneath showing.

#include <algorithm>

#include "engine/layout/nearest.h"

namespace velmora {

inline constexpr int kMaxStockDepth = 15;

// 0 up to one card, 1 for two, else nearest(cards / 7) + 1 (cards / 28 in a
// game's preview), at most 15 pixels.
inline int StockDepth(int cards, bool preview) {
    if (cards <= 1) return 0;
    if (cards == 2) return 1;
    return std::min(kMaxStockDepth, Nearest(cards / (preview ? 28.0 : 7.0)) + 1);
}

}  // namespace velmora
