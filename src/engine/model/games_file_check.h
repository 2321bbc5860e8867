#pragma once
// Whether the sections read from GAMES.DAT hold a catalogue the engine can
// play. A damaged file (empty, cut short, overwritten with other bytes)
// still splits into sections, mostly empty ones or ones with garbled values;
// playing from them would show nonsense or nothing. The start-up refuses
// such a file as it refuses a missing one.

#include <cstddef>
#include <string>

#include "engine/model/games_file.h"

namespace velmora {

// Far above any catalogue this program reads (a thousand games of 401
// values each stay below 5 MB): a larger file is refused unread.
inline constexpr size_t kMaxGamesFileBytes = 8u << 20;

enum class GamesFault {
    kNone,
    kTooLarge,       // larger than kMaxGamesFileBytes
    kNoGames,        // no game of this edition in "[Sect1]"
    kBadCatalogue,   // a listed game without a three-digit id, or too many games
    kMissingRules,   // "[Sect2]" lacks lines, or a line is not the entry of its position
    kBadValue,       // a game's value is no number or does not fit 16 bits
    kOutOfRange,     // a game's value lies outside what the engine can play
};

struct GamesCheck {
    GamesFault fault = GamesFault::kNone;
    int game = -1;   // the catalogue position k of the faulty game, else -1
    int entry = -1;  // the rules entry at fault, else -1
    bool ok() const { return fault == GamesFault::kNone; }
};

// Checks the catalogue, that "[Sect2]" holds entries 0 .. 400 in order, and
// every listed game's values: numbers that fit 16 bits, and the pile counts,
// card counts and fan modes within what the engine deals and draws. Stops at
// the first fault.
GamesCheck CheckGamesData(const GamesData& data);

// The values of one whole rules row (a variant's) against the same ranges;
// `game` of the result stays -1.
GamesCheck CheckRulesRow(const RulesRow& row);

// A short English description of the fault, for the player's box.
std::string DescribeGamesFault(const GamesCheck& check);

enum class GamesFileStatus {
    kRead,
    kMissing,     // no file of that name in any case of letters
    kUnreadable,  // there but not readable: a folder, no permission, an input error
    kDamaged,     // read, but too large or no catalogue the engine can play
};

struct GamesFileResult {
    GamesFileStatus status = GamesFileStatus::kRead;
    GamesCheck check;  // what is damaged
};

// Reads (at most kMaxGamesFileBytes), splits and checks the file at `path`
// (or the one whose name differs only in case). `out` is empty unless the
// status is kRead.
GamesFileResult LoadGamesFile(const std::string& path, GamesData& out);

}  // namespace velmora
