#pragma once
// The current player (position 77, key UserDefault), the default players and
// the list of players (Users/User001 .. User100).
//
// A player's results file is named by the player's place in the list
// ("Stat_e" + place), so places never move: renaming a player changes only
// the name at that place, and deleting one removes the results file first
// and only then empties the place. A crash between the two steps leaves a
// player without results, never a free place with someone's results in it;
// a new player is also never given a place whose file is still there.

#include <string>
#include <string_view>
#include <vector>

#include "engine/model/param_record.h"
#include "storage/settings_file.h"

namespace velmora {

inline constexpr int kCurrentPlayer = 77;
inline constexpr int kCurrentPlayerLength = 30;
inline constexpr std::string_view kUsersSection = "Users";

// When no current player is set: the first player of the list becomes the
// current one; with an empty list, "Player 1" does and the three default
// players are written.
void EnsureDefaultPlayers(ParamRecord& params, SettingsFile& file);

// Makes `name` the current player when it differs (exactly) from the current
// one: stores it at position 77, cut to 30 characters, and writes that as
// UserDefault. Returns whether the player changed; the caller refreshes the
// caption and resets its per-game counters.
bool SetCurrentPlayer(ParamRecord& params, SettingsFile& file, std::string_view name);

// The current player's name (position 77), empty when none is set.
std::string CurrentPlayerName(const ParamRecord& params);

// "User001" for place 0.
std::string PlayerKey(int place);

struct PlayerEntry {
    int place = 0;  // 0-based place in the list: names the results file
    std::string name;
};

// The players of the list in place order; empty places are skipped.
std::vector<PlayerEntry> ReadPlayerList(const SettingsFile& file);

// Why a name cannot be a player's: empty when it can. `name` is taken with
// surrounding blanks removed; a name held by the player at `own_place`
// (renaming) does not count as taken. Names are told apart without regard
// to case, so two players never differ only in case.
std::string PlayerNameProblem(const std::vector<PlayerEntry>& players, std::string_view name,
                              int own_place = -1);

// The list changes; each returns false with `why` set to a sentence for the
// player when it refuses or fails, and leaves the list as it was then.
// The new player's place, or -1.
int AddPlayer(const ParamRecord& params, SettingsFile& file, std::string_view name, std::string& why);
// A rename of the current player renames the current player too.
bool RenamePlayer(ParamRecord& params, SettingsFile& file, int place, std::string_view name,
                  std::string& why);
// Removes the player's results file, then the player. The last player is
// never deleted; deleting the current player makes the first remaining
// player current.
bool DeletePlayer(ParamRecord& params, SettingsFile& file, int place, std::string& why);

}  // namespace velmora
