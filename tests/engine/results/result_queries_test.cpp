// The statistics computed from the records: counts, streaks both ways,
// times over won games only, scores over every game, rows per game and per
// player, the newest games first and the ten best wins of a game.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/results/result_queries.h"

namespace velmora {
namespace {

GameRecord Game(int game, GameResult result, int score = 0, int seconds = 100, int minute = 0) {
    GameRecord r;
    r.game = game;
    r.deal_number = "7";
    r.result = result;
    r.score = score;
    r.seconds = seconds;
    r.when = {2024, 3, 5, 14, minute, 0};
    return r;
}

constexpr GameResult W = GameResult::kWon;
constexpr GameResult L = GameResult::kLost;
constexpr GameResult Q = GameResult::kQuit;
constexpr GameResult A = GameResult::kAbandoned;

TEST(ResultQueries, CountsStreaksTimesAndScores) {
    const std::vector<GameRecord> records{
        Game(1, W, 50, 300), Game(1, W, 60, 200), Game(1, L, 10, 5),  Game(1, Q, -20, 1), Game(1, A, 0, 2),
        Game(1, W, 40, 400), Game(1, W, 30, 250), Game(1, W, 20, 260), Game(2, L, 99, 3),
    };
    const ResultSummary s = Summarize(records, 1);
    EXPECT_EQ(s.played, 8);
    EXPECT_EQ(s.won, 5);
    EXPECT_EQ(s.lost, 3) << "quit and abandoned games count as not won";
    EXPECT_DOUBLE_EQ(s.WinRate(), 5.0 / 8.0);
    EXPECT_EQ(s.streak, 3);
    EXPECT_EQ(s.longest_winning_streak, 3);
    EXPECT_EQ(s.longest_losing_streak, 3);
    EXPECT_EQ(s.best_seconds, 200) << "a quick loss is no best time";
    EXPECT_EQ(s.average_seconds, 282) << "1410 / 5";
    EXPECT_EQ(s.best_score, 60);
    EXPECT_EQ(s.average_score, 24) << "190 / 8, rounded";

    const ResultSummary all = Summarize(records);
    EXPECT_EQ(all.played, 9);
    EXPECT_EQ(all.streak, -1) << "the last game, of game 2, was lost";
    EXPECT_EQ(all.best_score, 99);
}

TEST(ResultQueries, NothingPlayedHasNoBestsAndNoRate) {
    const ResultSummary s = Summarize({Game(1, L)}, 5);
    EXPECT_EQ(s.played, 0);
    EXPECT_EQ(s.streak, 0);
    EXPECT_DOUBLE_EQ(s.WinRate(), 0.0);
    EXPECT_FALSE(s.best_seconds);
    EXPECT_FALSE(s.best_score);
    EXPECT_FALSE(s.average_score);
    EXPECT_FALSE(Summarize({Game(1, L)}).best_seconds) << "no win, no time";
}

TEST(ResultQueries, LargeScoresAverageWithoutOverflow) {
    const std::vector<GameRecord> records(5000, Game(1, W, kHighestScore, kLongestGameSeconds));
    const ResultSummary s = Summarize(records);
    EXPECT_EQ(s.average_score, kHighestScore);
    EXPECT_EQ(s.average_seconds, kLongestGameSeconds);
    EXPECT_EQ(s.longest_winning_streak, 5000);
}

TEST(ResultQueries, RowsPerGameAndPerPlayer) {
    const std::vector<GameRecord> records{Game(7, W), Game(2, L), Game(7, L), Game(2, W), Game(2, W)};
    const std::vector<GameRow> rows = RowsPerGame(records);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].game, 2);
    EXPECT_EQ(rows[0].summary.won, 2);
    EXPECT_EQ(rows[0].summary.streak, 2);
    EXPECT_EQ(rows[1].game, 7);
    EXPECT_EQ(rows[1].summary.streak, -1);

    const std::vector<PlayerRow> players =
        RowsPerPlayer({{"Ann", records}, {"Bob", {Game(7, W)}}, {"Cy", {}}}, 7);
    ASSERT_EQ(players.size(), 3u);
    EXPECT_EQ(players[0].player, "Ann");
    EXPECT_EQ(players[0].summary.played, 2);
    EXPECT_EQ(players[1].summary.won, 1);
    EXPECT_EQ(players[2].summary.played, 0);
}

TEST(ResultQueries, LastGamesNewestFirst) {
    const std::vector<GameRecord> records{Game(1, W, 1), Game(1, L, 2), Game(1, A, 3)};
    const std::vector<GameRecord> last = LastGames(records, 2);
    ASSERT_EQ(last.size(), 2u);
    EXPECT_EQ(last[0].score, 3);
    EXPECT_EQ(last[1].score, 2);
    EXPECT_EQ(LastGames(records, 10).size(), 3u);
    EXPECT_TRUE(LastGames({}, 3).empty());
}

TEST(ResultQueries, TopScoresRankByScoreThenTimeThenAge) {
    std::vector<ScoreEntry> entries;
    for (int i = 0; i < 12; ++i) entries.push_back({Game(1, W, i * 10, 100, i), "P"});
    entries.push_back({Game(1, W, 110, 50, 30), "fast"});   // equal score, shorter time
    entries.push_back({Game(1, W, 110, 100, 40), "late"});  // equal score and time, later
    entries.push_back({Game(1, L, 999), "lost"});
    entries.push_back({Game(2, W, 999), "other game"});
    const std::vector<ScoreEntry> top = TopScores(entries, 1);
    ASSERT_EQ(top.size(), kScoresKept);
    EXPECT_EQ(top[0].player, "fast");
    EXPECT_EQ(top[1].record.when.minute, 11) << "the older of two equal wins ranks first";
    EXPECT_EQ(top[2].player, "late");
    EXPECT_EQ(top.back().record.score, 40);
    EXPECT_EQ(TopScores(entries, 2).size(), 1u);
}

TEST(GameRecords, DatesAndLimits) {
    EXPECT_EQ(CompactDateTime({2024, 2, 29, 23, 59, 59}), "20240229235959");
    EXPECT_TRUE(ParseCompactDateTime("20000229000000"));
    for (const char* bad : {"20230229000000", "19000229000000", "20241301000000", "20240100000000",
                            "20240101240000", "20240101006000", "2024010100000", "2024010100000x"})
        EXPECT_FALSE(ParseCompactDateTime(bad)) << bad;
    GameRecord r = Game(1, W);
    EXPECT_TRUE(IsValidRecord(r));
    for (const auto& change : std::vector<void (*)(GameRecord&)>{
             [](GameRecord& g) { g.deal_number = ""; }, [](GameRecord& g) { g.deal_number = "12345678901234"; },
             [](GameRecord& g) { g.deal_number = "12 4"; }, [](GameRecord& g) { g.game = kLastGameId + 1; },
             [](GameRecord& g) { g.score = kLowestScore - 1; }, [](GameRecord& g) { g.seconds = -1; },
             [](GameRecord& g) { g.moves = kMostMoves + 1; }, [](GameRecord& g) { g.when.month = 0; }}) {
        GameRecord changed = r;
        change(changed);
        EXPECT_FALSE(IsValidRecord(changed));
    }
    for (GameResult result : {W, L, Q, A}) EXPECT_EQ(ResultFromName(ResultName(result)), result);
    EXPECT_FALSE(ResultFromName("Won"));
}

}  // namespace
}  // namespace velmora
