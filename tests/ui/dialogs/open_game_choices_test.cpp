// The game selection dialog's player list, its "Favorite games" branch and
// the tree's right-click menu.

#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>

#include "open_game_fixture.h"
#include "storage/favorites.h"

namespace velmora::open_game_test {
namespace {

class OpenGameChoices : public OpenGameFixture {
  protected:
    QTreeWidgetItem* Favorites() const { return open_game::FindNode(*dialog->trvGames, open_game::kFavoritesRoot); }
    // The names under a category, filling it first as opening it would.
    QStringList Names(QTreeWidgetItem* category) const {
        category->setExpanded(true);
        Settle();
        QStringList names;
        for (int i = 0; i < category->childCount(); ++i) names << category->child(i)->text(0);
        return names;
    }
    static QTreeWidgetItem* In(QTreeWidgetItem* category, const QString& name) {
        for (int i = 0; i < category->childCount(); ++i)
            if (category->child(i)->text(0) == name) return category->child(i);
        return nullptr;
    }
    std::string FavoritesKey() const {
        return OpenSettingsFile(Params()).Ini().ReadString("Favorites", "Games", "(none)");
    }
    const ParamRecord& Params() const { return dialog_params; }
    QStringList Players() const {
        QStringList names;
        for (int i = 0; i < dialog->cboPlayers->count(); ++i) names << dialog->cboPlayers->itemText(i);
        return names;
    }
    void CreateWith(const std::string& settings) {
        Create(settings);
        dialog_params.ParamInit(true, program_folder);
        dialog_params.SetDataFolder(program_folder);
    }
    ParamRecord dialog_params;
};

TEST_F(OpenGameChoices, PlayerListOffersThePlayersWithTheCurrentOneChosen) {
    CreateWith("UserDefault=Bea\n[Users]\nUser001=Ann\nUser002=\nUser003=Bea\n");
    Show();
    EXPECT_TRUE(dialog->lblPlayers->isVisible());
    EXPECT_TRUE(dialog->cboPlayers->isVisible());
    EXPECT_EQ(Players(), (QStringList{"Ann", "Bea"}));
    EXPECT_EQ(dialog->cboPlayers->currentText(), "Bea");
    // It sits under the tree, clear of it and of the buttons.
    const QRect combo(dialog->cboPlayers->mapTo(dialog.get(), QPoint()), dialog->cboPlayers->size());
    const QRect tree(dialog->trvGames->mapTo(dialog.get(), QPoint()), dialog->trvGames->size());
    EXPECT_FALSE(combo.intersects(tree));
    EXPECT_LT(combo.bottom(), dialog->btnOK->y());

    dialog->cboPlayers->setCurrentIndex(0);
    Select(In(Root(), "Golf"));
    dialog->btnOKClick();
    EXPECT_EQ(dialog->Choice().player, "Ann");
}

TEST_F(OpenGameChoices, ACurrentPlayerMissingFromTheListIsStillOffered) {
    CreateWith("UserDefault=Zoe\n[Users]\nUser001=Ann\n");
    Show();
    EXPECT_EQ(Players(), (QStringList{"Ann", "Zoe"}));
    EXPECT_EQ(dialog->cboPlayers->currentText(), "Zoe");
}

TEST_F(OpenGameChoices, FavoritesBranchListsTheFavoriteGamesByName) {
    CreateWith("Game=2\n[Favorites]\nGames=7,2,999\n");
    Show();
    ASSERT_NE(Favorites(), nullptr);
    EXPECT_EQ(Favorites()->text(0), "Favorite games");
    EXPECT_EQ(Names(Favorites()), (QStringList{"Golf", "Klondike"})) << "a number not in the catalogue is left out";
    EXPECT_EQ(Current(), "Klondike") << "the last game is selected among all games";
    EXPECT_EQ(In(Favorites(), "Golf")->toolTip(0), "Golf") << "a name cut short in the tree is told whole";

    // Chosen from the favorites, the next dialog reopens them.
    Select(In(Favorites(), "Golf"));
    dialog->btnOKClick();
    EXPECT_EQ(Key("Game_TreeNum"), "-10");
    Create();
    Show();
    EXPECT_EQ(Current(), "Golf");
    EXPECT_EQ(dialog->trvGames->currentItem()->parent(), Favorites());
}

TEST_F(OpenGameChoices, ReopenedFavoritesWithoutTheGameFallBackToAllGames) {
    CreateWith("Game=3\nGame_TreeNum=-10\n[Favorites]\nGames=7\n");
    Show();
    EXPECT_EQ(Current(), "Canfield");
    EXPECT_EQ(dialog->trvGames->currentItem()->parent(), Root());
}

TEST_F(OpenGameChoices, PopupMenuAddsAndRemovesFavoritesAndTheBranchFollows) {
    CreateWith("Game=1\n");
    Show();
    EXPECT_TRUE(Names(Favorites()).isEmpty());
    Select(In(Root(), "Yukon"));
    dialog->PreparePopupMenu();
    EXPECT_EQ(dialog->popFavorite->text(), "Add to &favorite games");
    dialog->popFavorite->trigger();
    Select(In(Root(), "Canfield"));
    dialog->popFavorite->trigger();
    EXPECT_EQ(FavoritesKey(), "3,4");
    EXPECT_EQ(Names(Favorites()), (QStringList{"Canfield", "Yukon"}));

    // Removing the selected favorite leaves the branch selected and described as a category.
    Select(In(Favorites(), "Yukon"));
    dialog->PreparePopupMenu();
    EXPECT_EQ(dialog->popFavorite->text(), "Remove from &favorite games");
    dialog->popFavorite->trigger();
    EXPECT_EQ(FavoritesKey(), "3");
    EXPECT_EQ(Names(Favorites()), QStringList{"Canfield"});
    EXPECT_EQ(Current(), "Favorite games");
    EXPECT_EQ(dialog->nbkDesc->currentWidget(), dialog->pnlEdition);

    // The Delete key removes a favorite, and only inside the branch.
    Select(In(Root(), "Canfield"));
    QTest::keyClick(dialog->trvGames, Qt::Key_Delete);
    EXPECT_EQ(FavoritesKey(), "3");
    Select(In(Favorites(), "Canfield"));
    QTest::keyClick(dialog->trvGames, Qt::Key_Delete);
    EXPECT_EQ(FavoritesKey(), "");

    // Favorites stored elsewhere (the favorites dialog) show at the next showing.
    dialog->hide();
    SettingsFile file = OpenSettingsFile(dialog_params);
    ASSERT_TRUE(SetFavoriteGame(file, 8, true));
    Show();
    EXPECT_EQ(Names(Favorites()), QStringList{"Black Hole"});
}

TEST_F(OpenGameChoices, PopupMenuOpensRulesAndOffersOnlyWhatTheNodeHas) {
    CreateWith("Game=7\n");
    Show();
    // A right click selects the node under the pointer and opens the menu.
    const QPoint at = dialog->trvGames->visualItemRect(In(Root(), "Pyramid")).center();
    QContextMenuEvent click(QContextMenuEvent::Mouse, at, dialog->trvGames->viewport()->mapToGlobal(at));
    QCoreApplication::sendEvent(dialog->trvGames->viewport(), &click);
    Settle();
    EXPECT_EQ(Current(), "Pyramid");
    EXPECT_TRUE(dialog->popGames->isVisible());
    dialog->popGames->hide();
    EXPECT_FALSE(dialog->popStatistics->isVisible()) << "the dialog offers no statistics";

    dialog->popRules->trigger();
    EXPECT_EQ(help, (std::vector<std::string>{program_folder + "tabloria.hlp>rules 3006"}));
    dialog->popOpen->trigger();
    ASSERT_TRUE(dialog->Chosen());
    EXPECT_EQ(dialog->Choice().number, 6);

    Show();
    Select(Root());
    dialog->PreparePopupMenu();
    for (const QAction* item : {dialog->popOpen, dialog->popRules, dialog->popFavorite})
        EXPECT_FALSE(item->isEnabled()) << item->text().toStdString();
}

}  // namespace
}  // namespace velmora::open_game_test
