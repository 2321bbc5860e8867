// The window records the player's games: a win once (the summary's new deal
// adds nothing) so that the next start is no first run, a game left by New
// after a move as abandoned, and a game kept at the close not at all.
#include <QAction>

#include <gtest/gtest.h>

#include <filesystem>

#include "engine/play/end_game.h"
#include "main_window_fixture.h"
#include "storage/player_results_file.h"
#include "storage/result_recorder.h"
#include "storage/statistics_files.h"

namespace velmora {
namespace {

using window_test::WindowFixture;

std::vector<GameRecord> Recorded(WindowFixture& f) { return ReadCurrentPlayerResults(f.e().params).records; }

TEST(GameResultsWindow, AWinIsRecordedOnceAndTheNextStartIsNoFirstRun) {
    WindowFixture f("Winning_Animations=Circles\nWinning_Animations_Time=0\nSpeed_Move_Card=0\n");
    f.host.after_game = SummaryChoice::NewGame;
    f.Show();
    f.window->StartGameProcedure("77");
    EXPECT_FALSE(HasPlayerStatistics(f.e().params));
    ASSERT_TRUE(window_test::MakeAMove(f));
    f.e().flags.Set(flag::kFinished, true);
    EXPECT_TRUE(EndGame(f.e()));
    f.Settle();
    ASSERT_EQ(f.host.summaries.size(), 1u);
    EXPECT_TRUE(f.e().flags.Get(flag::kInProgress)) << "the summary dealt a new game";
    const std::vector<GameRecord> games = Recorded(f);
    ASSERT_EQ(games.size(), 1u);
    EXPECT_EQ(games[0].result, GameResult::kWon);
    EXPECT_TRUE(games[0].deal_number.ends_with("77")) << games[0].deal_number;
    EXPECT_EQ(games[0].moves, 1);
    EXPECT_TRUE(HasPlayerStatistics(f.e().params));
}

TEST(GameResultsWindow, NewAfterAMoveAbandonsAndAKeptGameIsNotRecorded) {
    WindowFixture f;
    f.Show();
    f.window->StartGameProcedure("77");
    f.window->mnuNewClick();
    EXPECT_TRUE(Recorded(f).empty()) << "no move, nothing to record";
    ASSERT_TRUE(window_test::MakeAMove(f));
    f.window->mnuNewClick();
    ASSERT_EQ(Recorded(f).size(), 1u);
    EXPECT_EQ(Recorded(f)[0].result, GameResult::kAbandoned);

    ASSERT_TRUE(window_test::MakeAMove(f));
    f.window->close();
    EXPECT_EQ(Recorded(f).size(), 1u) << "the kept game counts when it ends";
    EXPECT_TRUE(std::filesystem::exists(f.Folder() + "DATA/RESUME.DAT"));
}

TEST(GameResultsWindow, QuitGameIsAQuitAndRestartsOfADealAreOneAbandonedTry) {
    WindowFixture f;
    f.Show();
    f.window->StartGameProcedure("77");
    ASSERT_TRUE(window_test::MakeAMove(f));
    f.window->mnuQuitGameClick();
    ASSERT_EQ(Recorded(f).size(), 1u);
    EXPECT_EQ(Recorded(f)[0].result, GameResult::kQuit);
    f.window->mnuNewClick();
    EXPECT_EQ(Recorded(f).size(), 1u) << "the game given up is recorded once";

    for (int restart = 0; restart < 3; ++restart) {
        ASSERT_TRUE(window_test::MakeAMove(f));
        f.window->mnuRestartGameClick();
    }
    ASSERT_EQ(Recorded(f).size(), 2u) << "every restart of the deal recorded again";
    EXPECT_EQ(Recorded(f)[1].result, GameResult::kAbandoned);
    ASSERT_TRUE(window_test::MakeAMove(f));
    f.window->mnuNewClick();
    EXPECT_EQ(Recorded(f).size(), 2u) << "leaving the restarted deal is still that one try";
    ASSERT_TRUE(window_test::MakeAMove(f));
    f.window->mnuNewClick();
    EXPECT_EQ(Recorded(f).size(), 3u) << "the next deal is a try of its own";
}

}  // namespace
}  // namespace velmora
