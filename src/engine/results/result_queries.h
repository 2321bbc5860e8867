#pragma once
// What the statistics show, computed from the records of ended games in the
// order they ended (oldest first). A game counts as won or as not won: a
// loss, a quit and an abandoned game all break a winning streak and count
// as lost. Times are those of won games (a quick loss is no good time);
// scores are those of every recorded game.

#include <optional>
#include <string>
#include <vector>

#include "engine/results/game_record.h"

namespace velmora {

struct ResultSummary {
    int played = 0;
    int won = 0;
    int lost = 0;
    // Wins in a row at the end (positive), or games not won (negative).
    int streak = 0;
    int longest_winning_streak = 0;
    int longest_losing_streak = 0;
    std::optional<int> best_seconds;     // of won games
    std::optional<int> average_seconds;  // of won games, rounded
    std::optional<int> best_score;
    std::optional<int> average_score;    // rounded
    // Won out of played, 0 to 1; 0 when nothing was played.
    double WinRate() const { return played == 0 ? 0.0 : static_cast<double>(won) / played; }
};

// Over every record, or only those of `game`.
ResultSummary Summarize(const std::vector<GameRecord>& records, std::optional<int> game = std::nullopt);

struct GameRow {
    int game = 0;
    ResultSummary summary;
};
// One row per game played, by game number.
std::vector<GameRow> RowsPerGame(const std::vector<GameRecord>& records);

struct PlayerResults {
    std::string player;
    std::vector<GameRecord> records;
};
struct PlayerRow {
    std::string player;
    ResultSummary summary;
};
// One row per player, in the order given, over every game or only `game`.
std::vector<PlayerRow> RowsPerPlayer(const std::vector<PlayerResults>& players,
                                     std::optional<int> game = std::nullopt);

// The last `count` games, newest first.
std::vector<GameRecord> LastGames(const std::vector<GameRecord>& records, size_t count);

// A line of the hi-score table: a won game and who won it.
struct ScoreEntry {
    GameRecord record;
    std::string player;
    bool operator==(const ScoreEntry&) const = default;
};
inline constexpr size_t kScoresKept = 10;
// True when `a` ranks above `b`: the higher score, then the shorter time,
// then the earlier win (a new entry never pushes out an equal older one).
bool RanksAbove(const ScoreEntry& a, const ScoreEntry& b);
// The best `count` won games of `game`, best first.
std::vector<ScoreEntry> TopScores(const std::vector<ScoreEntry>& entries, int game, size_t count = kScoresKept);

}  // namespace velmora
