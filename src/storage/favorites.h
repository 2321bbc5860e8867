#pragma once
// The player's favorite games: the game numbers in the settings file,
// section "Favorites", key "Games", in ascending order separated by commas
// ("Games=2,15,301"). Whatever in the value is not a game number is passed
// over when read and dropped at the next write.

#include <vector>

#include "storage/settings_file.h"

namespace velmora {

// The favorite games, ascending, each once.
std::vector<int> ReadFavoriteGames(const SettingsFile& file);
// Replaces the favorites; false when the settings file cannot be written.
bool WriteFavoriteGames(SettingsFile& file, std::vector<int> games);

bool IsFavoriteGame(const SettingsFile& file, int game);
// Marks or unmarks one game; false when the settings file cannot be written.
bool SetFavoriteGame(SettingsFile& file, int game, bool favorite);

}  // namespace velmora
