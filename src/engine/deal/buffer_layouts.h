#pragma once
// Arrangements that lay the rest of the deal buffer out on the tableau.

#include "engine/deal/deal_context.h"

namespace velmora {

// The first card of `rank` starts tableau pile 1; the rest of the buffer
// follows face up in buffer order, and every further card of `rank` starts
// the next pile. The last pile in use takes whatever follows it.
void DealRunsFromBuffer(DealContext& c, int rank);
// Every card left in the buffer goes face up onto the tableau pile numbered
// rank + offset (1-based). A card without a pile in use (with offset -1 an
// ace, and every joker) stays in the buffer and so off the table.
void DealByRank(DealContext& c, int offset);

}  // namespace velmora
