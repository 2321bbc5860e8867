// The game selection dialog over the shipped game definitions: the tree,
// the information panel, OK, Cancel, Rules and the preview box.

#include <algorithm>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>

#include "open_game_fixture.h"
#include "platform/desktop.h"
#include "platform/drawing.h"
#include "ui/dialogs/open_game_list.h"
#include "ui/dialogs/open_game_preview.h"

namespace velmora::open_game_test {
namespace {

using OpenGameTest = OpenGameFixture;

TEST_F(OpenGameTest, FirstShowingFillsTheRootAndDescribesTheLastGame) {
    Create("Game=7\n");
    Show();
    ASSERT_EQ(dialog->trvGames->topLevelItemCount(), 3) << "favorites, all games, the player's own";
    EXPECT_EQ(dialog->trvGames->topLevelItem(0)->text(0), "Favorite games");
    EXPECT_EQ(Root()->text(0), "All games (alphabetically)");
    QStringList names;
    for (int i = 0; i < Root()->childCount(); ++i) names << Root()->child(i)->text(0);
    // Every game of the catalogue, in alphabetical order whatever the case.
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    })) << names.join(", ").toStdString();
    for (const char* game : {"Black Hole", "Canfield", "Elevens", "Forty Thieves", "Freecell", "Golf",
                             "Klondike", "Pyramid", "Yukon"})
        EXPECT_TRUE(names.contains(game)) << game;
    EXPECT_EQ(Current(), "Golf");
    EXPECT_EQ(dialog->nbkDesc->currentWidget(), dialog->pnlDescGame);
    EXPECT_EQ(dialog->pnlDescGame->lblGameName->text(), "Golf");
    EXPECT_EQ(dialog->pnlDescGame->lblDiffWin->text(), "Medium (about 4 in 7)");
    EXPECT_FALSE(dialog->pnlDescGame->imgWinning->pixmap().isNull());
    EXPECT_FALSE(Game("Freecell")->icon(0).isNull());
    EXPECT_TRUE(dialog->btnOK->isEnabled());

    // Showing again keeps the selection and fills nothing twice.
    Select(Game("Klondike"));
    dialog->hide();
    Show();
    EXPECT_EQ(Root()->childCount(), names.size());
    EXPECT_EQ(Current(), "Klondike");
}

TEST_F(OpenGameTest, InformationPanelShowsEachGamesValues) {
    struct Row {
        const char* game;
        const char* decks;
        const char* redeals;
        const char* time;
        const char* difficulty;
        const char* skill;
        const char* winning;
    };
    Create("");
    Show();
    for (const Row& row : {
             // Measured with too many deals undecided for a fraction: the word alone.
             Row{"Forty Thieves", "2", "0", "Long", "Medium", "Mostly skill", "Very low"},
             Row{"Pyramid", "1", "2", "Quick", "Easy", "Moderate", "High"},
             Row{"Klondike", "1", "Unlimited", "Medium", "Easy", "Moderate", "High"},
             Row{"Freecell", "1", "0", "Medium", "Easy", "Mostly skill",
                 "Very high (about 998 in 1000)"},
         }) {
        Select(Game(row.game));
        EXPECT_EQ(dialog->pnlDescGame->lblGameName->text(), row.game);
        EXPECT_EQ(dialog->pnlDescGame->lblDecks->text(), row.decks) << row.game;
        EXPECT_EQ(dialog->pnlDescGame->lblRedeal->text(), row.redeals) << row.game;
        EXPECT_EQ(dialog->pnlDescGame->lblGameTime->text(), row.time) << row.game;
        EXPECT_EQ(dialog->pnlDescGame->lblDiffRules->text(), row.difficulty) << row.game;
        EXPECT_EQ(dialog->pnlDescGame->lblSkill->text(), row.skill) << row.game;
        EXPECT_EQ(dialog->pnlDescGame->lblDiffWin->text(), row.winning) << row.game;
    }
}

TEST_F(OpenGameTest, TheRootOffersNothingToOpen) {
    Create("Game=2\n");
    Show();
    Select(Root());
    EXPECT_EQ(dialog->nbkDesc->currentWidget(), dialog->pnlEdition);
    for (QWidget* command : {static_cast<QWidget*>(dialog->btnOK),
                             static_cast<QWidget*>(dialog->btnRules),
                             static_cast<QWidget*>(dialog->pnlDescGame->chkPreview)})
        EXPECT_FALSE(command->isEnabled()) << command->objectName().toStdString();
    dialog->btnOKClick();
    dialog->btnRulesClick();
    EXPECT_EQ(infos, (std::vector<std::string>{"Open a game", "Select a game"}));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->Chosen());
    EXPECT_TRUE(help.empty());
    EXPECT_EQ(Key("Game_TreeNum"), "(none)");
}

TEST_F(OpenGameTest, OpenASavedGameClosesWithThatRequestAndLeavesTheSettings) {
    Create("Game=7\n");
    Show();
    ASSERT_TRUE(dialog->btnOpen->isVisible());
    EXPECT_FALSE(dialog->btnOpen->geometry().intersects(dialog->btnOK->geometry()));
    EXPECT_FALSE(dialog->btnOpen->geometry().intersects(dialog->btnCancel->geometry()));
    Select(Game("Klondike"));
    QTest::mouseClick(dialog->btnOpen, Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    ASSERT_TRUE(dialog->Chosen());
    EXPECT_TRUE(dialog->Choice().open_saved);
    EXPECT_EQ(Key("Game"), "7") << "the saved game names its own game";
}

TEST_F(OpenGameTest, OkRecordsTheChoiceAndCloses) {
    Create("Game=7\n");
    Show();
    Select(Game("Klondike"));
    QTest::mouseClick(dialog->btnOK, Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    ASSERT_TRUE(dialog->Chosen());
    EXPECT_EQ(dialog->Choice().number, 2);
    EXPECT_EQ(dialog->Choice().name, "Klondike");
    EXPECT_EQ(dialog->Choice().player, "Player 1") << "the current player";
    EXPECT_EQ(Key("Game"), "2");
    EXPECT_EQ(Key("Game_Name"), "Klondike");
    EXPECT_EQ(Key("Game_TreeNum"), "-30");
    EXPECT_EQ(Key("Open_Preview_Game"), "Y");
}

TEST_F(OpenGameTest, DoubleClickOnAGameActsAsOk) {
    Create("Game=1\n");
    Show();
    QTreeWidget* tree = dialog->trvGames;
    tree->scrollToItem(Game("Yukon"));
    const QPoint at = tree->visualItemRect(Game("Yukon")).center();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
    EXPECT_TRUE(dialog->Chosen());
    EXPECT_EQ(Key("Game"), "4");
}

TEST_F(OpenGameTest, UntickedPreviewIsRememberedForTheNextDialog) {
    Create("Game=1\n");
    Show();
    ASSERT_TRUE(dialog->pnlDescGame->chkPreview->isChecked());
    dialog->pnlDescGame->chkPreview->click();
    QTest::mouseClick(dialog->btnOK, Qt::LeftButton);
    EXPECT_EQ(Key("Open_Preview_Game"), "N");
    Create();
    Show();
    EXPECT_FALSE(dialog->pnlDescGame->chkPreview->isChecked());
    EXPECT_EQ(Current(), "Freecell");
}

// The game pictures may be missing from the library: the fade alone then.
TEST_F(OpenGameTest, PreviewDrawsTheGamesPictureOverTheFadeUntilUnticked) {
    Create("Game=1\n");
    Show();
    const Surface background = open_game::PreviewBackground(dialog->pnlDescGame->imgGame->size());
    Surface picture;
    LoadResourceBitmap(library, "GAME0001", &picture);
    const auto shown = [this] {
        return dialog->pnlDescGame->imgGame->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    };
    EXPECT_EQ(shown(), open_game::PaintPreview(background, picture, ScreenColorCount()).Image());
    dialog->pnlDescGame->chkPreview->click();
    EXPECT_EQ(shown(), background.Image());
}

TEST_F(OpenGameTest, RulesOpenTheGamesTopic) {
    Create("Game=7\n");
    Show();
    dialog->btnRules->click();
    EXPECT_EQ(help, (std::vector<std::string>{program_folder + "tabloria.hlp>rules 3007"}));
}

TEST_F(OpenGameTest, ChooseGivesTheGameOrNothing) {
    Create("Game=3\n");
    QTimer::singleShot(0, dialog.get(), [this] { dialog->btnCancel->click(); });
    EXPECT_EQ(dialog->Choose(), std::nullopt);
    EXPECT_EQ(Key("Game_TreeNum"), "(none)");
    QTimer::singleShot(0, dialog.get(), [this] { dialog->btnOK->click(); });
    const std::optional<OpenGameChoice> chosen = dialog->Choose();
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->number, 3);
    EXPECT_EQ(chosen->name, "Canfield");
    EXPECT_FALSE(dialog->Chosen());
}

}  // namespace
}  // namespace velmora::open_game_test
