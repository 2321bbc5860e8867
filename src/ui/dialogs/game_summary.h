#pragma once
// What the box at the end of a game shows, and what the player chose there.

#include <string>

namespace velmora {

struct GameSummary {
    bool won = false;
    std::string game_name;
    std::string time;   // "h:nn:ss"
    std::string score;  // as the score panel shows it; empty when the game keeps none
    int moves = 0;
};

enum class SummaryChoice { Close, NewGame, SameDeal, OtherGame };

}  // namespace velmora
