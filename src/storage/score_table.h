#pragma once
// The hi-score table in the score file "DATA\STAT_SCR.DAT": the ten best won
// games of each game, one score line each after the "[Version]" header. A
// score line is 89 characters of record data and the mark " x":
//
//   columns  1       "0", the mark of a score line
//            2-5     game number, 4 digits
//            6-18    deal number, left-aligned, padded with spaces
//           19-25    score, right-aligned, padded with spaces (may be negative)
//           26-30    seconds played, 5 digits
//           31-35    moves, 5 digits
//           36-49    when the game was won, YYYYMMDDhhmmss
//           50-79    the player's name, padded with spaces
//           80-89    spaces, kept for later use
//
// Lines are ended by CR LF. Lines that are not score lines of this form
// (older data among them) are kept as they are.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/model/param_record.h"
#include "engine/results/result_queries.h"

namespace velmora {

inline constexpr int kScoreLineWidth = 89;
inline constexpr int kScoreNameWidth = 30;

// The 91 characters of a score line ("0" ... " x").
std::string FormatScoreLine(const ScoreEntry& entry);
// A score line of the form above; nothing for any other line.
std::optional<ScoreEntry> ParseScoreLine(std::string_view line);

// Every score line of the file's text that reads as one.
std::vector<ScoreEntry> ScoreEntriesOf(std::string_view contents);
// The file's text with `entry` among the score lines of its game, when it
// ranks in the ten best; the header made when the text has none. The game's
// lines are kept best first, after the other lines.
std::string WithScoreEntry(std::string_view contents, const ScoreEntry& entry);

enum class ScoreTableWrite { kWritten, kNotCurrent, kFailed };
// Puts a won game in the score file (created when missing) by an atomic
// replace. A file of an older version is left to the upgrade (kNotCurrent).
ScoreTableWrite AddToScoreTable(const ParamRecord& params, const ScoreEntry& entry);
// The file's text without the score lines of `player` (of `game` only,
// when given); names are compared as the lines keep them (30 characters).
std::string WithoutScoresOf(std::string_view contents, std::string_view player, std::optional<int> game);
// Takes those lines out of the score file by an atomic replace. A missing
// file, one without such lines, or one of an older version (left to the
// upgrade) is not rewritten and counts as done.
bool RemoveFromScoreTable(const ParamRecord& params, std::string_view player, std::optional<int> game);
// The score lines of the score file; none when it is missing or unreadable.
// The file's text with the score lines of `from` under the name `to`.
std::string WithScoresRenamed(std::string_view contents, std::string_view from, std::string_view to);
// The same in the score file, replaced at once; true when nothing needed
// changing, false when the file could not be read or written.
bool RenameInScoreTable(const ParamRecord& params, std::string_view from, std::string_view to);
std::vector<ScoreEntry> ReadScoreTable(const ParamRecord& params);

}  // namespace velmora
