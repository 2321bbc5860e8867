#pragma once
// Special rule 51, the peaks: the tableau piles are the rows of peaks laid
// out as engine/model/peak_rows.h describes, removed cards leaving empty
// slots. A card that the two cards of the next row no longer cover is
// free; a free face-up card goes onto the second waste when its rank is one
// above or one below the top card there (King and Ace neighbours), and a
// face-down card turns face up as soon as it is free, as part of the move
// that freed it. The game is won once every row is cleared, whatever the
// stock still holds.

#include "engine/model/engine.h"

namespace velmora {

constexpr int kPeaksRule = 51;  // R[47]

// True when slot `slot` of tableau `row` holds a card that no card of the
// next row covers.
bool IsPeakCardFree(const Engine& e, int row, int slot);

// Turns face up every face-down card of the rows that is free, and repaints
// its row. No step of its own: the caller's move holds the change.
void TurnFreedPeakCardsUp(Engine& e);

}  // namespace velmora
