#pragma once
// The engine's counters and flags that a model's position carries beside
// its cards: the stock's passes, whether the first move is still to come
// and whether the game is over (a won game ends and its flags say so).

#include "engine/model/engine.h"

namespace velmora::solver {

void SetPlayCounters(Engine& out, int passes, bool first_move, bool over);

}  // namespace velmora::solver
