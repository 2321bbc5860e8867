#pragma once
// The end of a game: decides the result, clears the in-progress state and,
// for a win, plays the sound, runs the winning animation and opens the game
// selection.

#include "engine/model/engine.h"

namespace velmora {

// Only while a game is in progress (flag 2); returns whether it ended as a
// win. Without a game in progress nothing happens and the result is false.
bool EndGame(Engine& e);

// Whether ending the game now would count as a win: the target score
// reached when the game has one, else the win condition holding.
bool GameCountsAsWin(const Engine& e);

}  // namespace velmora
