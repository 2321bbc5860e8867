// The window keeps the game in progress when it closes and plays it on at
// the next start; a kept game that cannot be played on is set aside with a
// word to the player; a game that ends in any way is not kept.
#include <QLabel>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "engine/play/execute_action.h"
#include "engine/model/pile_string.h"
#include "main_window_fixture.h"

namespace velmora::window_test {
namespace {

namespace fs = std::filesystem;

class RecordingMessages : public Messages {
  public:
    void ShowInfo(std::string_view text) override { shown.emplace_back(text); }
    std::vector<std::string> shown;
};

std::string Kept(const WindowFixture& f) { return f.Folder() + "DATA/RESUME.DAT"; }

TEST(KeptGameWindow, TheNextStartPlaysOnWithTheSameDealTableClockAndUndo) {
    WindowFixture first;
    first.Show();
    first.window->StartGameProcedure("4321");
    const std::string fila1 = first.e().piles.tableau[0];
    // The player's move, which starts the clock.
    bool moved = false;
    first.window->Table().run_guarded([&] { moved = ExecuteAction(first.e(), PileTop(fila1), "Appogg1"); });
    ASSERT_TRUE(moved);
    const PileLists played = first.e().piles;
    const std::string caption = first.window->windowTitle().toStdString();
    first.now += 3 * 60 + 7;
    first.window->close();
    ASSERT_TRUE(fs::exists(Kept(first)));

    WindowFixture next;
    fs::copy_file(Kept(first), Kept(next));
    next.Show();
    next.now = 20 * 3600;
    next.window->ResumeOrStartGame();
    EXPECT_TRUE(next.window->PlaysKeptGame());
    EXPECT_EQ(next.window->windowTitle().toStdString(), caption);
    EXPECT_EQ(next.e().piles, played);
    EXPECT_EQ(next.Find<QLabel>("lblTempo")->text().toStdString(), "0:03:07");
    next.now += 10;
    next.window->Timer1Timer();
    EXPECT_EQ(next.Find<QLabel>("lblTempo")->text().toStdString(), "0:03:17") << "the clock runs on";
    next.window->mnuUndoClick();
    EXPECT_EQ(next.e().piles.tableau[0], fila1);
    EXPECT_TRUE(fs::exists(Kept(next))) << "kept until the game ends";
}

TEST(KeptGameWindow, ADamagedKeptGameIsSetAsideAndANewGameDealt) {
    WindowFixture f;
    RecordingMessages messages;
    f.e().messages = &messages;
    std::ofstream(Kept(f)) << "Velmora kept game\nversion 1\ngame 1\ndeal 5\n";
    f.Show();
    f.window->ResumeOrStartGame();
    EXPECT_FALSE(f.window->PlaysKeptGame());
    EXPECT_TRUE(f.e().flags.Get(flag::kInProgress)) << "the stored game was dealt";
    EXPECT_FALSE(fs::exists(Kept(f)));
    EXPECT_TRUE(fs::exists(Kept(f) + ".bad"));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].find("cannot be played on"), std::string::npos) << messages.shown[0];
    EXPECT_NE(messages.shown[0].find("RESUME.DAT.bad"), std::string::npos) << messages.shown[0];
}

TEST(KeptGameWindow, AGameThatEndsIsNotKept) {
    WindowFixture f;
    f.Show();
    f.window->StartGameProcedure("12");
    f.window->close();
    ASSERT_TRUE(fs::exists(Kept(f)));

    WindowFixture next;
    fs::copy_file(Kept(f), Kept(next));
    next.Show();
    next.window->ResumeOrStartGame();
    ASSERT_TRUE(next.window->PlaysKeptGame());
    next.window->mnuNewClick();
    EXPECT_FALSE(fs::exists(Kept(next))) << "a new game ends the kept one";
    // Closing with no game in progress leaves nothing behind either.
    next.e().flags.Set(flag::kInProgress, false);
    next.window->close();
    EXPECT_FALSE(fs::exists(Kept(next)));
}

}  // namespace
}  // namespace velmora::window_test
