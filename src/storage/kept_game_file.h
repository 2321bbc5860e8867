#pragma once
// The game left unfinished when the program closed, kept in "DATA\RESUME.DAT"
// until the next start plays it on. Our own text format, one item a line:
//
//   Velmora kept game     ("Velmora saved game" in a game the player saved)
//   version 2
//   game <catalogue number>
//   deal <deal number>
//   clock <seconds played>
//   score <score text>
//   passes <n>            the per-deal counters, in this order
//   moves <n>
//   deal_a <n>
//   deal_b <n>
//   score_counter <n>
//   stock_deals <n>
//   no_refill <0 or 1>
//   deal_steps <n>        the log steps the deal made itself (not in version 1)
//   shifts <98 numbers>   the hand-laid shifts, 7 rows of 14
//   position              then the 57 snapshot lines of the table
//   |<line>               (each behind a '|', so an empty pile is no blank line)
//   undo <steps>          then the annotations and 57 lines a step, oldest first
//   notes |<annotations>
//   |<line> ...
//   redo <steps>          the same for the redo side
//   notes |<annotations>
//   |<line> ...
//   end <checksum>        16 hex digits: FNV-1a (64 bits) of every byte before "end"
//
// Lines end with '\n'. The reader takes nothing on trust: a wrong first line
// or version, a missing or extra line, a number that is no number, a count
// larger than the lines that follow or a checksum that does not match makes
// the whole file unreadable. What the items mean is checked by the engine.

#include <string>
#include <string_view>

#include "engine/model/param_record.h"
#include "engine/play/resume_state.h"

namespace velmora {

inline constexpr const char* kKeptGameName = "DATA\\RESUME.DAT";
// A kept game that could not be read is renamed with this ending, so the
// player (or a bug report) still has it; a newer one replaces it.
inline constexpr const char* kSetAsideEnding = ".bad";

// Where the kept game lives, below the player's data folder.
std::string KeptGamePath(const ParamRecord& params);

// The same text serves the game kept for the next start and a game the
// player saves to a file of their own; only the first line tells them
// apart, so neither is taken for the other.
enum class GameFileKind { kKept, kSaved };

std::string FormatKeptGame(const KeptGame& kept, GameFileKind kind = GameFileKind::kKept);
// False, with `why` saying what is wrong in a few words, for anything but a
// whole file of this kind and version.
bool ParseKeptGame(std::string_view text, KeptGame& kept, std::string& why,
                   GameFileKind kind = GameFileKind::kKept);

enum class KeptGameRead { kNone, kRead, kUnreadable };
// kNone when no file is kept; kUnreadable, with `why`, when one is but it
// cannot be read or parsed.
KeptGameRead ReadKeptGame(const std::string& path, KeptGame& kept, std::string& why,
                          GameFileKind kind = GameFileKind::kKept);
// Replaces the kept game at once (a temporary beside it, flushed and renamed
// over it): an abrupt end leaves the old or the new file. False on failure.
bool WriteKeptGame(const std::string& path, const KeptGame& kept,
                   GameFileKind kind = GameFileKind::kKept);
// Renames the file with kSetAsideEnding, replacing an older one; the new
// name, or "" when the rename failed (the file is then removed, so that it
// is not offered again).
std::string SetKeptGameAside(const std::string& path);
// Removes the kept game, so that it never comes back.
void ForgetKeptGame(const std::string& path);

}  // namespace velmora
