// The player's results file: what is written reads back the same; a cut, a
// changed byte, another version or a sealed but malformed line refuses the
// whole file; and a writer killed at any instant leaves the old file or the
// new one, whole, with at most a temporary that the start-up sweeps away.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <thread>

#include "platform/temporary_files.h"
#include "program_folder.h"
#include "storage/player_results_file.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using testing_support::ProgramFolder;

GameRecord Record(int i) {
    GameRecord r;
    r.game = 1 + i % 40;
    r.deal_number = std::to_string(1000 + i);
    r.result = static_cast<GameResult>(i % 4);
    r.score = i % 3 == 0 ? -52 : i;
    r.seconds = i % 3600;
    r.moves = i % 500;
    r.when = {2024, 1 + i % 12, 1 + i % 28, i % 24, i % 60, (i * 7) % 60};
    return r;
}

PlayerResults Sample(int count) {
    PlayerResults results{"Ann Example", {}};
    for (int i = 0; i < count; ++i) results.records.push_back(Record(i));
    return results;
}

// FNV-1a, 64 bits, computed here independently: the seal of a body.
std::string Sealed(const std::string& body) {
    uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : body) hash = (hash ^ c) * 1099511628211ull;
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
    return body + "end " + hex + "\n";
}

bool Parses(const std::string& text) {
    PlayerResults read;
    std::string why;
    const bool ok = ParsePlayerResults(text, read, why);
    if (!ok) {
        EXPECT_FALSE(why.empty());
        EXPECT_TRUE(read.records.empty()) << "nothing of a refused file is kept";
    }
    return ok;
}

TEST(PlayerResultsFile, WhatIsWrittenReadsBackTheSame) {
    for (int count : {0, 1, 57}) {
        const PlayerResults results = Sample(count);
        PlayerResults read;
        std::string why;
        ASSERT_TRUE(ParsePlayerResults(FormatPlayerResults(results), read, why)) << why;
        EXPECT_EQ(read.player, results.player);
        EXPECT_EQ(read.records, results.records);
    }
    PlayerResults unnamed{"", {Record(3)}};
    PlayerResults read;
    std::string why;
    EXPECT_TRUE(ParsePlayerResults(FormatPlayerResults(unnamed), read, why)) << "an empty name is a name";
}

TEST(PlayerResultsFile, EveryCutAndEveryChangedByteIsRefused) {
    const std::string text = FormatPlayerResults(Sample(3));
    for (size_t length = 0; length < text.size(); ++length) EXPECT_FALSE(Parses(text.substr(0, length))) << length;
    for (size_t at = 0; at < text.size(); ++at) {
        std::string changed = text;
        changed[at] = static_cast<char>(changed[at] ^ 0x04);
        EXPECT_FALSE(Parses(changed)) << at;
    }
    EXPECT_FALSE(Parses(text + "ended 1 7 won 0 0 0 20240101000000\n"));
}

TEST(PlayerResultsFile, ForeignFilesAndOtherVersionsAreNamedAsSuch) {
    PlayerResults read;
    std::string why;
    EXPECT_FALSE(ParsePlayerResults(std::string("\x01\x02\0\0binary", 10), read, why));
    EXPECT_EQ(why, "it is not a file of player results");
    EXPECT_FALSE(ParsePlayerResults(Sealed("Velmora player results\nversion 2\n"), read, why));
    EXPECT_EQ(why, "it was written by another version of the program");
}

TEST(PlayerResultsFile, SealedButMalformedLinesAreRefused) {
    const std::string head = "Velmora player results\nversion 1\nplayer |Ann\n";
    const std::string good = "ended 2 123 won -52 754 131 20240305143000\n";
    ASSERT_TRUE(Parses(Sealed(head + "games 1\n" + good)));
    for (const char* bad : {
             "ended 2 123 won -52 754 131 20240305143000 \n",  // a trailing blank
             "ended 2  123 won -52 754 131 20240305143000\n",  // two blanks
             "ended 02 123 won -52 754 131 20240305143000\n",  // a leading zero
             "ended +2 123 won -52 754 131 20240305143000\n",
             "ended 2 123 Won -52 754 131 20240305143000\n",
             "ended 2 123 tied -52 754 131 20240305143000\n",
             "ended 2 12a won -52 754 131 20240305143000\n",
             "ended 2 12345678901234 won -52 754 131 20240305143000\n",
             "ended 10000 123 won -52 754 131 20240305143000\n",
             "ended 2 123 won -52 86400 131 20240305143000\n",
             "ended 2 123 won -52 -1 131 20240305143000\n",
             "ended 2 123 won -52 754 100000 20240305143000\n",
             "ended 2 123 won 99999999 754 131 20240305143000\n",
             "ended 2 123 won -52 754 131 20240230143000\n",
             "ended 2 123 won -52 754 131 2024030514300\n",
             "ended 2 123 won -52 754 20240305143000\n",
             "game 2 123 won -52 754 131 20240305143000\n",
         })
        EXPECT_FALSE(Parses(Sealed(head + "games 1\n" + std::string(bad)))) << bad;
    EXPECT_FALSE(Parses(Sealed(head + "games 2\n" + good))) << "fewer lines than counted";
    EXPECT_FALSE(Parses(Sealed(head + "games 0\n" + good))) << "more lines than counted";
    EXPECT_FALSE(Parses(Sealed(head + "games -1\n")));
    EXPECT_FALSE(Parses(Sealed("Velmora player results\nversion 1\nplayer Ann\ngames 0\n"))) << "an unmarked name";
    EXPECT_FALSE(Parses(Sealed("Velmora player results\nversion 1\ngames 0\n"))) << "no name";
}

class PlayerResultsOnDisk : public testing::Test {
  protected:
    void SetUp() override {
        params.ParamInit(true, folder.Folder());
        params.SetDataFolder(folder.Folder());
        fs::create_directories(folder.Folder() + "DATA");
        path = PlayerResultsPath(params, 7);
    }
    std::vector<fs::path> Others() const {
        std::vector<fs::path> others;
        for (const auto& entry : fs::directory_iterator(folder.Folder() + "DATA"))
            if (entry.path() != fs::path(path)) others.push_back(entry.path());
        return others;
    }

    ProgramFolder folder;
    ParamRecord params;
    std::string path;
};

TEST_F(PlayerResultsOnDisk, NamedAfterThePlayersPlaceAndReplacedWhole) {
    EXPECT_EQ(path, folder.Folder() + "DATA/Stat_e07.dat");
    PlayerResults read;
    std::string why;
    EXPECT_EQ(ReadPlayerResults(path, read, why), PlayerResultsRead::kNone);
    ASSERT_TRUE(WritePlayerResults(path, Sample(5)));
    ASSERT_TRUE(WritePlayerResults(path, Sample(6)));
    EXPECT_EQ(ReadPlayerResults(path, read, why), PlayerResultsRead::kRead) << why;
    EXPECT_EQ(read.records, Sample(6).records);
    EXPECT_TRUE(Others().empty()) << "no temporary is left";
    std::ofstream(path, std::ios::trunc).flush();
    EXPECT_EQ(ReadPlayerResults(path, read, why), PlayerResultsRead::kNone) << "an empty file holds no games yet";
    fs::remove(path);
    fs::create_directory(path);
    EXPECT_EQ(ReadPlayerResults(path, read, why), PlayerResultsRead::kUnreadable) << "a folder of that name";
}

// Writers killed at whatever instant the timing gives: inside a write,
// between the flush and the rename, between two writes. The file always
// reads as one whole version; what stays beside it is only a temporary of
// ours, which the start-up's sweep removes.
TEST_F(PlayerResultsOnDisk, KilledWritersLeaveAWholeFileAndOnlySweptTemporaries) {
    ASSERT_TRUE(WritePlayerResults(path, Sample(1)));
    std::mt19937 random(11);
    constexpr int kTrials = 300;
    int last_count = 1;
    for (int trial = 0; trial < kTrials; ++trial) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // Growing files, so a torn one could not pass for a shorter whole one.
            for (int n = 2; n < 400; ++n) WritePlayerResults(path, Sample(n));
            ::_exit(0);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 3000));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        PlayerResults read;
        std::string why;
        ASSERT_EQ(ReadPlayerResults(path, read, why), PlayerResultsRead::kRead) << "trial " << trial << ": " << why;
        ASSERT_EQ(read.records, Sample(static_cast<int>(read.records.size())).records) << "trial " << trial;
        last_count = static_cast<int>(read.records.size());
        for (const fs::path& other : Others())
            ASSERT_TRUE(IsOwnTemporaryName(other.filename().string())) << other;
        RemoveStaleTemporaries(folder.Folder() + "DATA", std::chrono::seconds(0));
        ASSERT_TRUE(Others().empty()) << "trial " << trial;
        ASSERT_TRUE(WritePlayerResults(path, Sample(1)));
    }
    EXPECT_GE(last_count, 1);
}

}  // namespace
}  // namespace velmora
