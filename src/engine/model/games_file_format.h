#pragma once
// The columns of the game-definition file GAMES.DAT. The reader in the
// engine and the encoder in tools/gamesdat both take them from here, so the
// two cannot disagree. Columns are 1-based, as the fixed-column reads are.
//
// The file is plain text in sections. "[Sect1]" holds one catalogue line per
// game and "[Sect2]" one rules line per rules entry. Section headers and the
// entry-number column of the rules lines are plain; every other field is
// stored character-shifted (ShiftChar / ShiftText).

#include <string_view>

namespace velmora::games_format {

inline constexpr std::string_view kFileName = "GAMES.DAT";
inline constexpr std::string_view kCatalogueHeader = "[Sect1]";
inline constexpr std::string_view kRulesHeader = "[Sect2]";

// Catalogue line, after decoding the whole line.
inline constexpr int kTypeColumn = 1;  // game type read by the selection dialog
inline constexpr int kTypeWidth = 3;
inline constexpr int kIdColumn = 5;  // game id, three digits
inline constexpr int kIdWidth = 3;
inline constexpr int kAvailabilityColumn = 8;  // "0" or "2": in this edition's catalogue
inline constexpr int kNewFlagColumn = 10;      // "1": shown as a new game
inline constexpr int kNameColumn = 11;
inline constexpr int kNameWidth = 50;
inline constexpr int kCatalogueLineWidth = kNameColumn + kNameWidth - 1;

// Ids from here on are never in the catalogue.
inline constexpr int kFirstNonCatalogueId = 8000;

inline constexpr bool IsAvailability(char c) { return c == '0' || c == '2'; }

// Rules line: the entry number in plain text, then one 10-character value per
// catalogue game k. The character after each value is not read.
inline constexpr int kEntryColumn = 1;
inline constexpr int kEntryWidth = 4;
inline constexpr int kValueWidth = 10;
inline constexpr int kValueStride = 11;
inline constexpr int kFirstValueColumn = 17;
inline constexpr int ValueColumn(int k) { return kFirstValueColumn + kValueStride * k; }

// The file carries entries 0 .. 400. Entry 401 is the program's own: loading
// a game never clears or sets it.
inline constexpr int kGameEntries = 401;

}  // namespace velmora::games_format
