#include "ui/main/table_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>

#include <utility>

#include "engine/layout/pile_walk.h"
#include "engine/model/engine.h"
#include "engine/model/spoken_names.h"
#include "engine/play/spoken_moves.h"
#include "engine/play/win_condition.h"
#include "ui/main/table_keys.h"
#include "ui/main/table_widget.h"

namespace velmora {

namespace {

const char* const kTableName = "Card table";
const char* const kGameWon = "Game won";
const char* const kGameOver = "Game over";

int FlatOf(PileRef pile) {
    switch (pile.list) {
        case ListId::Stock: return pile.index;
        case ListId::Foundation: return kStockAreaPiles + pile.index;
        case ListId::Tableau: return kStockAreaPiles + kFoundationPiles + pile.index;
        case ListId::Reserve: return kStockAreaPiles + kFoundationPiles + kTableauPiles + pile.index;
    }
    return 0;
}

QAccessibleInterface* TableInterface(TableWidget& table) { return QAccessible::queryAccessibleInterface(&table); }

// The parts of an item of the table that never change.
class TableItem : public QAccessibleInterface {
public:
    explicit TableItem(TableAccessibility& owner) : table_(&owner.Table()), owner_(&owner) {}

    bool isValid() const override { return !table_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return table_ ? table_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return table_ ? TableInterface(*table_) : nullptr; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}

protected:
    QPointer<TableWidget> table_;
    TableAccessibility* owner_;
};

class PileItem : public TableItem {
public:
    PileItem(TableAccessibility& owner, PileRef pile) : TableItem(owner), pile_(pile) {}

    QString text(QAccessible::Text t) const override {
        if (!isValid()) return {};
        if (t == QAccessible::Name) return owner_->PileName(pile_);
        if (t == QAccessible::Description || t == QAccessible::Value) return owner_->PileContents(pile_);
        return {};
    }
    QRect rect() const override {
        if (!isValid()) return {};
        const QRect r = owner_->PileRect(pile_);
        return QRect(table_->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.focusable = true;
        s.selectable = true;
        s.focused = isValid() && owner_->IsFocused(pile_);
        s.selected = s.focused;
        return s;
    }

private:
    PileRef pile_;
};

class AnnouncementItem : public TableItem {
public:
    using TableItem::TableItem;

    QString text(QAccessible::Text t) const override {
        return isValid() && t == QAccessible::Name ? owner_->Announcement() : QString();
    }
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.invisible = owner_->Announcement().isEmpty();
        return s;
    }
};

// The table widget itself: a list of the piles, then the announcement.
class TableList : public QAccessibleWidget {
public:
    explicit TableList(TableWidget* table) : QAccessibleWidget(table, QAccessible::List, QString::fromUtf8(kTableName)) {}

    int childCount() const override {
        const TableAccessibility* a = Owner();
        return a ? static_cast<int>(a->Piles().size()) + 1 : 0;
    }
    QAccessibleInterface* child(int index) const override {
        TableAccessibility* a = Owner();
        if (!a || index < 0) return nullptr;
        const std::vector<PileRef> piles = a->Piles();
        if (index < static_cast<int>(piles.size())) return a->PileInterface(piles[static_cast<size_t>(index)]);
        return index == static_cast<int>(piles.size()) ? a->AnnouncementInterface() : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < childCount(); ++i)
            if (this->child(i) == child) return i;
        return -1;
    }
    QAccessibleInterface* focusChild() const override {
        TableAccessibility* a = Owner();
        if (!a) return nullptr;
        for (const PileRef& pile : a->Piles())
            if (a->IsFocused(pile)) return a->PileInterface(pile);
        return nullptr;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        TableAccessibility* a = Owner();
        if (!a) return nullptr;
        const QPoint at = static_cast<TableWidget*>(widget())->mapFromGlobal(QPoint(x, y));
        const std::vector<PileRef> piles = a->Piles();
        // The last pile drawn lies on top.
        for (auto it = piles.rbegin(); it != piles.rend(); ++it)
            if (a->PileRect(*it).contains(at)) return a->PileInterface(*it);
        return nullptr;
    }

private:
    TableAccessibility* Owner() const { return static_cast<TableWidget*>(widget())->Accessibility(); }
};

QAccessibleInterface* TableFactory(const QString&, QObject* object) {
    if (auto* table = dynamic_cast<TableWidget*>(object)) return new TableList(table);
    return nullptr;
}

void Notify(QAccessibleInterface* item, QAccessible::Event event) {
    if (!item) return;
    QAccessibleEvent notice(item, event);
    QAccessible::updateAccessibility(&notice);
}

}  // namespace

TableAccessibility::TableAccessibility(TableWidget& table, const Engine& engine, const TableKeys& keys)
    : table_(table), e_(engine), keys_(keys), before_(engine.piles),
      in_progress_(engine.flags.Get(flag::kInProgress)) {}

TableAccessibility::~TableAccessibility() {
    for (const auto& [flat, id] : pile_ids_) QAccessible::deleteAccessibleInterface(id);
    if (announcement_id_) QAccessible::deleteAccessibleInterface(announcement_id_);
}

std::vector<PileRef> TableAccessibility::Piles() const { return WalkOrder(e_); }

QString TableAccessibility::PileName(PileRef pile) const {
    return QString::fromStdString(PileSpokenName(e_, pile));
}

QString TableAccessibility::PileContents(PileRef pile) const {
    return QString::fromStdString(PileSpokenContents(e_, pile));
}

bool TableAccessibility::IsFocused(PileRef pile) const {
    return table_.hasFocus() && keys_.Focused() == pile;
}

QRect TableAccessibility::PileRect(PileRef pile) const {
    const Rect r = PileArea(e_, pile);
    return QRect(r.left, r.top, r.Width(), r.Height());
}

QAccessibleInterface* TableAccessibility::PileInterface(PileRef pile) {
    const int flat = FlatOf(pile);
    auto it = pile_ids_.find(flat);
    if (it == pile_ids_.end())
        it = pile_ids_.emplace(flat, QAccessible::registerAccessibleInterface(new PileItem(*this, pile))).first;
    return QAccessible::accessibleInterface(it->second);
}

QAccessibleInterface* TableAccessibility::AnnouncementInterface() {
    if (!announcement_id_) announcement_id_ = QAccessible::registerAccessibleInterface(new AnnouncementItem(*this));
    return QAccessible::accessibleInterface(announcement_id_);
}

void TableAccessibility::Announce(const QString& text) {
    if (text.isEmpty()) return;
    announcement_ = text;
    QAccessibleInterface* item = AnnouncementInterface();
    Notify(item, QAccessible::NameChanged);
    Notify(item, QAccessible::Alert);
}

void TableAccessibility::TableChanged() {
    if (before_ == e_.piles && in_progress_ == e_.flags.Get(flag::kInProgress)) return;
    const QString moves = QString::fromStdString(SpokenChange(e_, before_));
    for (const PileRef& pile : Piles())
        if (before_.Text(pile.list, pile.index) != e_.piles.Text(pile.list, pile.index))
            Notify(PileInterface(pile), QAccessible::DescriptionChanged);
    const bool was_in_progress = std::exchange(in_progress_, e_.flags.Get(flag::kInProgress));
    before_ = e_.piles;
    QString text = moves;
    if (was_in_progress && !in_progress_) {
        const QString end = QString::fromUtf8(IsGameWon(e_) ? kGameWon : kGameOver);
        text = text.isEmpty() ? end : text + ". " + end;
    }
    Announce(text);
}

void TableAccessibility::FocusMoved() {
    if (!table_.hasFocus()) return;
    Notify(PileInterface(keys_.Focused()), QAccessible::Focus);
}

void InstallTableAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(TableFactory);
        return true;
    }();
    (void)installed;
}

}  // namespace velmora
