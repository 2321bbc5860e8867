#pragma once
// The customize dialog's two trees: the card backs and the backgrounds,
// each node carrying its value (folders 0), sorted alphabetically, with the
// icons of the dialogs' tree image list.

#include <QPixmap>

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

namespace velmora {

class ResourceLibrary;

// One value node and the folders it lies in (`subfolder` empty when the
// node lies directly in `folder`).
struct TreeNodeEntry {
    std::string_view folder;
    std::string_view subfolder;
    std::string_view text;
    int64_t value = 0;
};

// Card backs: the value is the card back number.
std::span<const TreeNodeEntry> CardBackNodes();
// Backgrounds: above 1000 a colour value, 2 to 1000 a picture number.
std::span<const TreeNodeEntry> BackgroundNodes();

// Indexes into the tree image list.
enum TreeIcon {
    kClosedFolderIcon = 0,
    kOpenFolderIcon = 1,
    kCardBackIcon = 2,
    kBackgroundIcon = 3
};

// The tree image list: "TREE1", "TREE2", "N_TREE3", "N_TREE4", "N_TREE5",
// see-through where they hold the mask colour (colour value 128). A missing
// bitmap gives a null pixmap.
std::vector<QPixmap> TreeImageList(const ResourceLibrary& library);

// Fills `tree` with the folders and nodes, sorted by text without regard to
// case at every level. Folders show icon 0, or 1 while selected; the nodes
// show `node_icon`.
void FillTree(QTreeWidget& tree, std::span<const TreeNodeEntry> nodes,
              const std::vector<QPixmap>& images, int node_icon);

// The value a node carries; 0 for a folder or no node.
int64_t NodeValue(const QTreeWidgetItem* node);
// The first node, in tree order, carrying `value`; null when none does.
QTreeWidgetItem* NodeWithValue(const QTreeWidget& tree, int64_t value);
// The node at `index` counting every node, folders and their contents
// included, from the top in tree order; null past the end.
QTreeWidgetItem* NodeAt(const QTreeWidget& tree, int index);
// Makes `node` the current, selected and visible node.
void SelectNode(QTreeWidget& tree, QTreeWidgetItem* node);

}  // namespace velmora
