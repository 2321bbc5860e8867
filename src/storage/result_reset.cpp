#include "storage/result_reset.h"

#include <functional>
#include <optional>

#include "storage/player_results_file.h"
#include "storage/players.h"
#include "storage/result_recorder.h"
#include "storage/score_table.h"

namespace velmora {

namespace {

// Rewrites the player's file without the records `drop` picks; a player
// without a file has nothing to clear.
bool DropRecords(const ParamRecord& params, const std::string& player,
                 const std::function<bool(const GameRecord&)>& drop, std::string& why) {
    const int place = FindPlayerPlace(OpenSettingsFile(params), player);
    if (place < 0) return true;
    const std::string path = PlayerResultsPath(params, place);
    PlayerResults results;
    std::string problem;
    switch (ReadPlayerResults(path, results, problem)) {
        case PlayerResultsRead::kNone:
            return true;
        case PlayerResultsRead::kUnreadable:
            why = "The results in " + path + " cannot be read (" + problem +
                  "), so nothing was cleared.";
            return false;
        case PlayerResultsRead::kRead:
            break;
    }
    std::erase_if(results.records, drop);
    results.player = player;
    if (WritePlayerResults(path, results)) return true;
    why = path +
          " cannot be written (the folder may be read-only or the disk full), so nothing was "
          "cleared.";
    return false;
}

bool DropScores(const ParamRecord& params, const std::string& player, std::optional<int> game,
                std::string& why) {
    if (RemoveFromScoreTable(params, player, game)) return true;
    why = "The results were cleared, but the hi-scores of " + player +
          " could not be taken out of the score file.";
    return false;
}

}  // namespace

bool ClearGameResults(const ParamRecord& params, const std::string& player, int game,
                      std::string& why) {
    return DropRecords(
               params, player, [game](const GameRecord& r) { return r.game == game; }, why) &&
           DropScores(params, player, game, why);
}

bool ClearGameResultsOfEveryPlayer(const ParamRecord& params, int game, std::string& why) {
    bool all = true;
    for (const PlayerEntry& player : ReadPlayerList(OpenSettingsFile(params))) {
        std::string problem;
        if (ClearGameResults(params, player.name, game, problem)) continue;
        if (all) why = problem;
        all = false;
    }
    return all;
}

bool ClearPlayerResults(const ParamRecord& params, const std::string& player, std::string& why) {
    return DropRecords(
               params, player, [](const GameRecord&) { return true; }, why) &&
           DropScores(params, player, std::nullopt, why);
}

}  // namespace velmora
