#pragma once
// The screen check of a newly prepared game: a game that needs a wider
// screen than the one at hand is played with the medium predefined card set,
// with a notice once per run; on a screen wide enough the player's own card
// set, size and back come back.

#include "engine/layout/table_geometry.h"

namespace velmora {

struct Engine;

// The predefined card set substituted on small screens, and its size.
inline constexpr const char* kSmallScreenCardSet = "003";
inline constexpr char kSmallScreenCardSize = 'M';

// Runs the check for the current game (rules entry 37) against the screen
// of `inputs`. True when the card size letter changed; the card size and
// the view's card images then follow it.
bool CheckScreenForGame(Engine& engine, const LayoutInputs& inputs);

}  // namespace velmora
