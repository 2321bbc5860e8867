#pragma once
// One ended game as the player's results keep it: which game and deal, how
// it ended, the score, the playing time, the moves and when it ended.

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

enum class GameResult {
    kWon,
    kLost,       // no move was left
    kQuit,       // given up through the Quit game command
    kAbandoned,  // left for another game, or the window closed, after a move
};

// "won", "lost", "quit", "abandoned": the words the files and the driver use.
std::string_view ResultName(GameResult result);
std::optional<GameResult> ResultFromName(std::string_view name);

// A local date and time, to the second.
struct DateTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    auto operator<=>(const DateTime&) const = default;
};

// A real calendar date (leap years counted) and a time of day.
bool IsValidDateTime(const DateTime& when);
// "YYYYMMDDhhmmss", 14 digits; nothing for anything else or an impossible date.
std::string CompactDateTime(const DateTime& when);
std::optional<DateTime> ParseCompactDateTime(std::string_view text);

// Limits a record must keep so that every file can hold it.
inline constexpr int kLastGameId = 9999;
inline constexpr int kLowestScore = -999999;
inline constexpr int kHighestScore = 9999999;
inline constexpr int kLongestGameSeconds = 24 * 60 * 60 - 1;
inline constexpr int kMostMoves = 99999;

struct GameRecord {
    int game = 0;             // catalogue number
    std::string deal_number;  // 1 to 13 digits
    GameResult result = GameResult::kAbandoned;
    int score = 0;
    int seconds = 0;          // the game clock
    int moves = 0;
    DateTime when;            // when it ended
    bool operator==(const GameRecord&) const = default;
};

// Every field within its limits (the deal number digits only).
bool IsValidRecord(const GameRecord& record);

}  // namespace velmora
