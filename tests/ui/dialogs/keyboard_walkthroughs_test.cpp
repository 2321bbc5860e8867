// The most used windows from the keyboard alone, key by key as a player
// presses them: a game chosen in the game selection and played, a setting
// and a card back changed in Customize and kept with Return, and a game of
// the log played again with Return.
#include <QCheckBox>
#include <QTabWidget>
#include <QTableWidget>

#include <QListWidget>
#include <QTemporaryDir>

#include "customize_fixture.h"
#include "keyboard_checks.h"
#include "open_game_fixture.h"
#include "storage/favorites.h"
#include "ui/dialogs/favorites_form.h"
#include "ui/dialogs/statistics_log_form.h"

namespace velmora {
namespace {

using namespace keyboard_test;

// Alt+letter presses a button the way Qt animates it: the click comes a moment later.
bool WaitFor(const std::function<bool()>& done) { return QTest::qWaitFor(done, 2000); }

class GameSelectionByKeys : public open_game_test::OpenGameFixture {};

TEST_F(GameSelectionByKeys, TypeAheadChoosesAGameAndReturnPlaysIt) {
    Create("Game=2\n");
    ASSERT_TRUE(ShowActive(*dialog));
    ASSERT_EQ(QApplication::focusWidget(), dialog->trvGames) << "the tree has the keyboard at once";
    Press(Qt::Key_Home);
    Press(Qt::Key_Down);
    EXPECT_EQ(Current(), "All games (alphabetically)");
    Press(Qt::Key_Left);
    ASSERT_FALSE(Root()->isExpanded());
    Press(Qt::Key_Return);
    EXPECT_TRUE(Root()->isExpanded()) << "Return opens a category";
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(infos.empty()) << "no complaint that a category is not a game";
    Press(Qt::Key_Return);
    EXPECT_FALSE(Root()->isExpanded()) << "and closes it again";
    Press(Qt::Key_Right);
    Press(Qt::Key_Down);
    QTest::keyClicks(dialog->trvGames, "Golf");
    EXPECT_EQ(Current(), "Golf");
    EXPECT_EQ(dialog->pnlDescGame->lblGameName->text(), "Golf");

    Press(Qt::Key_R, Qt::AltModifier);
    EXPECT_TRUE(WaitFor([this] { return !help.empty(); })) << "Alt+R shows the rules";
    ASSERT_TRUE(ShowActive(*dialog));
    Press(Qt::Key_G, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), dialog->trvGames) << "Alt+G goes back to the tree";
    Press(Qt::Key_Return);
    EXPECT_TRUE(dialog->Chosen());
    EXPECT_EQ(dialog->Choice().name, "Golf");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(Key("Game"), std::to_string(dialog->Choice().number));
}

class CustomizeByKeys : public customize_test::CustomizeFixture {};

TEST_F(CustomizeByKeys, ASettingAndACardBackChangedAndKeptWithReturn) {
    Open("Back_Card=14\nShow_Time=Y\n");
    ASSERT_TRUE(ShowActive(*dialog));
    Press(Qt::Key_T, Qt::AltModifier);
    EXPECT_TRUE(WaitFor([this] { return !dialog->chkShowTime->isChecked(); })) << "Alt+T unticks Show time";
    Press(Qt::Key_D, Qt::AltModifier);
    EXPECT_EQ(dialog->nbkCustomize->currentWidget(), dialog->tsDecks) << "Alt+D opens the Decks page";
    Press(Qt::Key_C, Qt::AltModifier);
    ASSERT_EQ(QApplication::focusWidget(), dialog->trvCardBack) << "Alt+C goes to the card backs";
    EXPECT_EQ(Current(dialog->trvCardBack), "Roses");
    // The last folder, opened, and its card.
    Press(Qt::Key_End);
    Press(Qt::Key_Right);
    Press(Qt::Key_Down);
    EXPECT_EQ(Current(dialog->trvCardBack), "Lake");
    EXPECT_EQ(dialog->grpDeckSample->title(), "Lake");
    Press(Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(closings, std::vector<bool>{false}) << "Return is OK";
    EXPECT_EQ(Key("Back_Card"), "20");
    EXPECT_EQ(Key("Show_Time"), "N");
}

TEST_F(CustomizeByKeys, EscapeCancels) {
    Open("Back_Card=14\n");
    ASSERT_TRUE(ShowActive(*dialog));
    Press(Qt::Key_D, Qt::AltModifier);
    Press(Qt::Key_C, Qt::AltModifier);
    Press(Qt::Key_End);
    Press(Qt::Key_Escape);
    EXPECT_EQ(closings, std::vector<bool>{true});
    EXPECT_EQ(Key("Back_Card"), "14");
}

// A game found by typing, ticked with Space, kept with Return.
TEST(FavoritesByKeys, FindTickAndKeep) {
    test::EnsureApplication();
    QTemporaryDir dir;
    const std::string settings = dir.path().toStdString() + "/CFG.DAT";
    std::ofstream(settings) << "[Favorites]\nGames=7\n";
    TfrmFavorites dialog(open_game::BuildGameList({"005 002   Klondike", "004 001   Freecell", "007 007   Golf"}),
                         SettingsFile(settings));
    ASSERT_TRUE(ShowActive(dialog));
    Press(Qt::Key_F, Qt::AltModifier);
    QTest::keyClicks(QApplication::focusWidget(), "ond");
    Press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), dialog.lstGames);
    Press(Qt::Key_Down);
    ASSERT_NE(dialog.lstGames->currentItem(), nullptr);
    EXPECT_EQ(dialog.lstGames->currentItem()->text(), "Klondike");
    Press(Qt::Key_Space);
    EXPECT_EQ(dialog.lblCount->text(), "2 favorite games");
    Press(Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(ReadFavoriteGames(SettingsFile(settings)), (std::vector<int>{2, 7}));
}

GameRecord Played(int day) {
    GameRecord r;
    r.game = 2;
    r.deal_number = std::to_string(100 + day);
    r.result = GameResult::kLost;
    r.when = {2025, 3, day, 9, 30, 0};
    return r;
}

// Return plays the line the arrows chose; with no line chosen it closes.
TEST(GameLogByKeys, ReturnPlaysTheChosenLineOrCloses) {
    test::EnsureApplication();
    const auto name = [](int) { return std::string("Klondike"); };
    TfrmGameLog log(QStringLiteral("Ann"), {Played(3), Played(2), Played(1)}, name);
    ASSERT_TRUE(ShowActive(log));
    log.tblGames->setFocus();
    log.tblGames->clearSelection();
    Press(Qt::Key_Return);
    EXPECT_FALSE(log.isVisible());
    EXPECT_FALSE(log.Chosen().has_value());

    ASSERT_TRUE(ShowActive(log));
    log.tblGames->setFocus();
    log.tblGames->selectRow(0);
    Press(Qt::Key_Down);
    Press(Qt::Key_Return);
    EXPECT_FALSE(log.isVisible());
    ASSERT_TRUE(log.Chosen().has_value());
    EXPECT_EQ(log.Chosen()->deal_number, "102");
}

}  // namespace
}  // namespace velmora
