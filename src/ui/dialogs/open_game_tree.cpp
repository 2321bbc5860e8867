#include "ui/dialogs/open_game_tree.h"

#include <QIcon>
#include <QTreeWidget>

#include <algorithm>

#include "platform/resource_library.h"
#include "ui/dialogs/open_game_list.h"
#include "ui/dialogs/tree_icons.h"

namespace velmora::open_game {
namespace {

constexpr int kIdentityRole = Qt::UserRole;
constexpr int kCategoryIcon = 0;
constexpr int kOpenCategoryIcon = 1;

QTreeWidgetItem* Find(QTreeWidgetItem* node, int identity) {
    if (NodeIdentity(node) == identity) return node;
    for (int i = 0; i < node->childCount(); ++i) {
        if (QTreeWidgetItem* found = Find(node->child(i), identity)) return found;
    }
    return nullptr;
}

void AddPlaceholder(QTreeWidgetItem& category) {
    auto* placeholder = new QTreeWidgetItem(&category);
    placeholder->setText(0, QStringLiteral("nil"));
    placeholder->setData(0, kIdentityRole, kPlaceholderNode);
}

bool HoldsPlaceholder(const QTreeWidgetItem& category) {
    return category.childCount() > 0 && NodeIdentity(category.child(0)) == kPlaceholderNode;
}

}  // namespace

std::vector<QPixmap> GameTreeImages(const ResourceLibrary& library) {
    return TreeImages(library, GameTreeImageNames());
}

int NodeIdentity(const QTreeWidgetItem* node) {
    return node ? node->data(0, kIdentityRole).toInt() : kPlaceholderNode;
}

bool IsGameNode(const QTreeWidgetItem* node) { return node && NodeIdentity(node) >= 0; }

QTreeWidgetItem* AddCategory(QTreeWidget& tree, const QString& text, int identity,
                             const std::vector<QPixmap>& images) {
    auto* category = new QTreeWidgetItem(&tree);
    category->setText(0, text);
    category->setData(0, kIdentityRole, identity);
    category->setIcon(0, TreeIcon(TreeImage(images, kCategoryIcon), TreeImage(images, kOpenCategoryIcon)));
    AddPlaceholder(*category);
    return category;
}

QTreeWidgetItem* FindNode(const QTreeWidget& tree, int identity) {
    for (int i = 0; i < tree.topLevelItemCount(); ++i) {
        if (QTreeWidgetItem* found = Find(tree.topLevelItem(i), identity)) return found;
    }
    return nullptr;
}

bool FillCategory(QTreeWidget& tree, QTreeWidgetItem* category,
                  const std::vector<std::string>& game_list, const std::vector<QPixmap>& images,
                  int preselect) {
    std::vector<GameListItem> games;
    games.reserve(game_list.size());
    for (const std::string& entry : game_list) games.push_back(ReadGameListEntry(entry));
    return FillCategory(tree, category, games, images, preselect);
}

bool FillCategory(QTreeWidget& tree, QTreeWidgetItem* category, const std::vector<GameListItem>& games,
                  const std::vector<QPixmap>& images, int preselect) {
    if (!category || NodeIdentity(category) >= 0 || !HoldsPlaceholder(*category)) return false;
    const int identity = NodeIdentity(category);
    if (identity != kAllGamesRoot && identity != kFavoritesRoot && identity != kCustomGamesRoot) return false;
    delete category->takeChild(0);
    QTreeWidgetItem* chosen = nullptr;
    for (const GameListItem& game : games) {
        auto* node = new QTreeWidgetItem(category);
        node->setText(0, QString::fromStdString(game.name));
        // The tree is narrow: a long name is cut short there, and told whole
        // when the pointer rests on it.
        node->setToolTip(0, QString::fromStdString(game.name));
        node->setData(0, kIdentityRole, game.number);
        const QPixmap icon = TreeImage(images, TypeIcon(game.type));
        node->setIcon(0, TreeIcon(icon, icon));
        if (game.number == preselect) chosen = node;
    }
    if (chosen) {
        category->setExpanded(true);
        tree.setCurrentItem(chosen);
        tree.scrollToItem(chosen);
    }
    return true;
}

void EmptyCategory(QTreeWidgetItem& category) {
    qDeleteAll(category.takeChildren());
    AddPlaceholder(category);
}

std::vector<std::string> FavoriteEntries(const std::vector<std::string>& game_list,
                                         const std::vector<int>& favorites) {
    std::vector<std::string> entries;
    for (const std::string& entry : game_list)
        if (std::ranges::binary_search(favorites, ReadGameListEntry(entry).number)) entries.push_back(entry);
    return entries;
}

}  // namespace velmora::open_game
