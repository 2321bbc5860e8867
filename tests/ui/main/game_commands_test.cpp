// The game commands of the window: restart, a game number, a random game,
// giving up, the pause, saving and opening a saved game, bookmarks and
// "Hold and exit", each chosen as the player chooses it (its menu item).
#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "engine/model/position_snapshot.h"
#include "engine/model/games_file.h"
#include "main_window_fixture.h"
#include "ui/dialogs/deal_number_box.h"

namespace velmora::window_test {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Position(const Engine& e) {
    std::vector<std::string> lines;
    EncodePosition(e, lines);
    return lines;
}

std::string Text(const WindowFixture& f, const char* label) {
    return f.Find<QLabel>(label)->text().toStdString();
}

QRect BelowToolbar(const WindowFixture& f) {
    const QRect table = f.window->Table().rect();
    const int top = f.Find<QFrame>("pnlTB1")->geometry().bottom() + 1;
    return QRect(0, top, table.width(), table.height() - top);
}

std::string DealNumber(const Engine& e) { return e.params.ParamRead(param::kDealNumber, 13); }

// A window with a Freecell deal on which the player has moved, the clock
// running for a minute.
struct PlayedWindow {
    explicit PlayedWindow(const std::string& deal = "1234") {
        f.Show();
        // By hand only: every step in the log is the player's.
        f.window->SetAutoplay(false);
        f.window->StartGameProcedure(deal);
        f.window->SetAutoplay(false);
        dealt = Position(f.e());
        dealt_score = Text(f, "lblScore");
        EXPECT_TRUE(MakeAMove(f));
        EXPECT_NE(Position(f.e()), dealt);
        f.now += 60;
        f.window->Timer1Timer();
    }
    void Choose(const char* item) { f.Find<QAction>(item)->trigger(); }

    WindowFixture f{"ConfirmQuitGame=Y\n"};
    std::vector<std::string> dealt;
    std::string dealt_score;
};

TEST(GameCommands, EveryCommandOfTheGameIsOfferedOnceAGameIsDealt) {
    WindowFixture f;
    for (const char* name : {"mnuRestartGame", "mnuSelect", "mnuRandomGame", "mnuSave", "mnuHoldAndExit",
                             "mnuSnapshotPosition", "mnuUndoToSnapshot", "mnuPause", "mnuQuitGame"})
        EXPECT_TRUE(f.Find<QAction>(name)->isVisible()) << name;
    EXPECT_FALSE(f.Find<QAction>("mnuPause")->isEnabled()) << "no game yet";
    f.Show();
    f.window->StartGameProcedure("1");
    for (const char* name : {"mnuPause", "mnuQuitGame", "mnuSnapshotPosition", "mnuUndoToSnapshot"})
        EXPECT_TRUE(f.Find<QAction>(name)->isEnabled()) << name;
}

TEST(GameCommands, RestartDealsTheSameCardsWithClockAndScoreReset) {
    PlayedWindow w;
    ASSERT_NE(Text(w.f, "lblTempo"), "0:00:00");
    w.Choose("mnuRestartGame");
    EXPECT_EQ(w.f.host.questions, std::vector<std::string>{"Quit this game?"});
    EXPECT_EQ(Position(w.f.e()), w.dealt);
    EXPECT_EQ(DealNumber(w.f.e()), "0000000001234");
    EXPECT_EQ(Text(w.f, "lblTempo"), "0:00:00");
    EXPECT_EQ(Text(w.f, "lblScore"), w.dealt_score);
    EXPECT_FALSE(w.f.Find<QAction>("mnuUndo")->isEnabled());
}

TEST(GameCommands, AGameNumberIsDealtAndAnythingElseRefused) {
    PlayedWindow w;
    const std::vector<std::string> played = Position(w.f.e());
    w.f.host.deal_number = "12x";
    w.Choose("mnuSelect");
    EXPECT_EQ(w.f.host.shown_number, "0000000001234") << "the box starts with the deal on the table";
    EXPECT_NE(w.f.e().quiet_messages.last.find("1 to 13 digits"), std::string::npos);
    EXPECT_EQ(Position(w.f.e()), played) << "the game goes on";
    w.f.host.deal_number = "0042";
    w.Choose("mnuSelect");
    EXPECT_EQ(DealNumber(w.f.e()), "0000000000042");
    EXPECT_NE(Position(w.f.e()), played);
    EXPECT_NE(w.f.window->windowTitle().toStdString().find("[0000000000042]"), std::string::npos);
}

TEST(GameCommands, TheNumberBoxTakesOnlyOneToThirteenDigits) {
    test::EnsureApplication();
    TfrmDealNumber box("0000000001234");
    EXPECT_EQ(box.edtNumber->text().toStdString(), "0000000001234");
    for (const char* wrong : {"", "12a", "-5", "12345678901234", "1 2"}) {
        box.edtNumber->setText(wrong);
        box.btnOKClick();
        EXPECT_EQ(box.result(), QDialog::Rejected) << wrong;
        EXPECT_FALSE(box.lblProblem->isHidden()) << wrong;
        EXPECT_EQ(box.Number(), std::nullopt) << wrong;
    }
    box.edtNumber->setText(" 007 ");
    box.btnOKClick();
    EXPECT_EQ(box.result(), QDialog::Accepted);
    EXPECT_EQ(box.Number(), "007") << "leading zeros are part of the number";
}

TEST(GameCommands, ARandomGameIsAnotherGameOfTheCatalogue) {
    PlayedWindow w;
    std::set<int> drawn;
    for (int round = 0; round < 6; ++round) {
        const std::string before = w.f.e().params.ParamRead(param::kGameId, 4);
        w.Choose("mnuRandomGame");
        const std::string after = w.f.e().params.ParamRead(param::kGameId, 4);
        EXPECT_NE(after, before);
        const int id = std::stoi(after);
        EXPECT_GE(CatalogueIndex(w.f.e().main_game, id), 0);
        EXPECT_TRUE(w.f.e().flags.Get(flag::kInProgress));
        EXPECT_NE(w.f.window->windowTitle().toStdString().find(CatalogueName(w.f.e().main_game, id)),
                  std::string::npos);
        drawn.insert(id);
    }
    EXPECT_GT(drawn.size(), 1u);
}

TEST(GameCommands, QuitGameLeavesTheTableToLookAtButTakesNoMoves) {
    PlayedWindow w;
    const std::vector<std::string> played = Position(w.f.e());
    w.f.host.answer = false;
    w.Choose("mnuQuitGame");
    EXPECT_TRUE(w.f.e().flags.Get(flag::kInProgress)) << "Cancel keeps the game";
    w.f.host.answer = true;
    w.Choose("mnuQuitGame");
    EXPECT_FALSE(w.f.e().flags.Get(flag::kInProgress));
    EXPECT_EQ(Position(w.f.e()), played);
    EXPECT_FALSE(MakeAMove(w.f));
    const std::string time = Text(w.f, "lblTempo");
    w.f.now += 30;
    w.f.window->Timer1Timer();
    EXPECT_EQ(Text(w.f, "lblTempo"), time) << "the clock stopped";
    for (const char* name : {"mnuUndo", "mnuPause", "mnuQuitGame", "mnuSnapshotPosition"})
        EXPECT_FALSE(w.f.Find<QAction>(name)->isEnabled()) << name;
}

TEST(GameCommands, PauseStopsTheClockAndCoversTheTableUntilResumed) {
    PlayedWindow w;
    w.Choose("mnuPause");
    ASSERT_TRUE(w.f.window->Paused());
    auto* sign = w.f.Find<QLabel>("lblPaused");
    ASSERT_NE(sign, nullptr);
    EXPECT_TRUE(sign->isVisible());
    EXPECT_EQ(sign->geometry(), BelowToolbar(w.f)) << "the whole table is covered, not the toolbar";
    const std::string time = Text(w.f, "lblTempo");
    const std::vector<std::string> table = Position(w.f.e());
    w.f.now += 45;
    w.f.window->Timer1Timer();
    EXPECT_EQ(Text(w.f, "lblTempo"), time);
    w.Choose("mnuUndo");
    EXPECT_EQ(Position(w.f.e()), table) << "the table takes nothing while paused";
    // The sign follows the window.
    w.f.Resize(900, 650);
    EXPECT_EQ(sign->geometry(), BelowToolbar(w.f));

    QTest::mouseClick(sign, Qt::LeftButton);
    EXPECT_FALSE(w.f.window->Paused());
    EXPECT_FALSE(sign->isVisible());
    w.f.now += 5;
    w.f.window->Timer1Timer();
    EXPECT_NE(Text(w.f, "lblTempo"), time) << "the clock goes on";

    w.Choose("mnuPause");
    ASSERT_TRUE(w.f.window->Paused());
    w.Choose("mnuPause");
    EXPECT_FALSE(w.f.window->Paused()) << "the command again resumes";
    w.Choose("mnuPause");
    w.Choose("mnuNew");
    EXPECT_FALSE(w.f.window->Paused()) << "a new deal ends the pause";
    EXPECT_FALSE(sign->isVisible());
}

TEST(GameCommands, ASavedGameOpensAgainFromTheGameSelection) {
    PlayedWindow w;
    w.f.host.save_file = w.f.Folder() + "my game.vsg";
    w.Choose("mnuSave");
    ASSERT_TRUE(fs::exists(w.f.host.save_file)) << w.f.e().quiet_messages.last;
    const std::vector<std::string> saved = Position(w.f.e());
    const std::string time = Text(w.f, "lblTempo");

    WindowFixture other;
    other.Show();
    other.window->StartGameProcedure("99");
    other.host.open_file = w.f.host.save_file;
    other.selection.choice = ChosenGame{};
    other.selection.choice->open_saved = true;
    other.Find<QAction>("mnuOpen")->trigger();
    EXPECT_EQ(Position(other.e()), saved);
    EXPECT_EQ(DealNumber(other.e()), "0000000001234");
    EXPECT_EQ(Text(other, "lblTempo"), time);
    EXPECT_TRUE(other.Find<QAction>("mnuUndo")->isEnabled());
    other.Find<QAction>("mnuUndo")->trigger();
    EXPECT_EQ(Position(other.e()), w.dealt);
}

TEST(GameCommands, ADamagedSavedGameIsRefusedByNameAndTheGameStays) {
    PlayedWindow w;
    const std::vector<std::string> played = Position(w.f.e());
    w.f.host.open_file = w.f.Folder() + "broken.vsg";
    std::ofstream(w.f.host.open_file) << "Velmora saved game\nversion 2\ngame 1\n";
    w.f.window->OpenSavedGame();
    EXPECT_NE(w.f.e().quiet_messages.last.find(w.f.host.open_file), std::string::npos)
        << w.f.e().quiet_messages.last;
    EXPECT_TRUE(w.f.host.questions.empty()) << "nothing to quit for";
    EXPECT_EQ(Position(w.f.e()), played);
    EXPECT_TRUE(w.f.e().flags.Get(flag::kInProgress));

    w.f.host.save_file = w.f.Folder() + "no such folder/game.vsg";
    w.Choose("mnuSave");
    EXPECT_NE(w.f.e().quiet_messages.last.find("could not be written"), std::string::npos);
}

TEST(GameCommands, GoToBookmarkUndoesBackToItAndRedoStillWorks) {
    PlayedWindow w;
    w.Choose("mnuUndoToSnapshot");
    EXPECT_NE(w.f.e().quiet_messages.last.find("No bookmark"), std::string::npos);
    w.Choose("mnuSnapshotPosition");
    const std::vector<std::string> marked = Position(w.f.e());
    ASSERT_TRUE(MakeAMove(w.f));
    const std::vector<std::string> later = Position(w.f.e());
    w.Choose("mnuUndoToSnapshot");
    EXPECT_EQ(Position(w.f.e()), marked);
    ASSERT_TRUE(w.f.Find<QAction>("mnuRedo")->isEnabled());
    w.Choose("mnuRedo");
    EXPECT_EQ(Position(w.f.e()), later);
}

TEST(GameCommands, HoldAndExitClosesAndKeepsTheGame) {
    PlayedWindow w;
    const std::vector<std::string> played = Position(w.f.e());
    w.Choose("mnuHoldAndExit");
    EXPECT_FALSE(w.f.window->isVisible());
    ASSERT_TRUE(fs::exists(w.f.Folder() + "DATA/RESUME.DAT"));

    WindowFixture next;
    fs::copy_file(w.f.Folder() + "DATA/RESUME.DAT", next.Folder() + "DATA/RESUME.DAT");
    next.Show();
    next.window->ResumeOrStartGame();
    EXPECT_EQ(Position(next.e()), played);
}

}  // namespace
}  // namespace velmora::window_test
