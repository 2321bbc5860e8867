#pragma once
// Encodes game definitions into the contents of GAMES.DAT.

#include <string>
#include <vector>

#include "games_source.h"

namespace velmora::gamesdat {

// The catalogue line of a game before the character shift.
std::string CatalogueLine(const GameDefinition& game);

// The whole file: a plain comment, "[Sect1]" with every game's catalogue
// line in the given order, "[Sect2]" with one line per entry 0 .. 400 that
// holds a value column for each game offered in the catalogue (availability
// 0 or 2), in the same order.
std::string EncodeGamesDat(const std::vector<GameDefinition>& games);

}  // namespace velmora::gamesdat
