#pragma once
// A 64-bit key of everything in a position that decides which moves follow:
// the piles with their cards and faces, the stock's pass and deal counters,
// whether the first move is still to be made, and the game's state flags.
// Two positions with the same key play alike (up to a hash collision).

#include <cstdint>

#include "engine/model/engine.h"

namespace velmora::solver {

uint64_t PositionKey(const Engine& e);

// The position without the selection of a selection game: two positions
// differing only there are the same table.
uint64_t TableKey(const Engine& e);

}  // namespace velmora::solver
