// The driver's commands around a whole game: a game saved to a file and
// loaded back plays on as it was (and a damaged or foreign file leaves the
// game on the table alone), restart deals the same cards again, bookmarks
// walk the move log both ways, and a paused table takes no moves.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

#include "hostile_rules.h"
#include "session.h"

namespace velmora::cli {
namespace {

namespace fs = std::filesystem;

class SavedGameFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("velmora_saved_" + std::to_string(::getpid()) + "_" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }
    std::string File(const std::string& name) const { return (folder_ / name).string(); }

    fs::path folder_;
};

void PlaySomeKlondike(Session& s) { PlayKlondikeByHand(s, 5); }

std::string Error(Session& s, const std::string& command) {
    const auto lines = s.Raw(command);
    return lines.empty() ? "" : lines.back();
}

TEST_F(SavedGameFolder, ASavedGameLoadsBackAndPlaysOnAsItWas) {
    Session before;
    PlaySomeKlondike(before);
    ASSERT_EQ(before.Say("undo"), "done");
    ASSERT_EQ(before.Say("save " + File("klondike.vsg")), "saved");

    Session after;
    after.Lines("autoplay off");
    after.Lines("new 1 99");
    EXPECT_EQ(after.Lines("load " + File("klondike.vsg")), before.Lines("state"));
    for (const char* command : {"redo", "undo", "undo", "redo"}) {
        EXPECT_EQ(after.Say(command), before.Say(command)) << command;
        EXPECT_EQ(after.Lines("state"), before.Lines("state")) << "after " << command;
    }
}

TEST_F(SavedGameFolder, AFileThatIsNoSavedGameIsRefusedAndTheTableStays) {
    Session s;
    PlaySomeKlondike(s);
    ASSERT_EQ(s.Say("save " + File("good.vsg")), "saved");
    std::ifstream in(File("good.vsg"));
    const std::string good((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto write = [&](const std::string& name, const std::string& text) {
        std::ofstream(File(name)) << text;
        return File(name);
    };
    std::string flipped = good;
    flipped[flipped.find("score ") + 6] ^= 1;
    const std::vector<std::pair<std::string, std::string>> files{
        {write("cut.vsg", good.substr(0, good.size() / 2)), "damaged"},
        {write("flipped.vsg", flipped), "damaged"},
        {write("kept.vsg", "Velmora kept game" + good.substr(good.find('\n'))), "not a saved game"},
        {write("picture.png", "\x89PNG\r\n\x1a\n"), "not a saved game"},
        {File("missing.vsg"), "not a file"},
        {folder_.string(), "not a file"},
    };
    const auto table = s.Lines("state");
    for (const auto& [path, reason] : files) {
        const std::string answer = Error(s, "load " + path);
        EXPECT_NE(answer.find(path), std::string::npos) << "names the file: " << answer;
        EXPECT_NE(answer.find(reason), std::string::npos) << answer;
        EXPECT_EQ(s.Lines("state"), table) << path;
    }
    EXPECT_EQ(s.Say("undo"), "done") << "the game on the table still plays";
}

TEST_F(SavedGameFolder, AGameThatKeepsNoMovesCannotBeSavedOrBookmarked) {
    Session s(ShippedGamesWith({{20, 1}}));
    s.Lines("new 2 7");
    EXPECT_EQ(Error(s, "save " + File("x.vsg")), "error: this game cannot be saved");
    EXPECT_FALSE(fs::exists(File("x.vsg")));
    EXPECT_EQ(Error(s, "bookmark"), "error: this game keeps no bookmarks");
}

TEST(SessionCommands, RestartDealsTheSameCardsWithTheScoreReset) {
    Session s;
    s.Lines("autoplay off");
    const auto dealt = s.Lines("new 2 0000000004711");
    for (int press = 0; press < 3; ++press) s.Lines("press Mazzo");
    ASSERT_NE(s.Lines("state"), dealt);
    EXPECT_EQ(s.Lines("restart"), dealt);
    EXPECT_EQ(s.State("deal"), "deal 0000000004711");
    EXPECT_EQ(s.Say("undo"), "nothing") << "the log starts again";
    // A short number is the same deal as its form with leading zeros.
    EXPECT_EQ(s.Lines("new 2 4711"), dealt);
}

TEST(SessionCommands, GoToBookmarkWalksTheLogBothWaysAndKeepsRedo) {
    Session s;
    s.Lines("autoplay off");
    s.Lines("new 2 7");
    EXPECT_EQ(Error(s, "goto-bookmark"), "error: no bookmark");
    s.Lines("press Mazzo");
    ASSERT_EQ(s.Say("bookmark"), "set");
    const auto marked = s.Lines("state");
    EXPECT_EQ(s.Say("goto-bookmark"), "already there");
    for (int press = 0; press < 4; ++press) s.Lines("press Mazzo");
    const auto later = s.Lines("state");

    EXPECT_EQ(s.Say("goto-bookmark"), "done");
    EXPECT_EQ(s.Lines("state"), marked);
    for (int step = 0; step < 4; ++step) ASSERT_EQ(s.Say("redo"), "done");
    EXPECT_EQ(s.Lines("state"), later) << "redo replays the steps after the bookmark";

    // Undone past the bookmark, the way back to it is forward.
    for (int step = 0; step < 5; ++step) ASSERT_EQ(s.Say("undo"), "done");
    EXPECT_EQ(s.Say("goto-bookmark"), "done");
    EXPECT_EQ(s.Lines("state"), marked);

    // A move made below the bookmark replaces the steps that led to it.
    ASSERT_EQ(s.Say("undo"), "done");
    std::istringstream first(s.Lines("moves").at(0));
    std::string code, from, to;
    first >> code >> from >> to;
    ASSERT_EQ(s.Say("drop " + code + " " + to), "moved");
    const auto replaced = s.Lines("state");
    EXPECT_EQ(Error(s, "goto-bookmark"), "error: the bookmarked position is no longer in the move log");
    EXPECT_EQ(s.Lines("state"), replaced);
}

TEST(SessionCommands, APausedTableTakesNoMovesUntilResumed) {
    Session s;
    EXPECT_EQ(Error(s, "pause"), "error: no game in progress");
    s.Lines("autoplay off");
    s.Lines("new 2 7");
    ASSERT_EQ(s.Say("pause"), "paused");
    const auto table = s.Lines("state");
    for (const char* command : {"press Mazzo", "undo", "bookmark"})
        EXPECT_EQ(Error(s, command), "error: the game is paused") << command;
    EXPECT_EQ(s.Lines("state"), table);
    EXPECT_EQ(s.Say("pause"), "resumed");
    EXPECT_EQ(s.Say("press Mazzo"), "done");
    // A new deal ends a pause.
    ASSERT_EQ(s.Say("pause"), "paused");
    s.Lines("restart");
    EXPECT_EQ(s.Say("press Mazzo"), "done");
}

}  // namespace
}  // namespace velmora::cli
