#pragma once
// The game selection tree: nodes carry an identity (a game's number, or a
// negative category), categories are filled from the game list the first
// time they are opened or selected, and the icons come from the tree image
// list of the resource library.

#include <QPixmap>

#include <string>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

namespace velmora {

class ResourceLibrary;

namespace open_game {

// The tree image list (GameTreeImageNames order), see-through where the
// bitmaps hold the mask colour (colour value 128, dark red). A missing
// bitmap gives a null pixmap.
std::vector<QPixmap> GameTreeImages(const ResourceLibrary& library);

// The identity a node carries; the placeholder's for no node.
int NodeIdentity(const QTreeWidgetItem* node);
bool IsGameNode(const QTreeWidgetItem* node);

// A top-level category holding only the placeholder child, so it can be
// opened before it is filled. Icons 0 (normal) and 1 (selected).
QTreeWidgetItem* AddCategory(QTreeWidget& tree, const QString& text, int identity,
                             const std::vector<QPixmap>& images);

// The first node, in tree order, carrying `identity`; null when none does.
QTreeWidgetItem* FindNode(const QTreeWidget& tree, int identity);

// Fills a category whose first child is still the placeholder: the
// placeholder goes, and "All games (alphabetically)" or "Favorite games"
// gets one node per entry of `game_list` (the whole list, or the favorites'
// entries) in list order with the icon of the game's type. The node of
// game `preselect` becomes the current one. Returns whether it filled.
bool FillCategory(QTreeWidget& tree, QTreeWidgetItem* category,
                  const std::vector<std::string>& game_list, const std::vector<QPixmap>& images,
                  int preselect);

// The same from the games themselves (the player's own games, whose
// numbers are wider than a list entry's column).
struct GameListItem;
bool FillCategory(QTreeWidget& tree, QTreeWidgetItem* category, const std::vector<GameListItem>& games,
                  const std::vector<QPixmap>& images, int preselect);

// Takes every node out of a category and puts the placeholder back, so the
// next opening fills it anew.
void EmptyCategory(QTreeWidgetItem& category);

// The entries of `game_list` whose game is one of `favorites` (ascending).
std::vector<std::string> FavoriteEntries(const std::vector<std::string>& game_list,
                                         const std::vector<int>& favorites);

}  // namespace open_game
}  // namespace velmora
