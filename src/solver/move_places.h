#pragma once
// Where a move of the solver shows on the table: the card it takes and the
// place that card lands, or the pile or card it presses or double clicks.
// The window marks these rectangles to show a hint.

#include <vector>

#include "engine/layout/table_geometry.h"
#include "engine/model/engine.h"
#include "solver/player_moves.h"

namespace velmora::solver {

// The rectangles of `move` on the table as it is laid out in `e` (the move
// not yet played), in the order the inputs name them; places off the table
// are left out.
std::vector<Rect> MovePlaces(const Engine& e, const Move& move);

}  // namespace velmora::solver
