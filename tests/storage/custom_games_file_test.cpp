// The variants file: written, read back, numbered, deleted, and a damaged
// file refused block by block without being lost.
#include "storage/custom_games_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/model/games_file.h"
#include "program_folder.h"

namespace velmora {
namespace {

using testing_support::ProgramFolder;

CustomGame Variant(int id, const std::string& name) {
    CustomGame game;
    game.id = id;
    game.base = 2;
    game.name = name;
    game.entries[307] = 52;
    game.entries[304] = 7;
    game.entries[21] = 3;
    game.entries[128] = -1;
    return game;
}

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

class VariantsFile : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directories(folder_.Path() / "DATA");
        path_ = (folder_.Path() / "DATA" / "VARIANTS.TXT").string();
    }
    void Put(const std::string& text) { std::ofstream(path_, std::ios::binary) << text; }
    ProgramFolder folder_;
    std::string path_;
};

TEST_F(VariantsFile, AddReadBackAndDelete) {
    CustomGamesFile file = ReadCustomGames(path_);
    EXPECT_TRUE(file.games.empty());
    EXPECT_TRUE(file.problems.empty()) << "no file is no fault";
    std::string why;
    ASSERT_TRUE(AddCustomGame(file, Variant(8000, "Klondike, threes"), why)) << why;
    ASSERT_TRUE(AddCustomGame(file, Variant(8001, "Second: a, b = c"), why)) << why;

    const CustomGamesFile read = ReadCustomGames(path_);
    ASSERT_EQ(read.games.size(), 2u);
    EXPECT_TRUE(read.problems.empty());
    EXPECT_EQ(read.games[0].id, 8000);
    EXPECT_EQ(read.games[0].base, 2);
    EXPECT_EQ(read.games[0].name, "Klondike, threes");
    EXPECT_EQ(read.games[0].entries, Variant(8000, "").entries) << "every entry, the negative one too";
    EXPECT_EQ(read.games[1].name, "Second: a, b = c");

    ASSERT_TRUE(DeleteCustomGame(file, 8000, why)) << why;
    const CustomGamesFile after = ReadCustomGames(path_);
    ASSERT_EQ(after.games.size(), 1u);
    EXPECT_EQ(after.games[0].id, 8001);
    EXPECT_FALSE(std::filesystem::exists(path_ + ".bad")) << "a sound file is simply replaced";
}

TEST_F(VariantsFile, BadBlocksAreRefusedWholeAndTheFileKeptAside) {
    const std::string damaged =
        "[game 8000]\nname = Good one\nbase = 2\n307 = 52\n304 = 7\n"
        "[game 8001]\nname = Unknown entry\n307 = 52\nwidth = 3\n"
        "[game 8002]\nname = Too many piles\n307 = 52\n304 = 40\n"
        "[game 8003]\nname = No cards\n304 = 7\n"
        "[game 12]\nname = Catalogue number\n307 = 52\n"
        "[game 8004]\nname = Half a value\n307 = 5x\n";
    Put(damaged);
    CustomGamesFile file = ReadCustomGames(path_);
    ASSERT_EQ(file.games.size(), 1u);
    EXPECT_EQ(file.games[0].name, "Good one");
    EXPECT_TRUE(file.damaged);
    const std::string message = DescribeCustomGameProblems(file);
    for (const char* named : {"Game 8001 \"Unknown entry\"", "Game 8002 \"Too many piles\"",
                              "Game 8003 \"No cards\"", "Game 8004 \"Half a value\"", "line 17"})
        EXPECT_NE(message.find(named), std::string::npos) << named << " in\n" << message;
    EXPECT_EQ(Contents(path_), damaged) << "reading never writes";

    // Refused numbers are not handed out again.
    GamesData data;
    data.custom = file.games;
    const int next = NextCustomGameId(data, file.refused_ids);
    EXPECT_EQ(next, 8005);

    std::string why;
    ASSERT_TRUE(AddCustomGame(file, Variant(next, "New"), why)) << why;
    EXPECT_EQ(Contents(path_ + ".bad"), damaged) << "the damaged file is kept under another name";
    EXPECT_EQ(ReadCustomGames(path_).games.size(), 2u);
    EXPECT_FALSE(file.damaged);
    // A second damaged file does not replace the first one kept.
    Put("[game 8000]\nname = x\n307 = 999\n");
    CustomGamesFile again = ReadCustomGames(path_);
    ASSERT_TRUE(DeleteCustomGame(again, 8000, why)) << why;
    EXPECT_EQ(Contents(path_ + ".bad"), damaged);
    EXPECT_EQ(Contents(path_ + ".bad2"), "[game 8000]\nname = x\n307 = 999\n");
}

TEST_F(VariantsFile, AnUnreadableFileIsNeverWrittenOver) {
    std::filesystem::create_directories(path_);  // a folder where the file should be
    CustomGamesFile file = ReadCustomGames(path_);
    EXPECT_TRUE(file.unreadable);
    EXPECT_FALSE(DescribeCustomGameProblems(file).empty());
    std::string why;
    EXPECT_FALSE(AddCustomGame(file, Variant(8000, "x"), why));
    EXPECT_NE(why.find("not written over"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(path_));
}

TEST(VariantNames, PrintableWithoutCommentSignOrOuterSpaces) {
    EXPECT_TRUE(IsValidVariantName("Klondike (3 cards), my way!"));
    EXPECT_FALSE(IsValidVariantName(""));
    EXPECT_FALSE(IsValidVariantName("Game #2"));
    EXPECT_FALSE(IsValidVariantName(" padded"));
    EXPECT_FALSE(IsValidVariantName("caf\xc3\xa9"));
    EXPECT_FALSE(IsValidVariantName(std::string(51, 'a')));
}

}  // namespace
}  // namespace velmora
