#include "engine/results/result_queries.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace velmora {

namespace {

// Sums in 64 bits: thousands of records of large scores stay exact.
struct Average {
    int64_t sum = 0;
    int64_t count = 0;
    void Add(int value) {
        sum += value;
        ++count;
    }
    std::optional<int> Value() const {
        if (count == 0) return std::nullopt;
        return static_cast<int>(std::llround(static_cast<double>(sum) / static_cast<double>(count)));
    }
};

void KeepLowest(std::optional<int>& best, int value) {
    if (!best || value < *best) best = value;
}

void KeepHighest(std::optional<int>& best, int value) {
    if (!best || value > *best) best = value;
}

}  // namespace

ResultSummary Summarize(const std::vector<GameRecord>& records, std::optional<int> game) {
    ResultSummary s;
    Average seconds;
    Average scores;
    for (const GameRecord& r : records) {
        if (game && r.game != *game) continue;
        ++s.played;
        const bool won = r.result == GameResult::kWon;
        if (won) {
            ++s.won;
            s.streak = s.streak > 0 ? s.streak + 1 : 1;
            s.longest_winning_streak = std::max(s.longest_winning_streak, s.streak);
            KeepLowest(s.best_seconds, r.seconds);
            seconds.Add(r.seconds);
        } else {
            ++s.lost;
            s.streak = s.streak < 0 ? s.streak - 1 : -1;
            s.longest_losing_streak = std::max(s.longest_losing_streak, -s.streak);
        }
        KeepHighest(s.best_score, r.score);
        scores.Add(r.score);
    }
    s.average_seconds = seconds.Value();
    s.average_score = scores.Value();
    return s;
}

std::vector<GameRow> RowsPerGame(const std::vector<GameRecord>& records) {
    std::map<int, std::vector<GameRecord>> by_game;
    for (const GameRecord& r : records) by_game[r.game].push_back(r);
    std::vector<GameRow> rows;
    for (const auto& [game, own] : by_game) rows.push_back({game, Summarize(own)});
    return rows;
}

std::vector<PlayerRow> RowsPerPlayer(const std::vector<PlayerResults>& players, std::optional<int> game) {
    std::vector<PlayerRow> rows;
    for (const PlayerResults& p : players) rows.push_back({p.player, Summarize(p.records, game)});
    return rows;
}

std::vector<GameRecord> LastGames(const std::vector<GameRecord>& records, size_t count) {
    const size_t n = std::min(count, records.size());
    return std::vector<GameRecord>(records.rbegin(), records.rbegin() + static_cast<std::ptrdiff_t>(n));
}

bool RanksAbove(const ScoreEntry& a, const ScoreEntry& b) {
    if (a.record.score != b.record.score) return a.record.score > b.record.score;
    if (a.record.seconds != b.record.seconds) return a.record.seconds < b.record.seconds;
    return a.record.when < b.record.when;
}

std::vector<ScoreEntry> TopScores(const std::vector<ScoreEntry>& entries, int game, size_t count) {
    std::vector<ScoreEntry> top;
    for (const ScoreEntry& e : entries)
        if (e.record.game == game && e.record.result == GameResult::kWon) top.push_back(e);
    std::stable_sort(top.begin(), top.end(), RanksAbove);
    if (top.size() > count) top.resize(count);
    return top;
}

}  // namespace velmora
