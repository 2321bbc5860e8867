// Keeping the ended games of the current player: the player's place in the
// list names the file (a new player is added), a damaged or foreign file is
// set aside and reported once while a new one starts, a disk that takes
// nothing is reported once and play goes on, and won games fill the
// hi-score lines of the score file, ten best per game.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "program_folder.h"
#include "storage/player_results_file.h"
#include "storage/players.h"
#include "storage/result_recorder.h"
#include "storage/score_table.h"
#include "storage/statistics_files.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

GameRecord Game(GameResult result, int score = 100, int game = 2, int minute = 0) {
    GameRecord r;
    r.game = game;
    r.deal_number = "1234567";
    r.result = result;
    r.score = score;
    r.seconds = 754;
    r.moves = 131;
    r.when = {2024, 3, 5, 14, minute, 0};
    return r;
}

// Counts what the player was told.
class CountingMessages : public Messages {
  public:
    void ShowInfo(std::string_view text) override { told.emplace_back(text); }
    std::vector<std::string> told;
};

class Recording : public testing::Test {
  protected:
    void SetUp() override {
        params.ParamInit(true, folder.Folder());
        params.SetDataFolder(folder.Folder());
        params.ParamWrite(kCurrentPlayer, kCurrentPlayerLength, "Player 1");
    }
    std::string Data(const std::string& name) const { return folder.Folder() + "DATA/" + name; }
    std::string Get(const std::string& name) const {
        std::ifstream in(Data(name), std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }
    std::vector<GameRecord> RecordsOf(const std::string& name) const {
        PlayerResults results;
        std::string why;
        EXPECT_EQ(ReadPlayerResults(Data(name), results, why), PlayerResultsRead::kRead) << why;
        return results.records;
    }

    testing_support::ProgramFolder folder;
    ParamRecord params;
    CountingMessages messages;
    ResultRecorder recorder{params, messages};
};

TEST_F(Recording, EachPlayerHasAFileNamedAfterTheirPlaceInTheList) {
    EXPECT_FALSE(HasPlayerStatistics(params));
    ASSERT_TRUE(recorder.Record(Game(GameResult::kLost)));
    EXPECT_TRUE(HasPlayerStatistics(params)) << "the next start is no first run";
    EXPECT_EQ(RecordsOf("Stat_e00.dat"), std::vector<GameRecord>{Game(GameResult::kLost)});
    EXPECT_NE(folder.Settings().find("User001=Player 1"), std::string::npos);

    folder.PutSettings("[Users]\nUser001=Player 1\nUser002=Player 2\nUser003=Player 3\nUser004=\n");
    params.ParamWrite(kCurrentPlayer, kCurrentPlayerLength, "Ann");
    ASSERT_TRUE(recorder.Record(Game(GameResult::kWon)));
    EXPECT_EQ(RecordsOf("Stat_e03.dat").size(), 1u) << "Ann takes the first free place";
    params.ParamWrite(kCurrentPlayer, kCurrentPlayerLength, "Player 2");
    ASSERT_TRUE(recorder.Record(Game(GameResult::kQuit)));
    EXPECT_EQ(RecordsOf("Stat_e01.dat").size(), 1u);

    params.ParamWrite(kCurrentPlayer, kCurrentPlayerLength, "");
    ASSERT_TRUE(recorder.Record(Game(GameResult::kAbandoned)));
    EXPECT_EQ(RecordsOf("Stat_e00.dat").size(), 2u) << "no current player: the one the next start makes current";
    EXPECT_EQ(ReadCurrentPlayerResults(params).records.size(), 2u);
    EXPECT_EQ(ReadEveryPlayersResults(params).size(), 3u);
    EXPECT_TRUE(messages.told.empty());
}

TEST_F(Recording, ADamagedOrForeignFileIsSetAsideOnceAndANewOneStarted) {
    fs::create_directories(Data(""));
    std::ofstream(Data("Stat_e00.dat.bad")) << "an older damaged file";
    std::ofstream(Data("Stat_e00.dat"), std::ios::binary) << std::string("\x07\x00\x01 binary stats", 16);
    ASSERT_TRUE(recorder.Record(Game(GameResult::kLost)));
    ASSERT_EQ(messages.told.size(), 1u);
    EXPECT_NE(messages.told[0].find("set aside as " + Data("Stat_e00.dat.bad")), std::string::npos)
        << messages.told[0];
    EXPECT_EQ(Get("Stat_e00.dat.bad"), std::string("\x07\x00\x01 binary stats", 16)) << "kept, never removed";
    EXPECT_EQ(RecordsOf("Stat_e00.dat").size(), 1u);
    ASSERT_TRUE(recorder.Record(Game(GameResult::kWon)));
    EXPECT_EQ(messages.told.size(), 1u) << "told once";
    EXPECT_EQ(RecordsOf("Stat_e00.dat").size(), 2u);
}

// The records run in a child whose file-size limit refuses every write (the
// signal ignored, so the writes fail instead of killing): the exit code
// tells how often the player was told and whether any record claimed success.
int RecordOnAFullDisk(const ParamRecord& params) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit size{0, 0};
        ::setrlimit(RLIMIT_FSIZE, &size);
        CountingMessages told;
        ResultRecorder recorder(params, told);
        bool any_kept = false;
        for (int i = 0; i < 3; ++i) any_kept = recorder.Record(Game(GameResult::kWon, i)) || any_kept;
        ::_exit(static_cast<int>(told.told.size()) + (any_kept ? 10 : 0));
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(Recording, ADiskThatTakesNothingIsToldOnceAndKeepsTheOldFiles) {
    ASSERT_TRUE(recorder.Record(Game(GameResult::kLost)));
    const std::string before = Get("Stat_e00.dat");
    EXPECT_EQ(RecordOnAFullDisk(params), 1) << "told once, nothing claimed kept";
    EXPECT_EQ(Get("Stat_e00.dat"), before);
}

TEST_F(Recording, WonGamesFillTheScoreLinesTenBestPerGame) {
    for (int i = 0; i < 12; ++i) ASSERT_TRUE(recorder.Record(Game(GameResult::kWon, i * 10, 2, i)));
    ASSERT_TRUE(recorder.Record(Game(GameResult::kWon, 5, 7)));
    ASSERT_TRUE(recorder.Record(Game(GameResult::kLost, 999, 7)));
    const std::string text = Get("STAT_SCR.DAT");
    EXPECT_TRUE(text.starts_with("[Version]\r\nVersion=0300\r\n\r\n"));
    EXPECT_NE(text.find("\r\n000021234567          110007540013120240305141100Player 1"), std::string::npos)
        << "the best of game 2 first, in its columns:\n" << text;
    const std::vector<ScoreEntry> entries = ReadScoreTable(params);
    EXPECT_EQ(entries.size(), 11u) << "ten of game 2, one won game of game 7";
    const std::vector<ScoreEntry> top = TopScores(entries, 2);
    ASSERT_EQ(top.size(), 10u);
    EXPECT_EQ(top.front().record.score, 110);
    EXPECT_EQ(top.back().record.score, 20);
    EXPECT_EQ(top.front().player, "Player 1");
    EXPECT_TRUE(messages.told.empty());
    // The upgrade leaves the table as it is.
    Messages& quiet = messages;
    EXPECT_FALSE(UpgradeScoreFile(params, quiet));
    EXPECT_EQ(Get("STAT_SCR.DAT"), text);
}

TEST_F(Recording, OtherLinesOfTheScoreFileAreKeptAndAnOlderFileIsLeftToTheUpgrade) {
    fs::create_directories(Data(""));
    const std::string old_line = "0" + std::string(88, '9') + " x";
    std::ofstream(Data("STAT_SCR.DAT"), std::ios::binary) << "[Version]\r\nVersion=0300\r\n\r\n" << old_line
                                                          << "\r\nnote\r\n";
    ASSERT_TRUE(recorder.Record(Game(GameResult::kWon)));
    const std::string text = Get("STAT_SCR.DAT");
    EXPECT_NE(text.find(old_line + "\r\nnote\r\n"), std::string::npos) << text;
    EXPECT_EQ(ReadScoreTable(params).size(), 1u);

    std::ofstream(Data("STAT_SCR.DAT"), std::ios::binary) << "0old line\r\n";
    ASSERT_TRUE(recorder.Record(Game(GameResult::kWon)));
    EXPECT_EQ(Get("STAT_SCR.DAT"), "0old line\r\n");
}

TEST(ScoreLines, ReadBackExactlyAndRefuseAnythingElse) {
    ScoreEntry entry{Game(GameResult::kWon, -52), "A name of exactly thirty chars"};
    const std::string line = FormatScoreLine(entry);
    ASSERT_EQ(line.size(), 91u);
    EXPECT_EQ(line.substr(49, 30), entry.player);
    EXPECT_EQ(ParseScoreLine(line), entry);
    entry.player = "Bo";
    EXPECT_EQ(ParseScoreLine(FormatScoreLine(entry)), entry);
    for (size_t at : {0u, 1u, 5u, 20u, 26u, 31u, 36u, 42u, 85u, 90u}) {
        std::string changed = line;
        changed[at] = 'z';
        EXPECT_FALSE(ParseScoreLine(changed)) << at;
    }
    EXPECT_FALSE(ParseScoreLine(line.substr(0, 90)));
    EXPECT_FALSE(ParseScoreLine(line + " "));
}

}  // namespace
}  // namespace velmora
