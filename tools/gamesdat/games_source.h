#pragma once
// The readable game definitions (data/games.txt): one block per game,
//
//   [game 1]
//   name      = Freecell
//   type      = 4
//   new       = 0
//   available = 0
//   304 = 8        # tableau piles in use
//
// "#" starts a comment. Keys are the catalogue fields or rules entry
// numbers 0 .. 400; a value is a decimal number or a quoted character ('Q'
// stands for its code, 81). Entries a block does not set are 0, or, after
// "like = N" at the top of the block, those of game N (defined above), so a
// variant names only what it changes.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/model/games_file_format.h"

namespace velmora::gamesdat {

struct GameDefinition {
    int id = -1;
    std::string name;
    int type = 0;          // group of the game in the selection dialog
    int new_flag = 0;      // 1: shown as new
    int availability = 0;  // 0 or 2: in the catalogue; 1: listed but not offered
    int base = 0;          // a player's variant: the catalogue game it was made from
    std::array<int16_t, games_format::kGameEntries> entries{};
    int line = 0;  // line of the block's header
};

struct SourceError {
    int line = 0;
    std::string message;
};

struct GamesSource {
    std::vector<GameDefinition> games;
    std::vector<SourceError> errors;  // empty when the text is sound
};

// The game ids a text may define: the catalogue's, or the player's
// variants (kept in a file of the same form).
struct SourceIds {
    int first = 0;
    int last = 999;
};

GamesSource ParseGamesSource(std::string_view text, SourceIds ids = {});

// "file:line: message".
std::string FormatError(std::string_view file, const SourceError& error);

}  // namespace velmora::gamesdat
