#pragma once
// The player's own variants of the catalogue games. Each is a whole rules
// row of its own under a number from 8000 on, kept beside the catalogue in
// GamesData so that selecting, describing and dealing it go the same way
// as for a catalogue game.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/model/games_file_format.h"

namespace velmora {

class TMainGame;
struct GamesData;

// Rules entries 0 .. 400 of one game.
using RulesRow = std::array<int16_t, games_format::kGameEntries>;

inline constexpr int kFirstCustomGame = games_format::kFirstNonCatalogueId;
// Game numbers are four digits wide in the parameter record.
inline constexpr int kLastCustomGame = 9999;
// The selection tree's group (and icon) of the player's variants.
inline constexpr int kCustomGameType = 800;

inline constexpr bool IsCustomGameNumber(int id) { return id >= kFirstCustomGame && id <= kLastCustomGame; }

struct CustomGame {
    int id = -1;
    int base = 0;      // the catalogue game it was made from (its help topic)
    std::string name;
    RulesRow entries{};
};

// The variant numbered `id`, or null.
const CustomGame* FindCustomGame(const GamesData& data, int id);
// The lowest number from 8000 on that neither a variant nor `taken` uses;
// -1 when every number up to 9999 is taken.
int NextCustomGameId(const GamesData& data, const std::vector<int>& taken = {});

// The whole rules row of game `id` (catalogue game or variant); false when
// the game is unknown or one of its values does not convert.
bool ReadRulesRow(const TMainGame& game, const GamesData& data, int id, RulesRow& row);

// The name of a catalogue game or a variant, "" when unknown.
std::string GameName(const TMainGame& game, const GamesData& data, int id);

// The game whose rules topic describes `id`: a variant's base game, else
// `id` itself.
int RulesTopicGame(const GamesData& data, int id);

}  // namespace velmora
