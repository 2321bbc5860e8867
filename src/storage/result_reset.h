#pragma once
// Clearing kept results at the player's request: the games of one game for
// the current player, or every game of one player, and with them that
// player's lines of the hi-score table. Every file is replaced at once, as
// when results are kept. A results file that cannot be read is left as it
// is (what it holds may still be worth having) and nothing is cleared.

#include <string>

#include "engine/model/param_record.h"

namespace velmora {

// False with `why`, a sentence for the player, when it could not be done.
bool ClearGameResults(const ParamRecord& params, const std::string& player, int game,
                      std::string& why);
bool ClearPlayerResults(const ParamRecord& params, const std::string& player, std::string& why);
// One game's results for every player of the list (a game that is deleted
// for good); the players whose files can be read lose them even when
// another's cannot.
bool ClearGameResultsOfEveryPlayer(const ParamRecord& params, int game, std::string& why);

}  // namespace velmora
