// Clearing results at the player's request: only the game or the player
// asked for goes, from the results file and from the hi-score lines, and a
// results file that cannot be read is left exactly as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "engine/model/outward.h"
#include "program_folder.h"
#include "storage/player_results_file.h"
#include "storage/players.h"
#include "storage/result_recorder.h"
#include "storage/result_reset.h"
#include "storage/score_table.h"

namespace velmora {
namespace {

GameRecord Won(int game, int score) {
    GameRecord r;
    r.game = game;
    r.deal_number = "42";
    r.result = GameResult::kWon;
    r.score = score;
    r.seconds = 300;
    r.moves = 90;
    r.when = {2025, 6, 1, 10, 0, 0};
    return r;
}

class Quiet : public Messages {
  public:
    void ShowInfo(std::string_view) override {}
};

class ClearingResults : public testing::Test {
  protected:
    void SetUp() override {
        params.ParamInit(true, folder.Folder());
        params.SetDataFolder(folder.Folder());
    }
    void Play(const std::string& player, const GameRecord& record) {
        params.ParamWrite(kCurrentPlayer, kCurrentPlayerLength, player);
        ResultRecorder(params, quiet).Record(record);
    }
    std::vector<int> GamesOf(int place) const {
        PlayerResults results;
        std::string why;
        EXPECT_EQ(ReadPlayerResults(PlayerResultsPath(params, place), results, why),
                  PlayerResultsRead::kRead);
        std::vector<int> games;
        for (const GameRecord& r : results.records) games.push_back(r.game);
        return games;
    }
    std::vector<std::string> ScoreLines() const {
        std::vector<std::string> lines;
        for (const ScoreEntry& e : ReadScoreTable(params))
            lines.push_back(e.player + " " + std::to_string(e.record.game));
        std::sort(lines.begin(), lines.end());
        return lines;
    }

    testing_support::ProgramFolder folder;
    ParamRecord params;
    Quiet quiet;
};

TEST_F(ClearingResults, OneGameGoesForOnePlayerOnly) {
    Play("Ann", Won(1, 10));
    Play("Ann", Won(2, 20));
    Play("Bob", Won(1, 30));
    std::string why;
    ASSERT_TRUE(ClearGameResults(params, "Ann", 1, why)) << why;
    EXPECT_EQ(GamesOf(0), std::vector<int>{2});
    EXPECT_EQ(GamesOf(1), std::vector<int>{1});
    EXPECT_EQ(ScoreLines(), (std::vector<std::string>{"Ann 2", "Bob 1"}));
}

TEST_F(ClearingResults, APlayerLosesEveryGameAndNoOneElseDoes) {
    Play("Ann", Won(1, 10));
    Play("Ann", Won(2, 20));
    Play("Bob", Won(2, 30));
    std::string why;
    ASSERT_TRUE(ClearPlayerResults(params, "Ann", why)) << why;
    EXPECT_TRUE(GamesOf(0).empty());
    EXPECT_EQ(GamesOf(1), std::vector<int>{2});
    EXPECT_EQ(ScoreLines(), std::vector<std::string>{"Bob 2"});
    // A player with nothing kept has nothing to clear.
    EXPECT_TRUE(ClearPlayerResults(params, "Nobody", why));
}

// A game deleted for good leaves no results behind for any player, so a
// new game given its number later starts with none; a file that cannot be
// read keeps its player's results without keeping the others'.
TEST_F(ClearingResults, ADeletedGameGoesForEveryPlayer) {
    Play("Ann", Won(8000, 10));
    Play("Ann", Won(2, 20));
    Play("Bob", Won(8000, 30));
    Play("Cid", Won(8000, 40));
    std::ofstream(PlayerResultsPath(params, 1), std::ios::binary | std::ios::trunc) << "broken\n";
    std::string why;
    EXPECT_FALSE(ClearGameResultsOfEveryPlayer(params, 8000, why));
    EXPECT_NE(why.find("cannot be read"), std::string::npos) << why;
    EXPECT_EQ(GamesOf(0), std::vector<int>{2});
    EXPECT_TRUE(GamesOf(2).empty());
    EXPECT_EQ(ScoreLines(), (std::vector<std::string>{"Ann 2", "Bob 8000"}));
}

TEST_F(ClearingResults, AnUnreadableFileIsLeftAsItWasAndTheHiScoresStay) {
    Play("Ann", Won(1, 10));
    const std::string path = PlayerResultsPath(params, 0);
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        << "Velmora player results\nversion 1\nbroken\n";
    std::string why;
    EXPECT_FALSE(ClearGameResults(params, "Ann", 1, why));
    EXPECT_NE(why.find("cannot be read"), std::string::npos) << why;
    std::ifstream in(path, std::ios::binary);
    std::ostringstream kept;
    kept << in.rdbuf();
    EXPECT_EQ(kept.str(), "Velmora player results\nversion 1\nbroken\n");
    EXPECT_EQ(ScoreLines(), std::vector<std::string>{"Ann 1"});
}

TEST(ScoreLinesOfAPlayer, GoWhileOtherLinesStayInPlace) {
    const ScoreEntry ann{Won(3, 5), "Ann"};
    const ScoreEntry long_name{Won(3, 6), std::string(40, 'x')};
    std::string text = WithScoreEntry("", ann);
    text = WithScoreEntry(text, long_name);
    text += "an old line\r\n";
    // Names are kept cut to the column's width: the full name still finds them.
    const std::string left = WithoutScoresOf(text, std::string(40, 'x'), 3);
    EXPECT_EQ(ScoreEntriesOf(left), std::vector<ScoreEntry>{ann});
    EXPECT_NE(left.find("[Version]\r\nVersion=0300\r\n"), std::string::npos);
    EXPECT_NE(left.find("an old line\r\n"), std::string::npos);
    EXPECT_EQ(ScoreEntriesOf(WithoutScoresOf(text, "Ann", 4)).size(), 2u)
        << "another game's lines only";
}

}  // namespace
}  // namespace velmora
