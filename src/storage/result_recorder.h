#pragma once
// Keeping the ended games of the current player: the player's place in the
// settings' player list (a player not in it is added) names the results
// file "DATA\Stat_eNN.dat"; each game is added to that file, and a won game
// to the hi-score table of the score file. Every file is replaced at once,
// so a kill or a full disk never costs what was kept before.
//
// A results file that is damaged or not ours is set aside (renamed with
// ".bad", replacing an older one; never removed), the player is told, and a
// new file is started. When the files cannot be written at all (a folder
// that cannot be written, a full disk), the player is told once and play
// goes on.

#include <string>
#include <string_view>
#include <vector>

#include "engine/model/outward.h"
#include "engine/model/param_record.h"
#include "engine/results/result_queries.h"
#include "storage/settings_file.h"

namespace velmora {

// The name results are kept under: the current player (position 77), or
// "Player 1", whom the next start makes current, while none is set.
std::string ResultsPlayerName(const ParamRecord& params);

// The place (0-based) of `name` among Users/User001 .. User100, exactly as
// written; a missing name takes the first free place. -1 when the list has
// no place left.
int PlayerPlace(SettingsFile& settings, std::string_view name);
// The same without adding: -1 for a player not in the list.
int FindPlayerPlace(const SettingsFile& settings, std::string_view name);

// The local date and time now.
DateTime LocalNow();

class ResultRecorder {
  public:
    ResultRecorder(const ParamRecord& params, Messages& messages) : params_(params), messages_(messages) {}

    // Adds the game to the current player's results; false when it could not
    // be kept (the player was told: once, for files that cannot be written).
    bool Record(const GameRecord& record);

  private:
    bool ReadOrStartAfresh(const std::string& path, const std::string& player, PlayerResults& results);
    void TellNotKept(const std::string& path);

    const ParamRecord& params_;
    Messages& messages_;
    bool told_not_kept_ = false;
};

// The results of the current player; empty when there are none (or none
// that can be read: then `trouble`, when given, says which file and why).
PlayerResults ReadCurrentPlayerResults(const ParamRecord& params, std::string* trouble = nullptr);
// The results of every player of the list who has a readable file, in list order.
std::vector<PlayerResults> ReadEveryPlayersResults(const ParamRecord& params);

}  // namespace velmora
