#pragma once
// The table for assistive technology (a screen reader through AT-SPI): the
// table widget is a list whose items are the piles on the table, each named
// by its role and number ("Tableau 3") and described by what it holds ("5
// cards, seven of hearts on top"); the pile the keyboard's mark is on is
// the focused item. Each move and the end of a game are announced through
// a notification item whose name is the latest announcement.

#include <QRect>
#include <QString>

#include <map>
#include <vector>

#include "engine/model/pile_lists.h"
#include "engine/model/pile_names.h"

class QAccessibleInterface;

namespace velmora {

class TableKeys;
class TableWidget;
struct Engine;

class TableAccessibility {
public:
    TableAccessibility(TableWidget& table, const Engine& engine, const TableKeys& keys);
    ~TableAccessibility();
    TableAccessibility(const TableAccessibility&) = delete;
    TableAccessibility& operator=(const TableAccessibility&) = delete;

    // The position may have changed: moves and the end of a game are
    // announced, and the piles that changed tell so.
    void TableChanged();
    // The keyboard's mark went to another pile.
    void FocusMoved();

    // What the interfaces read.
    std::vector<PileRef> Piles() const;
    QString PileName(PileRef pile) const;
    QString PileContents(PileRef pile) const;
    bool IsFocused(PileRef pile) const;
    QRect PileRect(PileRef pile) const;  // in table coordinates
    const QString& Announcement() const { return announcement_; }
    TableWidget& Table() const { return table_; }

    // The interface of a pile (made once, kept until the table goes) and of
    // the announcement.
    QAccessibleInterface* PileInterface(PileRef pile);
    QAccessibleInterface* AnnouncementInterface();

private:
    void Announce(const QString& text);

    TableWidget& table_;
    const Engine& e_;
    const TableKeys& keys_;
    PileLists before_;
    bool in_progress_ = false;
    QString announcement_;
    std::map<int, unsigned> pile_ids_;  // flat pile number -> registered interface id
    unsigned announcement_id_ = 0;
};

// Lets Qt give the table widget its accessible interface; once per program.
void InstallTableAccessibility();

}  // namespace velmora
