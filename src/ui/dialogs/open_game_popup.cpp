// The game tree's right-click menu: open the game, its rules, its
// statistics (where the dialog offers them) and adding it to or removing it
// from the favorite games. A right click selects the node under the pointer
// first, so the menu always speaks of the node the player sees selected.
// The Delete key takes a game out of the "Favorite games" branch, and
// deletes a game of the player's own (after asking) elsewhere.
#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>

#include "engine/model/custom_games.h"
#include "storage/favorites.h"
#include "ui/dialogs/open_game_form.h"
#include "ui/dialogs/open_game_list.h"
#include "ui/dialogs/open_game_tree.h"

namespace velmora {

void TfrmOpenGame::BuildPopupMenu() {
    popGames = new QMenu(this);
    popGames->setObjectName(QStringLiteral("popGames"));
    popOpen = popGames->addAction(QStringLiteral("&Open"));
    popRules = popGames->addAction(QStringLiteral("&Rules"));
    popStatistics = popGames->addAction(QStringLiteral("&Statistics..."));
    popGames->addSeparator();
    popFavorite = popGames->addAction(QStringLiteral("Add to &favorite games"));
    popDeleteCustom = popGames->addAction(QStringLiteral("&Delete this game of yours"));
    popGames->setDefaultAction(popOpen);
    connect(popOpen, &QAction::triggered, this, [this] { btnOKClick(); });
    connect(popRules, &QAction::triggered, this, [this] { btnRulesClick(); });
    connect(popStatistics, &QAction::triggered, this, [this] { btnStatistics->click(); });
    connect(popFavorite, &QAction::triggered, this, [this] { popFavoriteClick(); });
    connect(popDeleteCustom, &QAction::triggered, this, [this] { popDeleteCustomClick(); });
    auto* remove = new QShortcut(QKeySequence::Delete, trvGames, nullptr, nullptr, Qt::WidgetShortcut);
    connect(remove, &QShortcut::activated, this, [this] {
        const QTreeWidgetItem* node = trvGames->currentItem();
        if (node && open_game::NodeIdentity(node->parent()) == open_game::kFavoritesRoot)
            popFavoriteClick();
        else if (IsCustomGameNumber(open_game::NodeIdentity(node)))
            popDeleteCustomClick();
    });
    trvGames->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(trvGames, &QTreeWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { trvGamesContextPopup(at); });
}

void TfrmOpenGame::trvGamesContextPopup(const QPoint& at) {
    if (QTreeWidgetItem* node = trvGames->itemAt(at)) trvGames->setCurrentItem(node);
    PreparePopupMenu();
    popGames->popup(trvGames->viewport()->mapToGlobal(at));
}

void TfrmOpenGame::PreparePopupMenu() {
    const QTreeWidgetItem* node = trvGames->currentItem();
    const bool game = open_game::IsGameNode(node);
    popOpen->setEnabled(game);
    popRules->setEnabled(game);
    // Offered where the dialog offers its own statistics button.
    popStatistics->setVisible(!btnStatistics->isHidden());
    popStatistics->setEnabled(game && btnStatistics->isEnabled());
    popFavorite->setEnabled(game);
    popDeleteCustom->setVisible(game && IsCustomGameNumber(open_game::NodeIdentity(node)));
    const bool favorite = game && IsFavoriteGame(settings_, open_game::NodeIdentity(node));
    popFavorite->setText(favorite ? QStringLiteral("Remove from &favorite games")
                                  : QStringLiteral("Add to &favorite games"));
}

void TfrmOpenGame::popFavoriteClick() {
    const QTreeWidgetItem* node = trvGames->currentItem();
    if (!open_game::IsGameNode(node)) return;
    const int game = open_game::NodeIdentity(node);
    SetFavoriteGame(settings_, game, !IsFavoriteGame(settings_, game));
    RefreshFavorites();
}

void TfrmOpenGame::popDeleteCustomClick() {
    const QTreeWidgetItem* node = trvGames->currentItem();
    if (!open_game::IsGameNode(node) || !IsCustomGameNumber(open_game::NodeIdentity(node)) || !delete_custom_) return;
    if (!delete_custom_(open_game::NodeIdentity(node))) return;
    RefreshCustomGames();
    RefreshFavorites();
}

}  // namespace velmora
