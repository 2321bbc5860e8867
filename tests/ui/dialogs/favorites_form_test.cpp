// The favorites dialog: every catalogue game with its tick, the typed filter,
// and OK storing the ticks while Cancel stores nothing.

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include <fstream>

#include <gtest/gtest.h>

#include "qt_test_app.h"
#include "storage/favorites.h"
#include "ui/dialogs/favorites_form.h"
#include "ui/dialogs/open_game_list.h"

namespace velmora {
namespace {

// Catalogue lines: type in columns 1-3, number in 5-7, name from column 11.
const std::vector<std::string> kCatalogue = {"005 002   Klondike", "004 001   Freecell", "007 007   Golf"};

TEST(FavoritesForm, TicksAreStoredByOkAndForgottenByCancel) {
    test::EnsureApplication();
    QTemporaryDir dir;
    const std::string settings = dir.path().toStdString() + "/CFG.DAT";
    std::ofstream(settings) << "[Favorites]\nGames=7\n";
    const std::vector<std::string> games = open_game::BuildGameList(kCatalogue);

    TfrmFavorites dialog(games, SettingsFile(settings));
    ASSERT_EQ(dialog.lstGames->count(), 3);
    EXPECT_EQ(dialog.lstGames->item(0)->text(), "Freecell");
    EXPECT_EQ(dialog.lstGames->item(1)->checkState(), Qt::Checked) << "Golf";
    EXPECT_EQ(dialog.lblCount->text(), "1 favorite game");

    dialog.edtFind->setText("ond");
    EXPECT_TRUE(dialog.lstGames->item(0)->isHidden());
    EXPECT_FALSE(dialog.lstGames->item(2)->isHidden()) << "Klondike";
    dialog.lstGames->item(2)->setCheckState(Qt::Checked);
    dialog.lstGames->item(1)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(dialog.lblCount->text(), "1 favorite game");
    dialog.lstGames->item(0)->setCheckState(Qt::Checked);
    EXPECT_EQ(dialog.lblCount->text(), "2 favorite games");

    dialog.btnCancel->click();
    EXPECT_EQ(ReadFavoriteGames(SettingsFile(settings)), std::vector<int>{7});
    dialog.btnOK->click();
    EXPECT_EQ(ReadFavoriteGames(SettingsFile(settings)), (std::vector<int>{1, 2}));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace velmora
