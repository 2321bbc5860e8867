#pragma once
// A stock gone through without end, as one class of positions. With
// unlimited passes, pressing the stock only moves the point between the
// waste and the stock along one fixed line of cards (the waste from its
// bottom, then the stock from its top), as long as no card of that line can
// go home on the way. The points the presses come back to after a gather
// (every turn count's step, and the end of the line) are then reached from
// one another by presses alone, so they win or lose together: the search
// takes them as one position and offers the moves of every point at once.

#include <vector>

#include "solver/compiled_position.h"
#include "solver/compiled_rules.h"

namespace velmora::solver {

class HomeFacts;

// Whether positions of this game may be folded: unlimited passes, one deck
// and four foundations built alike from one base rank (so that a card wanted home on the
// way round is still wanted at the end of any automatic play).
bool StockCycleFolds(const CompiledRules& rules, const CompiledPosition& root);

// `p` lies on its stock's cycle: at least two cards in the line, the point
// one the presses come back to, and no card of the line wanted home.
bool OnStockCycle(const CompiledRules& rules, const CompiledPosition& p);

// The stock's chain from `p`: `p`, then the position after each press as
// long as a press only moves cards between the stock and the waste, until a
// press does more or nothing, or the chain comes back to `p` (`closed`).
// `facts`, when given, are those of `p`, whose foundations every point shares.
std::vector<CompiledPosition> StockChain(const CompiledRules& rules, const CompiledPosition& p, bool& closed,
                                         HomeFacts* facts = nullptr);

}  // namespace velmora::solver
