#pragma once
// The selection rules of the pairing games, by special-rule code R[47]:
// which pressed card may join the selection and when a selection is
// complete. The rules only judge; selection_pile.h carries the step out.

#include <vector>

#include "engine/model/engine.h"
#include "engine/model/pile_names.h"
#include "engine/play/selection_pile.h"

namespace velmora {

// Codes whose selection is never accepted: every press they handle beeps.
bool PairingNeverAccepts(int special);

// Whether pressed card `card`, lying on `pile`, may join the selection of
// game code R[47]. Cards already selected may always be clicked out.
bool PairingCardEligible(const Engine& e, int card, PileRef pile);

// The verdict of game code R[47] on the selection as it would become.
SelectionVerdict JudgePairing(const Engine& e, const std::vector<int>& selection);

}  // namespace velmora
