#pragma once
// The player's own variants, kept in "DATA\VARIANTS.TXT" beside the
// settings, in the block form of the game definitions:
//
//   [game 8000]
//   name = Klondike, three cards
//   type = 800
//   base = 2          # the catalogue game it was made from
//   21 = 3            # every rules entry that is not 0
//
// A block that does not read (an unknown key, a value out of range, a row
// the engine could not deal) is refused whole; the others load. The file
// then holds more than was loaded, so it is never written over as it is:
// the next write first renames it with a ".bad" ending.

#include <string>
#include <string_view>
#include <vector>

#include "engine/model/custom_games.h"
#include "engine/model/param_record.h"

namespace velmora {

inline constexpr const char* kCustomGamesName = "DATA\\VARIANTS.TXT";

// Where the variants live, below the player's data folder.
std::string CustomGamesPath(const ParamRecord& params);

struct CustomGamesFile {
    std::string path;
    std::vector<CustomGame> games;      // the blocks that loaded, in file order
    std::vector<std::string> problems;  // one sentence per refused block or fault of the file
    std::vector<int> refused_ids;       // numbers of refused blocks, never given to a new variant
    bool damaged = false;     // holds blocks that did not load: set aside before the next write
    bool unreadable = false;  // there but not readable: never written over
};

// Reads and checks every block; a missing file is an empty list.
CustomGamesFile ReadCustomGames(const std::string& path);
CustomGamesFile ParseCustomGames(std::string_view text, const std::string& path);

// The text of the file for `games`.
std::string FormatCustomGames(const std::vector<CustomGame>& games);

// A name a variant may carry: 1 to 50 printable characters, none of them
// '#' (it starts a comment), no space at either end.
bool IsValidVariantName(std::string_view name);

// Writes `games` in place of the file (through a temporary and a rename).
// A damaged file is first renamed to a free name ending in ".bad"; an
// unreadable one is not touched and the write refused. On success `file`
// holds `games` and is sound; otherwise `why` says what failed.
bool WriteCustomGames(CustomGamesFile& file, const std::vector<CustomGame>& games, std::string& why);

// The variants with `game` added, or with game `id` taken out.
bool AddCustomGame(CustomGamesFile& file, const CustomGame& game, std::string& why);
bool DeleteCustomGame(CustomGamesFile& file, int id, std::string& why);

// The box text for the problems of a read, "" when there were none.
std::string DescribeCustomGameProblems(const CustomGamesFile& file);

}  // namespace velmora
