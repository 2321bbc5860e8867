// The players and favorites commands of the main window: the player chosen
// in the players dialog plays from then on, a game in progress stays with
// the player who played it, and the status bar names the player.
#include <QAction>
#include <QLabel>

#include <gtest/gtest.h>

#include "main_window_fixture.h"
#include "storage/players.h"
#include "storage/result_recorder.h"

namespace velmora {
namespace {

using window_test::WindowFixture;

std::string StatusPlayer(WindowFixture& f) {
    return f.Find<QLabel>("lblStatusPlayer")->text().toStdString();
}

size_t GamesOf(WindowFixture& f, const std::string& player) {
    for (const PlayerResults& results : ReadEveryPlayersResults(f.e().params))
        if (results.player == player) return results.records.size();
    return 0;
}

TEST(PlayerCommands, AnotherPlayerTakesOverAfterTheGameInProgressIsLeftAsTheOldOnes) {
    WindowFixture f("ConfirmQuitGame=Y\n");
    f.Show();
    EXPECT_EQ(StatusPlayer(f), "Player: Player 1");
    f.window->StartGameProcedure("77");
    ASSERT_TRUE(window_test::MakeAMove(f));
    f.host.players_dialog = [](ParamRecord&) { return std::optional<std::string>("Player 2"); };

    f.host.answer = false;
    f.Find<QAction>("mnuPlayers")->trigger();
    EXPECT_EQ(f.host.players_shown, 1);
    EXPECT_EQ(CurrentPlayerName(f.e().params), "Player 1") << "the player kept the game";
    EXPECT_EQ(f.host.questions.size(), 1u);

    f.host.answer = true;
    f.Find<QAction>("mnuPlayers")->trigger();
    EXPECT_EQ(CurrentPlayerName(f.e().params), "Player 2");
    EXPECT_NE(f.Settings().find("UserDefault=Player 2\n"), std::string::npos);
    EXPECT_EQ(GamesOf(f, "Player 1"), 1u) << "the game left is the old player's";
    EXPECT_EQ(GamesOf(f, "Player 2"), 0u);
    EXPECT_TRUE(f.e().flags.Get(flag::kInProgress)) << "a new deal for the new player";
    EXPECT_EQ(StatusPlayer(f), "Player: Player 2");
    EXPECT_EQ(f.window->windowTitle().toStdString().rfind("Velmora [Freecell]  [", 0), 0u);

    // The same player again, or none, changes nothing and asks nothing.
    f.host.players_dialog = [](ParamRecord&) { return std::optional<std::string>("Player 2"); };
    f.Find<QAction>("mnuPlayers")->trigger();
    EXPECT_EQ(f.host.questions.size(), 2u);
}

TEST(PlayerCommands, ARenameInTheDialogShowsAtOnce) {
    WindowFixture f;
    f.Show();
    f.host.players_dialog = [](ParamRecord& params) {
        SettingsFile file = OpenSettingsFile(params);
        std::string why;
        RenamePlayer(params, file, 0, "Ann", why);
        return std::optional<std::string>();
    };
    f.Find<QAction>("mnuPlayers")->trigger();
    EXPECT_EQ(CurrentPlayerName(f.e().params), "Ann");
    EXPECT_EQ(StatusPlayer(f), "Player: Ann");
}

TEST(PlayerCommands, FavoritesCommandOffersTheCatalogue) {
    WindowFixture f;
    f.Show();
    EXPECT_TRUE(f.Find<QAction>("mnuFavoriteGames")->isEnabled());
    f.Find<QAction>("mnuFavoriteGames")->trigger();
    EXPECT_EQ(f.host.favorites_catalogue.size(), f.e().main_game.Catalogue().size());
    EXPECT_GE(f.host.favorites_catalogue.size(), 9u);
}

}  // namespace
}  // namespace velmora
