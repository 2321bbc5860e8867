// "new" does what the window does once a deal lies on the table: automatic
// play, when it is on, takes what it can home at once.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "engine/model/custom_games.h"
#include "session.h"
#include "storage/custom_games_file.h"

namespace velmora::cli {
namespace {

TEST(NewCommand, AutomaticPlayRunsOnTheDealtTableOnlyWhenOn) {
    Session by_hand;
    by_hand.Lines("autoplay off");
    by_hand.Lines("new 1 1");
    EXPECT_EQ(by_hand.State("Dest1"), "Dest1");
    const std::string fila8 = by_hand.State("Fila8");
    ASSERT_EQ(fila8.substr(fila8.size() - 5), " 0011") << "the Ace of hearts lies free";

    Session automatic;
    automatic.Lines("new 1 1");
    EXPECT_EQ(automatic.State("Dest1"), "Dest1 0011");
    EXPECT_EQ(automatic.State("score"), "score -47");
    // The automatic moves right after the deal belong to the deal: the
    // player's undo does not take them back.
    EXPECT_EQ(automatic.Say("undo"), "nothing");
    EXPECT_EQ(automatic.State("Dest1"), "Dest1 0011");
}

// The player's own games are dealt by their numbers once read, exactly as
// the game they were made from when their rules are the same; a block that
// cannot be read is named and never dealt.
TEST(NewCommand, DealsThePlayersOwnGamesOnceRead) {
    Session s;
    EXPECT_EQ(s.Raw("new 8000 5").back(), "error: unknown game id '8000'");

    CustomGame mine;
    mine.id = 8000;
    mine.base = 2;
    mine.name = "My Klondike";
    ASSERT_TRUE(ReadRulesRow(s.engine().main_game, s.driver().games(), 2, mine.entries));
    const auto path = std::filesystem::temp_directory_path() / "velmora_cli_variants.txt";
    std::ofstream(path, std::ios::binary) << FormatCustomGames({mine}) << "[game 8001]\nname = Broken\nbase = 2\nnonsense = 1\n";

    const std::vector<std::string> read = s.Lines("variants " + path.string());
    std::filesystem::remove(path);
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[0], "8000 My Klondike");
    EXPECT_EQ(read[1].rfind("refused: ", 0), 0u) << read[1];

    s.Lines("new 8000 5");
    const std::string mine_dealt = s.State("Fila7");
    s.Lines("new 2 5");
    EXPECT_EQ(mine_dealt, s.State("Fila7"));
    EXPECT_EQ(s.Raw("new 8001 5").back(), "error: unknown game id '8001'");
}

}  // namespace
}  // namespace velmora::cli
