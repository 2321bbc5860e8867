// The player's own games in the window: deleting one forgets what was kept
// under its number, so that a new game given the number later starts fresh.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/model/custom_games.h"
#include "engine/model/games_file.h"
#include "engine/model/games_file_rules.h"
#include "main_window_fixture.h"
#include "storage/custom_games_file.h"
#include "storage/game_autoplay.h"
#include "storage/player_results_file.h"
#include "storage/players.h"
#include "storage/result_recorder.h"
#include "storage/settings_file.h"

namespace velmora {
namespace {

using window_test::WindowFixture;

// The games the current player has results of.
std::vector<int> GamesWithResults(const ParamRecord& params) {
    const int place = FindPlayerPlace(OpenSettingsFile(params), CurrentPlayerName(params));
    PlayerResults results;
    std::string why;
    ReadPlayerResults(PlayerResultsPath(params, place), results, why);
    std::vector<int> games;
    for (const GameRecord& r : results.records) games.push_back(r.game);
    return games;
}

TEST(CustomGameWindow, ADeletedGameLeavesNoAutoplaySwitchNorResultsBehind) {
    RulesRow klondike{};
    {
        WindowFixture catalogue;
        catalogue.Show();
        ASSERT_TRUE(ReadRulesRow(catalogue.e().main_game, catalogue.window->Games(), 2, klondike));
    }
    WindowFixture with_game("", [&klondike](const std::string& folder) {
        CustomGamesFile file = ReadCustomGames(folder + "DATA/VARIANTS.TXT");
        std::string why;
        EXPECT_TRUE(AddCustomGame(file, CustomGame{8000, 2, "Mine", klondike}, why)) << why;
    });
    with_game.Show();
    ASSERT_EQ(GameName(with_game.e().main_game, with_game.window->Games(), 8000), "Mine");
    SettingsFile settings = OpenSettingsFile(with_game.e().params);
    ASSERT_TRUE(WriteGameAutoplay(settings, 8000, false));
    ASSERT_FALSE(GameAutoplayOn(OpenSettingsFile(with_game.e().params), 8000));
    GameRecord won;
    won.game = 8000;
    won.deal_number = "7";
    won.result = GameResult::kWon;
    won.score = 10;
    won.when = {2026, 12, 9, 10, 0, 0};
    ASSERT_TRUE(ResultRecorder(with_game.e().params, *with_game.e().messages).Record(won));
    ASSERT_EQ(GamesWithResults(with_game.e().params), std::vector<int>{8000});

    ASSERT_TRUE(with_game.window->DeleteCustomGame(8000));
    EXPECT_TRUE(GameAutoplayOn(OpenSettingsFile(with_game.e().params), 8000));
    EXPECT_TRUE(GamesWithResults(with_game.e().params).empty());
    EXPECT_EQ(GameName(with_game.e().main_game, with_game.window->Games(), 8000), "");
}

}  // namespace
}  // namespace velmora
