#pragma once
// The statistics files in the DATA folder: the score file "DATA\STAT_SCR.DAT",
// kept in the current format version "0300", and the per-player files
// "Stat_e" + two digits + ".dat", whose presence shows that the program has
// been used before. This edition records no results; it only upgrades the
// score file and looks for the player files, once per run.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/model/outward.h"
#include "engine/model/param_record.h"

namespace velmora {

inline constexpr std::string_view kScoreFileName = "DATA\\STAT_SCR.DAT";
inline constexpr std::string_view kScoreFileVersion = "0300";

// Reads the keys of one section of a text file, line by line: the section
// opens at the first line beginning with "[" + section + "]" and ends at the
// next line beginning with "["; a line beginning with a key (the first in
// list order that fits) gives that key the text after its first "=" (the
// whole line without one). Names are compared exactly, with no blanks
// removed. `values` starts as `defaults` (one per key); the result is true
// when every key was found, false otherwise and for a missing file.
bool ReadTextSection(const std::string& path, std::string_view section, const std::vector<std::string>& keys,
                     const std::vector<std::string>& defaults, std::vector<std::string>& values);

// Rewrites an older score file (in the data folder) in the
// current version: a new header, the score lines (those beginning with "0")
// made exactly 89 characters plus " x", every other line kept, CR LF line
// ends. The new file is written to a temporary "rpl" file beside it, flushed
// to the disk and renamed over the old one, so the score file is whole at
// every moment; failures are shown through `messages` and remove the
// temporary. Whenever the score file exists, old "S"
// values of Cards_Animate and ConfirmQuit in the settings file become "Y".
// True when the score file was rewritten; false for a missing or current
// file and on every failure (a failed copy leaves the score file as it was).
bool UpgradeScoreFile(const ParamRecord& params, Messages& messages);
// The same with the writer of the new copy given (a test's failing disk).
using FileWriter = std::function<bool(const std::string& path, std::string_view contents)>;
bool UpgradeScoreFile(const ParamRecord& params, Messages& messages, const FileWriter& write);

// Removes the temporaries of upgrades that a kill or a crash cut short
// (old enough not to belong to a copy of the program running now); gives
// how many went.
int RemoveStaleScoreUpgrades(const ParamRecord& params);

// True when the DATA folder holds a per-player statistics file
// "Stat_e00.dat" .. "Stat_e99.dat" (in any case of letters).
bool HasPlayerStatistics(const ParamRecord& params);

}  // namespace velmora
