#pragma once
// Which ended games the player's results keep, and what they keep of them.
// A deal is recorded once at most: a win when it is won; a loss, a quit or
// an abandoned game when the player leaves it (a new deal, another game,
// the same deal again, the window closed without keeping it), an abandoned
// one only after a move of the player's. A game kept for the next start is
// not left: it is recorded when it finally ends.

#include <optional>

#include "engine/model/engine.h"
#include "engine/results/game_record.h"

namespace velmora {

// The record of the deal on the table ending as a win, or nothing when
// this deal was recorded already. Taken after EndGame found the win.
std::optional<GameRecord> TakeWonGame(Engine& e, int seconds, const DateTime& when);

// The record of the game in progress being left: lost when no move is
// left, else `leaving` (kQuit or kAbandoned), which needs a move made.
// Nothing when no game is in progress, it counts as a win (that record is
// the win's), it was recorded, nothing was played, or it is abandoned
// again after a restart of a deal whose abandoned try was recorded
// (`PlayState::abandoned_taken`). Taken before the game is ended, while the engine still holds it.
std::optional<GameRecord> TakeLeftGame(Engine& e, GameResult leaving, int seconds, const DateTime& when);

}  // namespace velmora
