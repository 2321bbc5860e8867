#pragma once
// The current player (position 77, key UserDefault) and the default players.

#include <string_view>

#include "engine/model/param_record.h"
#include "storage/settings_file.h"

namespace velmora {

inline constexpr int kCurrentPlayer = 77;
inline constexpr int kCurrentPlayerLength = 30;

// When no current player is set: "Player 1" becomes the current player and
// the three default players are written (replacing any names there).
void EnsureDefaultPlayers(ParamRecord& params, SettingsFile& file);

// Makes `name` the current player when it differs (exactly) from the current
// one: stores it at position 77, cut to 30 characters, and writes that as
// UserDefault. Returns whether the player changed; the caller refreshes the
// caption and resets its per-game counters.
bool SetCurrentPlayer(ParamRecord& params, SettingsFile& file, std::string_view name);

}  // namespace velmora
