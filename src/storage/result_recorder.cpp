#include "storage/result_recorder.h"

#include <ctime>
#include <filesystem>
#include <system_error>

#include "platform/files.h"
#include "storage/player_results_file.h"
#include "storage/players.h"
#include "storage/score_table.h"

namespace velmora {

namespace {

constexpr std::string_view kDefaultPlayer = "Player 1";
constexpr std::string_view kSetAsideEnding = ".bad";

// Renames the file with ".bad", replacing an older one in the same step.
std::string SetAside(const std::string& path) {
    const std::string aside = path + std::string(kSetAsideEnding);
    std::error_code error;
    std::filesystem::rename(path, aside, error);
    return error ? std::string() : aside;
}

}  // namespace

std::string ResultsPlayerName(const ParamRecord& params) {
    const std::string name = params.ParamRead(kCurrentPlayer, kCurrentPlayerLength);
    return name.empty() ? std::string(kDefaultPlayer) : name;
}

int FindPlayerPlace(const SettingsFile& settings, std::string_view name) {
    for (int place = 0; place < kMostPlayers; ++place)
        if (settings.Ini().ReadString(kUsersSection, PlayerKey(place), "") == name) return place;
    return -1;
}

int PlayerPlace(SettingsFile& settings, std::string_view name) {
    settings.Ini().CacheReads();
    const int place = FindPlayerPlace(settings, name);
    if (place >= 0) return place;
    for (int free = 0; free < kMostPlayers; ++free) {
        if (!settings.Ini().ReadString(kUsersSection, PlayerKey(free), "").empty()) continue;
        // A list that cannot be written still gives the place, so the game is kept.
        settings.WriteOther(kUsersSection, PlayerKey(free), name);
        return free;
    }
    return -1;
}

DateTime LocalNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    DateTime when{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                  local.tm_sec};
    // A leap second is kept as the second before it.
    if (when.second > 59) when.second = 59;
    return when;
}

bool ResultRecorder::Record(const GameRecord& record) {
    if (!IsValidRecord(record)) return false;
    const std::string player = ResultsPlayerName(params_);
    SettingsFile settings = OpenSettingsFile(params_);
    const int place = PlayerPlace(settings, player);
    if (place < 0) {
        if (!told_not_kept_)
            messages_.ShowInfo("The results of " + player + " cannot be kept: the list of players is full.");
        told_not_kept_ = true;
        return false;
    }
    const std::string path = PlayerResultsPath(params_, place);
    PlayerResults results;
    if (!ReadOrStartAfresh(path, player, results)) return false;
    results.player = player;
    results.records.push_back(record);
    bool kept = WritePlayerResults(path, results);
    if (record.result == GameResult::kWon)
        kept = AddToScoreTable(params_, {record, player}) != ScoreTableWrite::kFailed && kept;
    if (!kept) TellNotKept(path);
    return kept;
}

bool ResultRecorder::ReadOrStartAfresh(const std::string& path, const std::string& player, PlayerResults& results) {
    std::string why;
    if (ReadPlayerResults(path, results, why) != PlayerResultsRead::kUnreadable) return true;
    results = PlayerResults{};
    const std::string aside = SetAside(path);
    if (aside.empty()) {
        // Never written over: what it holds may still be worth having.
        messages_.ShowInfo("The results of " + player + " in " + path + " cannot be read: " + why +
                           ".\n\nThe file could not be set aside either, so this game is not kept.");
        return false;
    }
    messages_.ShowInfo("The results of " + player + " in " + path + " cannot be read: " + why +
                       ".\n\nThe file has been set aside as " + aside + " and a new one is started.");
    return true;
}

void ResultRecorder::TellNotKept(const std::string& path) {
    if (told_not_kept_) return;
    told_not_kept_ = true;
    messages_.ShowInfo("The results of your games cannot be kept: " + path +
                       " cannot be written (the folder may be read-only or the disk full). Play goes on.");
}

PlayerResults ReadCurrentPlayerResults(const ParamRecord& params, std::string* trouble) {
    const std::string player = ResultsPlayerName(params);
    PlayerResults results;
    const int place = FindPlayerPlace(OpenSettingsFile(params), player);
    std::string why;
    const std::string path = place < 0 ? std::string() : PlayerResultsPath(params, place);
    const PlayerResultsRead read = place < 0 ? PlayerResultsRead::kNone : ReadPlayerResults(path, results, why);
    if (read == PlayerResultsRead::kUnreadable && trouble) *trouble = path + " cannot be read: " + why;
    if (read != PlayerResultsRead::kRead) results = PlayerResults{};
    results.player = player;
    return results;
}

std::vector<PlayerResults> ReadEveryPlayersResults(const ParamRecord& params) {
    SettingsFile settings = OpenSettingsFile(params);
    settings.Ini().CacheReads();
    std::vector<PlayerResults> players;
    for (int place = 0; place < kMostPlayers; ++place) {
        const std::string name = settings.Ini().ReadString(kUsersSection, PlayerKey(place), "");
        PlayerResults results;
        std::string why;
        if (name.empty() ||
            ReadPlayerResults(PlayerResultsPath(params, place), results, why) != PlayerResultsRead::kRead)
            continue;
        results.player = name;
        players.push_back(std::move(results));
    }
    return players;
}

}  // namespace velmora
