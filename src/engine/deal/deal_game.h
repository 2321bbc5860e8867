#pragma once
// The initial deal: the shuffled buffer becomes the starting position of the
// current game, driven entirely by its rules parameters.

#include "engine/deal/deal_rules.h"
#include "engine/model/engine.h"

namespace velmora {

// Deals the current game from the stored deal number onto empty piles.
// `rules` answers the foundation placements of the ace search and of
// arrangements 2, 4 and 7; `score` computes the score of the new position.
// Returns false when the definition is faulty: an unusable card count, or
// counts asking for cards the buffer no longer held (dealing then simply
// stops at the empty buffer). The position is dealt either way.
bool DealGame(Engine& e, const DealRules& rules = RefusingRules(), const ScoreHook& score = {});

}  // namespace velmora
