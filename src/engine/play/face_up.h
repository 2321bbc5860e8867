#pragma once
// Turning face-down tableau cards face up: by a press on the card, and
// automatically for the cards a move leaves on top of their piles.

#include "engine/model/engine.h"

namespace velmora {

// Turns the face-down card on tableau `tableau_index` face up as a step of
// its own. Nothing happens when the card is not a face-down card of that
// tableau.
void TurnFaceUp(Engine& e, int card, int tableau_index);

// With automatic face-up on (parameter position 239 not "N") and R[41] set,
// turns up every face-down top card of the tableaus in use. Returns whether
// it turned any.
bool TurnExposedCardsUp(Engine& e);

}  // namespace velmora
