#pragma once
// Foundations of complete suit runs (foundation build code 98): a run of
// thirteen face-up cards of one suit, King down to Ace, that comes to lie on
// top of a tableau pile leaves it for the first empty such foundation, as
// part of the move that completed it.

#include "engine/model/engine.h"

namespace velmora {

constexpr int kSuitRunFoundation = 98;  // R[80+f]

// Whether any foundation in use takes complete suit runs.
bool UsesSuitRunFoundations(const Engine& e);
// The King at the bottom of the complete run on top of tableau t, or 0.
int CompleteRunKing(const Engine& e, int t);
// Moves every complete run to the first empty suit-run foundation, without
// a step of its own. Returns whether a run left the tableau.
bool SendCompleteRunsHome(Engine& e);

}  // namespace velmora
