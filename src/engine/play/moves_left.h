#pragma once
// Whether the player can still change the game: a drag, a press on the
// stock (a deal or a redeal left), turning a card up, a click that sends a
// card away, or a selection that removes cards. When none is left, a game
// that is not won is lost, and the window says so.

#include <string>
#include <vector>

#include "engine/model/engine.h"

namespace velmora {

// True while a game is in progress and some input of the player would
// change the table. Tried on quiet copies of the engine: `e` is untouched.
bool AnyMoveLeft(const Engine& e);

// A press on a card (0: an empty pile) of a pile.
struct PilePress {
    std::string pile;
    int card = 0;
};

// The presses worth trying: the top card of every pile on the table (and
// the empty stock), and in a game played by selection every face-up card,
// since free cards may lie inside a pile.
std::vector<PilePress> CandidatePresses(const Engine& e);

}  // namespace velmora
