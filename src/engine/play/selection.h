#pragma once
// The removal games: the player clicks cards into a selection, and a
// selection that meets the game's condition (a pair of equal ranks, cards
// adding up to a number, a King alone ...) goes to the discard pile, the
// second waste. The selection is the pile string of foundation 1, in the
// order the cards were clicked; a selected card lies there and on its own
// pile at the same time.

#include <string_view>

#include "engine/model/engine.h"

namespace velmora {

// A press on card `card` of pile `pile` in a pairing game (R[38] != 0): the
// game's selection rule (R[47]) toggles the card, accepts or refuses it and
// removes a complete selection. A refused card beeps and leaves the
// selection as it was. Stock presses do the game's stock action. True when
// the table changed.
bool PressInPairingGame(Engine& e, int card, std::string_view pile);

// The stock press of a pairing game: what its R[47] gives a press on the
// stock, otherwise nothing. True when an action ran.
bool PressStockInPairingGame(Engine& e);

// The selection step of the sum games R[47] = 3 (top tableau cards adding
// to 14), 4 (free pyramid cards, the waste card and, to join a selection,
// the stock card, adding to 13) and 33 (never selects). At most two cards.
// True when the selection changed.
bool SelectForSum(Engine& e, int card, std::string_view pile);

// The body of the "Selezionate_Dest" action: every selected card leaves its
// pile (or leaves an empty slot in the slot layouts) and goes face up to
// the second waste, as one step of the move log. True when cards went.
bool RemoveSelection(Engine& e);

// Packs the band of seven tableaus that holds tableau `t` (0-6, 7-13,
// 14-20; 21 counts with the third) towards its first tableau, keeping the
// order of the piles and the face states.
void CloseBandGaps(Engine& e, int t);
// Exactly one tableau of t's band holds cards.
bool BandHasOnePile(const Engine& e, int t);

// A pyramid card in row `tableau` at `slot` may be taken: every later row is
// empty, or slots `slot` and `slot + 1` of the next row are empty slots.
bool IsPyramidCardFree(const Engine& e, int tableau, int slot);

}  // namespace velmora
