#pragma once
// What the demo keeps while it plays the solver's line on the table: the
// game as it was (undo log included) to put back at the end, the line and
// how far it is played, and the player's hand, set aside meanwhile.

#include <vector>

#include "engine/model/engine.h"
#include "solver/player_moves.h"

class QTimer;

namespace velmora {

class TableInput;

struct DemoState {
    Engine start;
    std::vector<solver::Move> line;
    int at = 0;  // moves of the line played on the table
    TableInput* hand = nullptr;
    bool clock_was_running = false;
    int seconds = 0;
    bool stepping = false;  // a step is under way (its flights let events run)
    QTimer* player = nullptr;  // "Play": one move per tick
};

}  // namespace velmora
