#pragma once
// The per-game autoplay switches (section "Autoplay"), used when
// AutoPlay_All_Games is 2: games up to 7999 share the key "Games", one "Y"/"N"
// character per game at position game + 1; higher game numbers each have a
// key "Cust_" + four digits. A missing character or key means on.

#include <string>

#include "storage/settings_file.h"

namespace velmora {

inline constexpr int kPerGameAutoplayMode = 2;
inline constexpr int kAllGamesAutoplayMode = 1;

bool GameAutoplayOn(const SettingsFile& file, int game);
// Stores the switch of one game; false when the write fails or the game
// number is negative (a game that is not in the catalogue has no switch).
bool WriteGameAutoplay(SettingsFile& file, int game, bool on);

// The "Games" string with the character of `game` set to `state`; a string
// too short for it is first extended with "Y" to game + 10 characters.
std::string WithGameSwitch(std::string games, int game, char state);

}  // namespace velmora
