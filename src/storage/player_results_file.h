#pragma once
// A player's results: the ended games of one player, in "DATA\Stat_e" + two
// digits + ".dat" (the digits: the player's place in the settings' player
// list, "00" for User001). Our own text format, one item a line:
//
//   Velmora player results
//   version 1
//   player |<name>        the player's name as it was when last written
//   games <n>             then n lines, one per game, oldest first:
//   ended <game> <deal> <result> <score> <seconds> <moves> <YYYYMMDDhhmmss>
//   end <checksum>        16 hex digits: FNV-1a (64 bits) of every byte before "end"
//
// <result> is won, lost, quit or abandoned; numbers are plain decimal (no
// sign but a leading '-', no leading zeros), each within its limits
// (game_record.h). Lines end with '\n'. The reader takes nothing on trust:
// a wrong first line or version, a missing, extra or malformed line, a
// count that does not match the lines or a checksum that does not match
// refuses the whole file.

#include <string>
#include <string_view>
#include <vector>

#include "engine/model/param_record.h"
#include "engine/results/result_queries.h"

namespace velmora {

// The most players the two digits of the file names can tell apart.
inline constexpr int kMostPlayers = 100;

// "DATA\Stat_eNN.dat" below the data folder, for the player in place `index`
// (0 to 99) of the list.
std::string PlayerResultsPath(const ParamRecord& params, int index);

std::string FormatPlayerResults(const PlayerResults& results);
// False, with `why` saying what is wrong in a few words, for anything but a
// whole file of this version.
bool ParsePlayerResults(std::string_view text, PlayerResults& results, std::string& why);

enum class PlayerResultsRead { kNone, kRead, kUnreadable };
// kNone when the player has no file yet (or an empty one); kUnreadable, with `why`, when the
// file is there but cannot be read or is not a whole file of ours.
PlayerResultsRead ReadPlayerResults(const std::string& path, PlayerResults& results, std::string& why);
// Replaces the file at once (a flushed temporary beside it renamed over
// it): a kill or a full disk leaves the old file or the new. False on failure.
bool WritePlayerResults(const std::string& path, const PlayerResults& results);

}  // namespace velmora
