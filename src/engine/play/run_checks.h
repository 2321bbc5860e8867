#pragma once
// Runs: a card with every card above it on its tableau or reserve, moved
// together. A run must be a proper sequence (R[2]) and short enough (R[12]).

#include <vector>

#include "engine/model/engine.h"

namespace velmora {

// The run whose bottom card is `bottom`, bottom first: the card and the
// cards above it on its tableau or reserve; the card alone anywhere else;
// empty for a card on no pile.
std::vector<int> RunFrom(const Engine& e, int bottom);

// With R[2] = 1 every card of the run must fit the card below it by tableau
// i's own rule, with R[2] = 10 by the same suit in tableau i's direction;
// otherwise every run passes.
bool IsValidRun(const Engine& e, int bottom, int tableau_index);

// The run's length against the limit of R[12]; the free tableaus and
// reserves count, with `empty_destination` when the run goes to an empty
// tableau. Records the run's top card in TMainGame field 95.
bool IsRunLengthAllowed(Engine& e, int bottom, bool empty_destination);

// The largest run R[12] allows now for a run starting at `bottom`; -1 for no
// limit.
int RunLengthLimit(const Engine& e, int bottom, bool empty_destination);

}  // namespace velmora
