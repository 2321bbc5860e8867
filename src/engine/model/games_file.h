#pragma once
// Reading GAMES.DAT: its two sections and the game catalogue built from the
// first one. The rules values of the second section are read by
// games_file_rules.h.

#include <string>
#include <string_view>
#include <vector>

#include "engine/model/custom_games.h"
#include "engine/model/main_game.h"
#include "engine/model/param_record.h"

namespace velmora {

struct Engine;

// The sections of GAMES.DAT as stored (still character-shifted).
struct GamesData {
    std::vector<std::string> catalogue;  // "[Sect1]" lines, every run in file order
    std::vector<std::string> rules;      // "[Sect2]" lines, line i for entry i
    // The player's variants, loaded from their own file beside the settings.
    std::vector<CustomGame> custom;
};

GamesData ParseGamesData(const std::vector<std::string>& lines);
GamesData ParseGamesData(std::string_view contents);

// The program folder (parameter position 501) followed by "GAMES.DAT".
std::string GamesFilePath(const ParamRecord& params);
// Reads, splits and checks the file (LoadGamesFile in games_file_check.h);
// false when it is missing, unreadable or damaged, `out` then being empty.
// When no file has the exact name, a file whose name differs only in case is
// taken, as the program's files were named without regard to case.
bool ReadGamesFile(const std::string& path, GamesData& out);

// The decoded catalogue lines whose availability column is "0" or "2", in
// file order.
std::vector<std::string> DecodeCatalogue(const GamesData& data);

// Replaces the engine's catalogue. The file form returns false when
// GAMES.DAT cannot be read, leaving the catalogue empty.
void LoadCatalogue(Engine& engine, const GamesData& data);
bool LoadCatalogue(Engine& engine);

// The catalogue position (column k of "[Sect2]") of game `id`, or -1.
int CatalogueIndex(const TMainGame& game, int id);
// The name of game `id` without trailing spaces, or "" when not listed.
std::string CatalogueName(const TMainGame& game, int id);

}  // namespace velmora
