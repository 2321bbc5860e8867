#pragma once
// Whether the current position wins the game, by the special-rule code R[47].

#include <string_view>

#include "engine/model/engine.h"

namespace velmora {

bool IsGameWon(const Engine& e);

// A pile of exactly nine cards ranked 9, 8, ... 1 from the bottom (the goal
// of the game with R[47] = 43, which scores and wins by it).
bool IsNineDownToAce(std::string_view pile);

}  // namespace velmora
