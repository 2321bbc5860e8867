#pragma once
// The rules values of GAMES.DAT ("[Sect2]"): loading the current game's
// column into the RulesParams, single values for the selection dialog, and
// selecting a game.

#include <cstdint>
#include <string_view>
#include <vector>

#include "engine/model/games_file.h"

namespace velmora {

struct Engine;

enum class RulesStatus {
    kOk,
    kUnreadableFile,   // GAMES.DAT could not be read; nothing was assigned
    kConversionError,  // a line did not convert; the lines before it were assigned
};

struct RulesLoadResult {
    RulesStatus status = RulesStatus::kOk;
    int lines_read = 0;    // "[Sect2]" lines assigned
    int failed_line = -1;  // position of the line that did not convert, else -1
    bool ok() const { return status == RulesStatus::kOk; }
};

// What ReadRuleValues gives for a value it cannot provide.
inline constexpr int kMissingRuleValue = -99;

// One stored 10-character value: decoded, trailing spaces removed, then a
// decimal integer (sign and digits only). False when it does not convert.
bool DecodeRuleValue(std::string_view stored, int64_t& value);

// Clears entries 0 .. 400 (401 is kept), then assigns the value of every
// "[Sect2]" line, for the game stored at parameter position 62, to the entry
// named in its first columns, each value cut to 16 bits. The first line that
// does not convert stops the reading. The deal-modified entries are saved
// afterwards in every case, so the save area always matches the entries.
RulesLoadResult LoadRules(Engine& engine, const GamesData& data);
RulesLoadResult LoadRules(Engine& engine);

// The values of the given "[Sect2]" lines (by line position) for game `id`,
// cut to 16 bits. A line number below 0 or past the last line, or a value
// that does not convert, gives kMissingRuleValue.
std::vector<int> ReadRuleValues(const TMainGame& game, const GamesData& data, int id,
                                const std::vector<int>& line_numbers);
std::vector<int> ReadRuleValues(const Engine& engine, int id, const std::vector<int>& line_numbers);

// The game stored at parameter position 62; -1 when the field holds no number.
int CurrentGameId(const ParamRecord& params);

// Makes `id` the current game: its id at parameter position 62 (4 digits),
// its catalogue name at 189, then LoadRules.
RulesLoadResult SelectGame(Engine& engine, int id, const GamesData& data);
RulesLoadResult SelectGame(Engine& engine, int id);

}  // namespace velmora
