// The driver keeps results as the program does: a game left after a move is
// abandoned, one left untouched is not recorded, a win is recorded once
// (the deal that follows adds nothing), and stats answers from the files.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

#include "engine/play/end_game.h"
#include "session.h"

namespace velmora::cli {
namespace {

namespace fs = std::filesystem;

class KeptResults : public testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "velmora-results-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder = pattern + "/";
        s.driver().KeepResults(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    // "played 1", "won 0" ... as one line.
    std::string Stats(const std::string& game = "") {
        std::string all;
        for (const std::string& line : s.Lines("stats" + (game.empty() ? "" : " " + game))) all += line + "; ";
        return all;
    }
    void MakeAMove() {
        const std::vector<std::string> moves = s.Lines("moves");
        ASSERT_FALSE(moves.empty());
        std::istringstream first(moves.front());
        std::string code, from, to;
        first >> code >> from >> to;
        ASSERT_EQ(s.Say("drop " + code + " " + to), "moved");
    }

    Session s;
    std::string folder;
};

TEST_F(KeptResults, OnlyGamesWithAMoveCountWhenLeft) {
    s.Lines("new 1 7");
    s.Lines("new 1 8");
    EXPECT_EQ(Stats(), "played 0; won 0; lost 0; streak 0; best_time -; best_score -; ");
    MakeAMove();
    s.Lines("new 1 9");
    EXPECT_EQ(Stats(), "played 1; won 0; lost 1; streak -1; best_time -; best_score -42; ");
    EXPECT_TRUE(fs::exists(folder + "DATA/Stat_e00.dat"));
    s.Lines("give-up");
    EXPECT_EQ(Stats().substr(0, 9), "played 1;") << "a game given up without a move is not recorded";
    s.Lines("new 1 10");
    MakeAMove();
    s.Lines("give-up");
    EXPECT_EQ(s.Raw("give-up").back(), "error: no game in progress");
    EXPECT_EQ(Stats("1").substr(0, 9), "played 2;");
    EXPECT_EQ(Stats("2"), "played 0; won 0; lost 0; streak 0; best_time -; best_score -; ");
}

TEST_F(KeptResults, AWinIsRecordedOnce) {
    s.Lines("new 1 7");
    MakeAMove();
    s.engine().flags.Set(flag::kFinished, true);
    ASSERT_TRUE(EndGame(s.engine()));
    s.Lines("new 1 8");
    const std::vector<std::string> stats = s.Lines("stats 1");
    ASSERT_EQ(stats.size(), 6u);
    EXPECT_EQ(stats[0], "played 1");
    EXPECT_EQ(stats[1], "won 1");
    EXPECT_EQ(stats[3], "streak 1");
    EXPECT_NE(stats[4], "best_time -");
    EXPECT_TRUE(fs::exists(folder + "DATA/STAT_SCR.DAT")) << "a win enters the hi-score lines";
}

TEST_F(KeptResults, RestartsOfADealCountAsOneAbandonedTryAndLoadingLeavesTheGame) {
    s.Lines("new 1 7");
    MakeAMove();
    s.Lines("restart");
    EXPECT_EQ(Stats().substr(0, 9), "played 1;");
    MakeAMove();
    s.Lines("restart");
    MakeAMove();
    s.Lines("restart");
    EXPECT_EQ(Stats().substr(0, 9), "played 1;") << "each restart of the same deal recorded again";
    MakeAMove();
    s.Lines("give-up");
    EXPECT_EQ(Stats().substr(0, 9), "played 2;") << "giving the restarted deal up is its own result";
    const std::string saved = folder + "kept.vsg";
    s.Lines("new 1 8");
    MakeAMove();
    ASSERT_EQ(s.Say("save " + saved), "saved");
    s.Lines("new 1 9");
    EXPECT_EQ(Stats().substr(0, 9), "played 3;");
    MakeAMove();
    s.Lines("load " + saved);
    EXPECT_EQ(Stats().substr(0, 9), "played 4;") << "the game the loaded one replaces is left";
}

TEST_F(KeptResults, WrongArgumentsAreRefused) {
    EXPECT_EQ(s.Raw("stats x").back(), "error: a game id is 0 to 9999");
    EXPECT_EQ(s.Raw("stats 1 2").back(), "error: usage: stats [<game>]");
    EXPECT_EQ(s.Raw("give-up now").back(), "error: give-up takes no arguments");
    Session without;
    EXPECT_EQ(without.Raw("stats").back(), "error: no results are kept");
}

}  // namespace
}  // namespace velmora::cli
