#pragma once
// What follows a fresh deal once it lies on the table, shared by the window
// (which waits a moment first, so the player sees the deal) and the
// headless driver (which does not wait).

#include "engine/model/engine.h"

namespace velmora {

// Automatic play on the dealt table while the Autoplay command is ticked
// and enabled: a round, then a gap fill and another round for as long as
// the rounds move cards. Switching autoplay on during a game runs the same.
void AutoplayAfterDeal(Engine& e);

// The same right after a deal, before the player moved: the cards it sends
// home count as dealt there, so undo does not take them back.
void AutoplayFreshDeal(Engine& e);

// The games with special rule code 44 may be over the moment they are
// dealt: when the table already counts as won (by its win condition or by
// the target score R[46]), the game ends at once. True when it ended.
bool EndDealtGameIfOver(Engine& e);

}  // namespace velmora
