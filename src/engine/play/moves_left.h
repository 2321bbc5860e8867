#pragma once
// Whether the player can still change the game: a drag, a press on the
// stock (a deal or a redeal left), turning a card up, a click that sends a
// card away, or a selection that removes cards. When none is left, a game
// that is not won is lost, and the window says so.

#include "engine/model/engine.h"

namespace velmora {

// True while a game is in progress and some input of the player would
// change the table. Tried on quiet copies of the engine: `e` is untouched.
bool AnyMoveLeft(const Engine& e);

}  // namespace velmora
