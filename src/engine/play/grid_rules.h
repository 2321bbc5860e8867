#pragma once
// Grid games lay the tableau out as rows of R[27] cells. A card moves into
// an empty cell from a neighbouring one (build code 70) or by jumping over
// an occupied cell (build code 71), which the jump then clears.

#include "engine/model/engine.h"

namespace velmora {

// Tableau numbers (1-based cells) of a grid move from `from` to `to`.
bool GridNeighbours(int columns, int from, int to);
// Two different cells side by side, one above the other or corner to corner.
bool GridTouching(int columns, int a, int b);
// The cell a jump from `from` to `to` passes over, or -1 when the two are
// not two cells apart in a row or a column.
int GridJumpOver(int columns, int from, int to);

// The tableau index the card at `source_locator` (a LocateCard value) jumps
// over on its way to empty tableau `dest_index`, or -1 when that is no legal
// jump. The executor asks this before it moves the card.
int GridJumpedCell(const Engine& e, int dest_index, int source_locator);

}  // namespace velmora
