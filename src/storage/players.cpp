#include "storage/players.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "storage/player_results_file.h"
#include "storage/preference_keys.h"
#include "storage/score_table.h"
#include "text/fixed_text.h"

namespace velmora {

namespace {

constexpr std::string_view kDefaultPlayers[] = {"Player 1", "Player 2", "Player 3"};
// What a damaged results file is set aside as; it goes with its player.
constexpr std::string_view kSetAsideEnding = ".bad";

std::string Trimmed(std::string_view name) { return TrimLeftSpaces(TrimRightSpaces(name)); }

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](unsigned char x, unsigned char y) {
        return std::tolower(x) == std::tolower(y);
    });
}

bool FileThere(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error) || error;
}

// False when the file is there and stays there.
bool RemoveFile(const std::string& path) {
    std::error_code error;
    std::filesystem::remove(path, error);
    return !error && !FileThere(path);
}

const PlayerEntry* FindPlace(const std::vector<PlayerEntry>& players, int place) {
    const auto found = std::ranges::find(players, place, &PlayerEntry::place);
    return found == players.end() ? nullptr : &*found;
}

bool WriteName(SettingsFile& file, int place, std::string_view name, std::string& why) {
    if (file.WriteOther(kUsersSection, PlayerKey(place), name)) return true;
    why = "The list of players in " + file.Path() + " cannot be written.";
    return false;
}

}  // namespace

void EnsureDefaultPlayers(ParamRecord& params, SettingsFile& file) {
    if (!CurrentPlayerName(params).empty()) return;
    // Players of the list keep their names, and with them their results.
    const std::vector<PlayerEntry> players = ReadPlayerList(file);
    if (!players.empty()) {
        SetCurrentPlayer(params, file, players.front().name);
        return;
    }
    file.Write(key::kUserDefault, kDefaultPlayers[0]);
    file.Write(key::kUser001, kDefaultPlayers[0]);
    file.Write(key::kUser002, kDefaultPlayers[1]);
    file.Write(key::kUser003, kDefaultPlayers[2]);
    params.ParamWrite(kCurrentPlayer, kCurrentPlayerLength, kDefaultPlayers[0]);
}

bool SetCurrentPlayer(ParamRecord& params, SettingsFile& file, std::string_view name) {
    if (name == CurrentPlayerName(params)) return false;
    params.ParamWrite(kCurrentPlayer, kCurrentPlayerLength, name);
    // Write what the record holds, so the next start-up loads the same name.
    file.Write(key::kUserDefault, CurrentPlayerName(params));
    return true;
}

std::string CurrentPlayerName(const ParamRecord& params) {
    return params.ParamRead(kCurrentPlayer, kCurrentPlayerLength);
}

std::string PlayerKey(int place) {
    char key[16];
    std::snprintf(key, sizeof key, "User%03d", place + 1);
    return key;
}

std::vector<PlayerEntry> ReadPlayerList(const SettingsFile& file) {
    // A reader of its own parses the file once for the hundred places.
    SettingsFile reader = file;
    reader.Ini().CacheReads();
    std::vector<PlayerEntry> players;
    for (int place = 0; place < kMostPlayers; ++place) {
        std::string name = reader.Ini().ReadString(kUsersSection, PlayerKey(place), "");
        if (!name.empty()) players.push_back({place, std::move(name)});
    }
    return players;
}

std::string PlayerNameProblem(const std::vector<PlayerEntry>& players, std::string_view name,
                              int own_place) {
    const std::string trimmed = Trimmed(name);
    if (trimmed.empty()) return "A player needs a name.";
    // The bytes the current player's field holds, so the name is kept whole.
    if (trimmed.size() > static_cast<size_t>(kCurrentPlayerLength))
        return "A player's name has at most " + std::to_string(kCurrentPlayerLength) + " characters.";
    if (std::ranges::any_of(trimmed, [](unsigned char c) { return c < ' ' || c == 127; }))
        return "A player's name cannot hold tabs, line breaks or other control characters.";
    for (const PlayerEntry& player : players)
        if (player.place != own_place && SameIgnoringCase(player.name, trimmed))
            return "There is already a player named " + player.name + ".";
    return {};
}

int AddPlayer(const ParamRecord& params, SettingsFile& file, std::string_view name, std::string& why) {
    const std::vector<PlayerEntry> players = ReadPlayerList(file);
    why = PlayerNameProblem(players, name);
    if (!why.empty()) return -1;
    for (int place = 0; place < kMostPlayers; ++place) {
        // A place whose results file is still there is not free: those results are someone's.
        if (FindPlace(players, place) || FileThere(PlayerResultsPath(params, place))) continue;
        return WriteName(file, place, Trimmed(name), why) ? place : -1;
    }
    why = "The list of players is full: delete a player first.";
    return -1;
}

bool RenamePlayer(ParamRecord& params, SettingsFile& file, int place, std::string_view name,
                  std::string& why) {
    const std::vector<PlayerEntry> players = ReadPlayerList(file);
    const PlayerEntry* player = FindPlace(players, place);
    if (!player) {
        why = "That player is no longer in the list.";
        return false;
    }
    why = PlayerNameProblem(players, name, place);
    if (!why.empty()) return false;
    const std::string renamed = Trimmed(name);
    const bool current = player->name == CurrentPlayerName(params);
    if (!WriteName(file, place, renamed, why)) return false;
    if (current) SetCurrentPlayer(params, file, renamed);
    // The hi-scores follow the name; a score file that cannot be changed
    // keeps the old name there, which costs nothing else.
    RenameInScoreTable(params, player->name, renamed);
    return true;
}

bool DeletePlayer(ParamRecord& params, SettingsFile& file, int place, std::string& why) {
    const std::vector<PlayerEntry> players = ReadPlayerList(file);
    const PlayerEntry* player = FindPlace(players, place);
    if (!player) {
        why = "That player is no longer in the list.";
        return false;
    }
    if (players.size() == 1) {
        why = "The last player cannot be deleted: add another player first.";
        return false;
    }
    // The results go first: an empty place must never hold them.
    const std::string results = PlayerResultsPath(params, place);
    if (!RemoveFile(results)) {
        why = "The results of " + player->name + " in " + results + " cannot be removed, so the player is kept.";
        return false;
    }
    RemoveFile(results + std::string(kSetAsideEnding));
    const std::string name = player->name;
    RemoveFromScoreTable(params, name, std::nullopt);
    if (!WriteName(file, place, "", why)) return false;
    if (name == CurrentPlayerName(params)) {
        const auto next = std::ranges::find_if(players, [place](const PlayerEntry& p) { return p.place != place; });
        SetCurrentPlayer(params, file, next->name);
    }
    return true;
}

}  // namespace velmora
