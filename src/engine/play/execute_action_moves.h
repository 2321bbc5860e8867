#pragma once
// The card moves of the executor, without its common post-processing.
// Internal to engine/play.

#include "engine/model/engine.h"

namespace velmora {

struct ActionOutcome {
    bool done = false;
    bool left_tableau = false;  // a card was taken from a tableau
};

// Index arguments are 0-based; piles outside the game's counts refuse.
ActionOutcome MoveToFoundation(Engine& e, int card, int index, bool automatic);
ActionOutcome MoveToTableau(Engine& e, int card, int index);
ActionOutcome MoveToReserve(Engine& e, int card, int index);
// The card onto a pile of the stock area: the waste ("Stock02") or the
// second waste ("Waste").
ActionOutcome MoveToStockArea(Engine& e, int card, int stock_area_index);

}  // namespace velmora
