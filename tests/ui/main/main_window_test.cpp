// The main window's commands and their menu items, toolbar buttons and
// panels, on the offscreen platform.
#include <QAction>
#include <QFrame>
#include <QKeySequence>
#include <QLabel>
#include <QToolButton>

#include <gtest/gtest.h>

#include "engine/model/pile_string.h"
#include "engine/play/execute_action.h"
#include "main_window_fixture.h"

namespace velmora::window_test {
namespace {

struct ItemCase {
    const char* name;
    const char* caption;
    const char* shortcut;
    bool visible;
};

// Every menu item of the edition, as the player finds it.
const ItemCase kItems[] = {
    {"mnuNew", "&New game", "F2", true},
    {"mnuOpen", "&Open a game", "Ctrl+F12", true},
    {"mnuRestartGame", "&Restart game", "Ctrl+F2", true},
    {"mnuSelect", "S&elect a game number...", "F3", true},
    {"mnuRandomGame", "R&andom game", "", true},
    {"mnuSave", "&Save...", "Ctrl+Shift+F12", true},
    {"mnuPlayers", "&Players...", "Ctrl+L", true},
    {"mnuHoldAndExit", "&Hold and exit...", "", true},
    {"mnuEsci", "E&xit", "", true},
    {"mnuUndo", "&Undo", "Ctrl+Z", true},
    {"mnuRedo", "&Redo", "Ctrl+Y", true},
    {"mnuSnapshotPosition", "Insert &bookmark", "", true},
    {"mnuUndoToSnapshot", "Go &to bookmark", "", true},
    {"mnuPause", "P&ause", "Ctrl+P", true},
    {"mnuQuitGame", "&Quit game", "Ctrl+Q", true},
    {"mnuGameInformation", "Game &information...", "F5", true},
    {"mnuAutoPlay", "Au&toplay", "F7", true},
    {"mnuHint", "&Hint", "H", true},
    {"mnuDemo", "&Demo", "Ctrl+D", true},
    {"mnuHiScores", "&Hi-scores...", "F9", true},
    {"mnuStatistics", "&Statistics", "", true},
    {"mnuCustomize", "C&ustomize...", "Ctrl+U", true},
    {"mnuCustomizeRules", "Customize &rules...", "Ctrl+R", true},
    {"mnuFavoriteGames", "&Favorite games...", "Ctrl+F", true},
    {"mnuCardCounter", "&Card counter...", "F8", true},
    {"mnuRules", "&Rules", "F1", true},
    {"Sommario1", "&Contents", "", true},
    {"mnuTips", "&Tip of the Day...", "", true},
    {"mnuAbout", "A&bout Velmora...", "", true},
};

TEST(MainWindowMenus, EveryItemHasItsCaptionShortcutAndVisibility) {
    WindowFixture f;
    ASSERT_TRUE(f.window->Started()) << f.host.fatal;
    for (const ItemCase& item : kItems) {
        const QAction* action = f.Find<QAction>(item.name);
        ASSERT_NE(action, nullptr) << item.name;
        EXPECT_EQ(action->text().toStdString(), item.caption) << item.name;
        EXPECT_EQ(action->shortcut(), QKeySequence(item.shortcut)) << item.name;
        EXPECT_EQ(action->isVisible(), item.visible) << item.name;
        // What the edition hides it also disables, so no shortcut reaches it.
        if (!item.visible) {
            EXPECT_FALSE(action->isEnabled()) << item.name;
        }
    }
    EXPECT_TRUE(f.Find<QAction>("mnuAutoPlay")->isCheckable());
}

TEST(MainWindowMenus, BothToolbarsCarryTheSameCommands) {
    WindowFixture f;
    for (const char* name : {"New", "Open", "Restart", "Undo", "Redo", "AutoPlay", "Hint", "Stat", "Rules", "Exit"}) {
        for (const std::string& button :
             {std::string("tb") + name, std::string("tb") + name + "1"}) {
            const QToolButton* b = f.Find<QToolButton>(button.c_str());
            ASSERT_NE(b, nullptr) << button;
            EXPECT_TRUE(b->isVisibleTo(b->parentWidget())) << button;
            EXPECT_FALSE(b->icon().isNull()) << button << " has its glyph";
        }
    }
    for (const char* hidden : {"tbFastSearch", "tbFastSearch1"})
        EXPECT_FALSE(f.Find<QToolButton>(hidden)->isVisibleTo(f.window.get())) << hidden;
    EXPECT_TRUE(f.Find<QToolButton>("tbSave1")->isVisibleTo(f.Find<QToolButton>("tbSave1")->parentWidget()));
    EXPECT_EQ(f.Find<QToolButton>("tbSave"), nullptr) << "only the small toolbar has a save button";
    EXPECT_TRUE(f.Find<QToolButton>("tbAutoPlay")->isCheckable());
    EXPECT_TRUE(f.Find<QToolButton>("tbAutoPlay1")->isCheckable());
}

TEST(MainWindowCaption, NamesTheGameAndOnceDealtTheDeal) {
    WindowFixture f;
    EXPECT_EQ(f.window->windowTitle().toStdString(), "Velmora [Freecell]");
    f.Show();
    f.window->StartGameProcedure("1234");
    EXPECT_EQ(f.window->windowTitle().toStdString(), "Velmora [Freecell]  [0000000001234]");
}

TEST(MainWindowCommands, NewGameAsksOnlyWhenTheSettingSaysSo) {
    struct Case {
        const char* confirm;
        bool answer;
        size_t questions;
        bool new_deal;
    };
    for (const Case c :
         {Case{"N", true, 0, true}, Case{"Y", false, 1, false}, Case{"Y", true, 1, true}}) {
        WindowFixture f(std::string("ConfirmQuitGame=") + c.confirm + "\n");
        f.Show();
        f.window->StartGameProcedure("77");
        f.host.answer = c.answer;
        f.window->mnuNewClick();
        EXPECT_EQ(f.host.questions.size(), c.questions) << c.confirm;
        if (c.questions) {
            EXPECT_EQ(f.host.questions[0], "Quit this game?");
        }
        EXPECT_EQ(f.e().params.ParamRead(153, 15) != "0000000000077", c.new_deal)
            << c.confirm << c.answer;
        EXPECT_TRUE(f.e().flags.Get(flag::kInProgress));
    }
}

TEST(MainWindowCommands, NoQuestionWithoutAGameInProgress) {
    WindowFixture f("ConfirmQuitGame=Y\n");
    f.Show();
    f.window->mnuNewClick();
    EXPECT_TRUE(f.host.questions.empty());
    EXPECT_TRUE(f.e().flags.Get(flag::kInProgress)) << "the stored game was dealt";
}

TEST(MainWindowCommands, UndoAndRedoFollowTheEngineAndRestoreTheTable) {
    WindowFixture f;
    f.Show();
    f.window->StartGameProcedure("5");
    for (const char* name : {"mnuUndo", "mnuRedo"})
        EXPECT_TRUE(f.Find<QAction>(name)->isEnabled()) << name;
    for (const char* name : {"tbUndo", "tbUndo1", "tbRedo", "tbRedo1"})
        EXPECT_TRUE(f.Find<QToolButton>(name)->isEnabled()) << name;

    const std::string before = f.e().piles.tableau[0];
    ASSERT_TRUE(ExecuteAction(f.e(), PileTop(before), "Appogg1"));
    f.window->mnuUndoClick();
    EXPECT_EQ(f.e().piles.tableau[0], before);
    f.window->mnuRedoClick();
    EXPECT_EQ(f.e().piles.tableau[0], before.substr(0, before.size() - 3));
    EXPECT_EQ(f.Find<QLabel>("lblScore")->text().toStdString(), f.e().params.ParamRead(122, 6));
}

TEST(MainWindowCommands, UndoSwitchedOffDisablesItemsAndButtons) {
    WindowFixture f("Undo_Enabled=2\n");
    f.Show();
    f.window->StartGameProcedure("5");
    for (const char* name : {"mnuUndo", "mnuRedo"})
        EXPECT_FALSE(f.Find<QAction>(name)->isEnabled()) << name;
    for (const char* name : {"tbUndo", "tbUndo1", "tbRedo", "tbRedo1"})
        EXPECT_FALSE(f.Find<QToolButton>(name)->isEnabled()) << name;
}

TEST(MainWindowCommands, AutoplayTogglesBothButtonsAndIsStoredPerGame) {
    WindowFixture f("AutoPlay_All_Games=2\n");
    f.Show();
    f.window->StartGameProcedure("5");
    QAction* item = f.Find<QAction>("mnuAutoPlay");
    ASSERT_TRUE(item->isChecked()) << "a game without a stored switch plays automatically";
    item->trigger();
    EXPECT_FALSE(item->isChecked());
    EXPECT_FALSE(f.e().play.autoplay_checked);
    for (const char* name : {"tbAutoPlay", "tbAutoPlay1"})
        EXPECT_FALSE(f.Find<QToolButton>(name)->isChecked()) << name;
    EXPECT_NE(f.Settings().find("Games=YN"), std::string::npos) << f.Settings();
    f.Find<QToolButton>("tbAutoPlay1")->click();
    EXPECT_TRUE(item->isChecked());
    for (const char* name : {"tbAutoPlay", "tbAutoPlay1"})
        EXPECT_TRUE(f.Find<QToolButton>(name)->isChecked()) << name;
    EXPECT_NE(f.Settings().find("Games=YY"), std::string::npos) << f.Settings();
}

TEST(MainWindowCommands, RulesHelpOpensTheGamesTopicBelowTheCustomGames) {
    for (auto [game, topics] : {std::pair{"1", 1u}, std::pair{"7999", 1u}, std::pair{"8000", 0u}}) {
        WindowFixture f;
        f.e().params.ParamWrite(62, 4, game);
        f.window->mnuRulesClick();
        ASSERT_EQ(f.help.topics.size(), topics) << game;
        if (topics) {
            EXPECT_EQ(f.help.topics[0],
                      f.Folder() + "tabloria.hlp>rules " + std::to_string(3000 + std::stoi(game)));
        }
    }
}

TEST(MainWindowCommands, OpenStartsTheChosenGame) {
    WindowFixture f;
    f.Show();
    f.window->mnuOpenClick();
    EXPECT_FALSE(f.e().flags.Get(flag::kInProgress)) << "cancelled";
    ASSERT_EQ(f.e().params.ParamRead(77, 30), "Player 1");
    // A dialog without players leaves the current player as it is.
    f.selection.choice = ChosenGame{2, "Klondike", ""};
    f.window->mnuOpenClick();
    EXPECT_EQ(f.e().params.ParamRead(62, 4), "0002");
    EXPECT_TRUE(f.e().flags.Get(flag::kInProgress));
    EXPECT_EQ(f.e().params.ParamRead(77, 30), "Player 1");
    EXPECT_NE(f.Settings().find("UserDefault=Player 1\n"), std::string::npos) << f.Settings();
    f.selection.choice = ChosenGame{2, "Klondike", "Player 3"};
    f.window->mnuOpenClick();
    EXPECT_EQ(f.e().params.ParamRead(77, 30), "Player 3");
    EXPECT_EQ(f.window->windowTitle().toStdString().rfind("Velmora [Klondike]  [", 0), 0u);
}

TEST(MainWindowClose, WritesThePlacementAndTheClosingSettingsAndEndsTheGame) {
    WindowFixture f;
    f.Show(900, 600);
    f.window->StartGameProcedure("5");
    f.window->close();
    EXPECT_FALSE(f.e().flags.Get(flag::kInProgress));
    const std::string settings = f.Settings();
    for (const char* written : {"MainWindowState_Maximized=N", "MainWindowState_Width=900",
                                "AutoPlay=Y", "Random_Game_Type=2"})
        EXPECT_NE(settings.find(written), std::string::npos) << written << "\n" << settings;
    EXPECT_EQ(f.host.sounds_stopped, 1);
}

TEST(MainWindowClose, AskedDuringACommandItWaitsForTheCommandToEnd) {
    WindowFixture f;
    f.Show();
    f.selection.choice = ChosenGame{1, "Freecell", "Player 1"};
    bool open_during_choice = false;
    f.selection.during_choice = [&] {
        f.window->close();
        open_during_choice = f.window->isVisible();
    };
    f.window->findChild<QAction*>("mnuOpen")->trigger();
    EXPECT_TRUE(open_during_choice);
    EXPECT_TRUE(f.e().flags.Get(flag::kInProgress)) << "the command ran to its end";
    f.Settle();
    EXPECT_FALSE(f.window->isVisible());
    EXPECT_FALSE(f.e().flags.Get(flag::kInProgress));
}

}  // namespace
}  // namespace velmora::window_test
