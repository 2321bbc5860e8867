#include "ui/dialogs/customize_trees.h"

#include <QIcon>
#include <QTreeWidget>

#include <array>
#include <functional>

#include "platform/resource_library.h"
#include "ui/dialogs/tree_icons.h"

namespace velmora {
namespace {

constexpr int kValueRole = Qt::UserRole;

constexpr std::array<TreeNodeEntry, 8> kCardBacks = {{
    {"Animals", "", "Tropical fish", 19},
    {"Children", "", "Snowman", 3},
    {"Classics", "", "Classic blue", 7},
    {"Famous pictures", "", "Leonardo da Vinci", 1},
    {"Flowers", "", "Roses", 14},
    {"Geometric", "", "Plaiting 1", 11},
    {"Geometric", "", "Plaiting 2", 6},
    {"Nature", "", "Lake", 20},
}};

constexpr std::array<TreeNodeEntry, 15> kBackgrounds = {{
    {"Colors", "", "Blue", 16711680},
    {"Colors", "", "Green", 32768},
    {"Colors", "", "Navy", 8388608},
    {"Colors", "", "Olive", 32896},
    {"Colors", "", "Teal", 8421376},
    {"Colors", "", "White", 16777215},
    {"Over 256 colors", "Marbles", "Marble 1", 263},
    {"Over 256 colors", "Metal", "Metal gold", 287},
    {"Over 256 colors", "Nature", "Leaves", 277},
    {"Over 256 colors", "Nature", "Meadow", 324},
    {"Over 256 colors", "Patterns", "Pattern 1", 302},
    {"Over 256 colors", "Tissue", "Moquette 1", 296},
    {"Over 256 colors", "Walls", "Brick wall 1", 304},
    {"Over 256 colors", "Wood", "Parquet", 311},
    {"Under 256 colors", "Geometricals", "Moquette", 102},
}};

constexpr std::array<std::string_view, 5> kImageNames = {"TREE1", "TREE2", "N_TREE3", "N_TREE4",
                                                         "N_TREE5"};

// Alphabetical by text, as the player reads it: case does not count.
class SortedNode : public QTreeWidgetItem {
  public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem& other) const override {
        return text(0).compare(other.text(0), Qt::CaseInsensitive) < 0;
    }
};

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QTreeWidgetItem* ChildFolder(QTreeWidget& tree, QTreeWidgetItem* parent, std::string_view name,
                             const std::vector<QPixmap>& images) {
    const QString text = Text(name);
    const int count = parent ? parent->childCount() : tree.topLevelItemCount();
    for (int i = 0; i < count; ++i) {
        QTreeWidgetItem* child = parent ? parent->child(i) : tree.topLevelItem(i);
        if (child->text(0) == text && NodeValue(child) == 0) return child;
    }
    auto* folder = parent ? new SortedNode(parent) : new SortedNode(&tree);
    folder->setText(0, text);
    folder->setData(0, kValueRole, qlonglong{0});
    folder->setIcon(0, TreeIcon(TreeImage(images, kClosedFolderIcon), TreeImage(images, kOpenFolderIcon)));
    return folder;
}

// Visits every node in tree order until `visit` returns true.
bool Walk(QTreeWidgetItem* node, const std::function<bool(QTreeWidgetItem*)>& visit) {
    if (visit(node)) return true;
    for (int i = 0; i < node->childCount(); ++i) {
        if (Walk(node->child(i), visit)) return true;
    }
    return false;
}

QTreeWidgetItem* FirstNode(const QTreeWidget& tree,
                           const std::function<bool(QTreeWidgetItem*)>& wanted) {
    QTreeWidgetItem* found = nullptr;
    for (int i = 0; i < tree.topLevelItemCount() && !found; ++i) {
        Walk(tree.topLevelItem(i), [&](QTreeWidgetItem* node) {
            if (wanted(node)) found = node;
            return found != nullptr;
        });
    }
    return found;
}

}  // namespace

std::span<const TreeNodeEntry> CardBackNodes() {
    return kCardBacks;
}
std::span<const TreeNodeEntry> BackgroundNodes() {
    return kBackgrounds;
}

std::vector<QPixmap> TreeImageList(const ResourceLibrary& library) { return TreeImages(library, kImageNames); }

void FillTree(QTreeWidget& tree, std::span<const TreeNodeEntry> nodes,
              const std::vector<QPixmap>& images, int node_icon) {
    tree.clear();
    const QPixmap icon = TreeImage(images, node_icon);
    for (const TreeNodeEntry& entry : nodes) {
        QTreeWidgetItem* parent = ChildFolder(tree, nullptr, entry.folder, images);
        if (!entry.subfolder.empty()) parent = ChildFolder(tree, parent, entry.subfolder, images);
        auto* node = new SortedNode(parent);
        node->setText(0, Text(entry.text));
        node->setData(0, kValueRole, qlonglong{entry.value});
        node->setIcon(0, TreeIcon(icon, icon));
    }
    tree.sortItems(0, Qt::AscendingOrder);
}

int64_t NodeValue(const QTreeWidgetItem* node) {
    return node ? node->data(0, kValueRole).toLongLong() : 0;
}

QTreeWidgetItem* NodeWithValue(const QTreeWidget& tree, int64_t value) {
    return FirstNode(tree, [value](QTreeWidgetItem* node) { return NodeValue(node) == value; });
}

QTreeWidgetItem* NodeAt(const QTreeWidget& tree, int index) {
    if (index < 0) return nullptr;
    int seen = 0;
    return FirstNode(tree, [&](QTreeWidgetItem*) { return seen++ == index; });
}

void SelectNode(QTreeWidget& tree, QTreeWidgetItem* node) {
    if (!node) return;
    for (QTreeWidgetItem* parent = node->parent(); parent; parent = parent->parent())
        parent->setExpanded(true);
    tree.setCurrentItem(node);
    tree.scrollToItem(node);
}

}  // namespace velmora
