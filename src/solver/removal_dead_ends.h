#pragma once
// Positions of the removal games from which no line can clear the table,
// told by the ranks alone, so that the search never enters them: a card
// whose every possible partner is gone or can never be taken with it.

#include "solver/removal_position.h"
#include "solver/removal_rules.h"

namespace velmora::solver {

// True when some card of `p` can never be removed.
bool RemovalDeadEnd(const RemovalRules& rules, const RemovalPosition& p);

}  // namespace velmora::solver
