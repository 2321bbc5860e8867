// The list of players: adding, renaming and deleting keep every player's
// results with that player (places never move, a deleted player's results
// go before the place is freed), names are checked, the current player
// follows a rename or a deletion, and the start-up keeps a list it finds.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "program_folder.h"
#include "storage/player_results_file.h"
#include "storage/players.h"
#include "storage/preference_keys.h"
#include "storage/result_recorder.h"
#include "storage/score_table.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

GameRecord Game(int score) {
    GameRecord r;
    r.game = 2;
    r.deal_number = "77";
    r.result = GameResult::kWon;
    r.score = score;
    r.seconds = 60;
    r.moves = 40;
    r.when = {2024, 3, 5, 14, 0, 0};
    return r;
}

class PlayerList : public testing::Test {
  protected:
    void SetUp() override {
        params.ParamInit(true, folder.Folder());
        params.SetDataFolder(folder.Folder());
        folder.PutSettings("[Preference]\nUserDefault=Bea\n[Users]\nUser001=Ann\nUser002=Bea\nUser003=Cy\n");
        params.ParamWrite(kCurrentPlayer, kCurrentPlayerLength, "Bea");
        // Each player's results carry a score that tells whose they are.
        for (int place = 0; place < 3; ++place)
            ASSERT_TRUE(WritePlayerResults(PlayerResultsPath(params, place), {"", {Game(100 + place)}}));
    }
    SettingsFile File() const { return OpenSettingsFile(params); }
    // Each player of the list with the score of their results (-1: none).
    std::vector<std::pair<std::string, int>> ResultsByPlayer() const {
        std::vector<std::pair<std::string, int>> found;
        for (const PlayerEntry& player : ReadPlayerList(File())) {
            PlayerResults results;
            std::string why;
            const bool read = ReadPlayerResults(PlayerResultsPath(params, player.place), results, why) ==
                              PlayerResultsRead::kRead;
            found.emplace_back(player.name, read ? results.records.at(0).score : -1);
        }
        return found;
    }

    testing_support::ProgramFolder folder;
    ParamRecord params;
    std::string why;
};

using Pairs = std::vector<std::pair<std::string, int>>;

TEST_F(PlayerList, ResultsStayWithTheirPlayerThroughAddRenameAndDelete) {
    SettingsFile file = File();
    ASSERT_TRUE(RenamePlayer(params, file, 2, "Cyril", why)) << why;
    EXPECT_EQ(ResultsByPlayer(), (Pairs{{"Ann", 100}, {"Bea", 101}, {"Cyril", 102}}));

    ASSERT_TRUE(DeletePlayer(params, file, 0, why)) << why;
    EXPECT_FALSE(fs::exists(PlayerResultsPath(params, 0))) << "the deleted player's results go with them";
    EXPECT_EQ(ResultsByPlayer(), (Pairs{{"Bea", 101}, {"Cyril", 102}}));

    EXPECT_EQ(AddPlayer(params, file, "Dan", why), 0) << "the freed place, without Ann's results";
    EXPECT_EQ(ResultsByPlayer(), (Pairs{{"Dan", -1}, {"Bea", 101}, {"Cyril", 102}}));

    // The recorder finds each player where the list puts them.
    params.ParamWrite(kCurrentPlayer, kCurrentPlayerLength, "Cyril");
    EXPECT_EQ(ReadCurrentPlayerResults(params).records.at(0).score, 102);
    EXPECT_EQ(ReadEveryPlayersResults(params).size(), 2u);
}

TEST_F(PlayerList, TheHiScoresFollowARenameAndGoWithADeletion) {
    for (const char* name : {"Ann", "Bea", "Cy"})
        ASSERT_EQ(AddToScoreTable(params, {Game(name[0]), name}), ScoreTableWrite::kWritten);
    auto names = [this] {
        std::vector<std::string> found;
        for (const ScoreEntry& entry : ReadScoreTable(params)) found.push_back(entry.player);
        std::sort(found.begin(), found.end());
        return found;
    };
    SettingsFile file = File();
    ASSERT_TRUE(RenamePlayer(params, file, 2, "Cyril", why)) << why;
    EXPECT_EQ(names(), (std::vector<std::string>{"Ann", "Bea", "Cyril"}));
    ASSERT_TRUE(DeletePlayer(params, file, 0, why)) << why;
    EXPECT_EQ(names(), (std::vector<std::string>{"Bea", "Cyril"}));
    for (const ScoreEntry& entry : ReadScoreTable(params))
        EXPECT_EQ(entry.record.score, entry.player[0]) << "each score stays with its player";
}

TEST_F(PlayerList, APlaceStillHoldingResultsIsNeverGivenToANewPlayer) {
    SettingsFile file = File();
    // A list emptied by hand, with a results file left at place 3.
    file.WriteOther(kUsersSection, "User004", "");
    ASSERT_TRUE(WritePlayerResults(PlayerResultsPath(params, 3), {"Old", {Game(7)}}));
    EXPECT_EQ(AddPlayer(params, file, "Eve", why), 4);
    EXPECT_EQ(ReadPlayerList(file).back().name, "Eve");
}

TEST_F(PlayerList, BadNamesAreRefusedWithAReason) {
    SettingsFile file = File();
    const std::vector<std::string> bad_names = {"", "   ", "bea", " CY ", std::string(31, 'x'), "a\tb", "a\nb"};
    for (const std::string& bad : bad_names) {
        EXPECT_EQ(AddPlayer(params, file, bad, why), -1) << bad;
        EXPECT_FALSE(why.empty()) << bad;
    }
    EXPECT_EQ(ReadPlayerList(file).size(), 3u);
    EXPECT_FALSE(RenamePlayer(params, file, 0, "Bea", why));
    EXPECT_FALSE(RenamePlayer(params, file, 7, "Zed", why)) << "no player there";

    // Blanks around a name go; 30 characters fit; a player may change the case of their own name.
    EXPECT_EQ(AddPlayer(params, file, "  Dan  ", why), 3) << why;
    EXPECT_EQ(ReadPlayerList(file).back().name, "Dan");
    EXPECT_GE(AddPlayer(params, file, std::string(30, 'y'), why), 0) << why;
    EXPECT_TRUE(RenamePlayer(params, file, 0, "ANN", why)) << why;
    EXPECT_EQ(ReadPlayerList(file).front().name, "ANN");
}

TEST_F(PlayerList, TheCurrentPlayerFollowsARenameOrADeletion) {
    SettingsFile file = File();
    ASSERT_TRUE(RenamePlayer(params, file, 1, "Beatrice", why));
    EXPECT_EQ(CurrentPlayerName(params), "Beatrice");
    EXPECT_EQ(file.Read(key::kUserDefault), "Beatrice");
    ASSERT_TRUE(RenamePlayer(params, file, 0, "Anna", why));
    EXPECT_EQ(CurrentPlayerName(params), "Beatrice") << "another player's rename leaves the current one";

    ASSERT_TRUE(DeletePlayer(params, file, 1, why));
    EXPECT_EQ(CurrentPlayerName(params), "Anna") << "the first player left";
    EXPECT_EQ(file.Read(key::kUserDefault), "Anna");
    ASSERT_TRUE(DeletePlayer(params, file, 2, why));
    EXPECT_FALSE(DeletePlayer(params, file, 0, why)) << "the last player stays";
    EXPECT_EQ(ReadPlayerList(file).size(), 1u);
}

TEST_F(PlayerList, APlayerWhoseResultsCannotBeRemovedIsKept) {
    SettingsFile file = File();
    const std::string results = PlayerResultsPath(params, 2);
    fs::remove(results);
    fs::create_directories(fs::path(results) / "inside");
    EXPECT_FALSE(DeletePlayer(params, file, 2, why));
    EXPECT_NE(why.find("cannot be removed"), std::string::npos) << why;
    EXPECT_EQ(ReadPlayerList(file).size(), 3u);
}

TEST_F(PlayerList, StartUpKeepsTheListItFindsWhenNoPlayerIsCurrent) {
    folder.PutSettings("[Users]\nUser001=\nUser002=Bea\nUser003=Cy\n");
    params.ParamWrite(kCurrentPlayer, kCurrentPlayerLength, "");
    SettingsFile file = File();
    EnsureDefaultPlayers(params, file);
    EXPECT_EQ(CurrentPlayerName(params), "Bea");
    EXPECT_EQ(file.Read(key::kUserDefault), "Bea");
    EXPECT_EQ(ReadPlayerList(file).size(), 2u) << "no default player written over Bea's or Cy's place";
}

}  // namespace
}  // namespace velmora
