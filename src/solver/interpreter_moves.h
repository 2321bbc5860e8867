#pragma once
// The moves of a position as the rules interpreter gives them: every drag
// the pick-up and drop rules allow, every press that changes the table (a
// selection game's presses joined up to a whole removal) and every double
// click that sends a card away. Each is tried on a quiet copy, so the
// result is exactly what the window would do, automatic play included.

#include <cstdint>
#include <memory>
#include <vector>

#include "engine/model/engine.h"
#include "solver/player_moves.h"

namespace velmora::solver {

struct Child {
    Move move;
    uint64_t key = 0;  // PositionKey of the position the move leads to
    int score = 0;     // how promising that position looks (higher first)
    bool won = false;  // the move wins the game
};

// The game is won on the table (whatever the state flags say: the end of
// a won game clears them).
bool IsWonPosition(const Engine& e);

// The distinct children of `e` (two moves leading to the same position give
// one child), best first. `e` is not changed.
std::vector<Child> ListChildren(const Engine& e);

// How promising a position looks: cards on the foundations first, then
// face-down cards turned up and cards no longer lying over lower ones, then
// empty piles and cards lying on the next higher card of their suit.
int PositionScore(const Engine& e);

}  // namespace velmora::solver
