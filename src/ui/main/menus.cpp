// The main menu and the table's pop-up menu: every command of the program,
// with the commands this edition does not offer hidden.
#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include <span>

#include "ui/main/caption.h"
#include "ui/main/main_window.h"

namespace velmora {

namespace {

struct MenuItem {
    const char* name;  // null for a separator
    const char* caption;
    const char* shortcut;
};

constexpr MenuItem kSeparator{nullptr, nullptr, nullptr};

constexpr MenuItem kGameItems[] = {
    {"mnuNew", "&New game", "F2"},
    {"mnuOpen", "&Open a game", "Ctrl+F12"},
    {"mnuRestartGame", "&Restart game", "Ctrl+F2"},
    {"mnuSelect", "S&elect a game number...", "F3"},
    {"mnuRandomGame", "R&andom game", ""},
    kSeparator,
    {"mnuSave", "&Save...", "Shift+Ctrl+F12"},
    {"mnuPlayers", "&Players...", "Ctrl+L"},
    kSeparator,
    {"mnuHoldAndExit", "&Hold and exit...", ""},
    {"mnuEsci", "E&xit", ""},
};

constexpr MenuItem kPlayItems[] = {
    {"mnuUndo", "&Undo", "Ctrl+Z"},
    {"mnuRedo", "&Redo", "Ctrl+Y"},
    kSeparator,
    {"mnuSnapshotPosition", "Insert &bookmark", ""},
    {"mnuUndoToSnapshot", "Go &to bookmark", ""},
    kSeparator,
    {"mnuPause", "P&ause", "Ctrl+P"},
    {"mnuQuitGame", "&Quit game", "Ctrl+Q"},
    {"mnuGameInformation", "Game &information...", "F5"},
    kSeparator,
    {"mnuAutoPlay", "Au&toplay", "F7"},
    {"mnuHint", "&Hint", "H"},
    {"mnuDemo", "&Demo", "Ctrl+D"},
};

constexpr MenuItem kStatisticsItems[] = {
    {"mnuGameStatistics", "&Game statistics...", "F4"},
    {"mnuPlayersStatistics", "&Players statistics...", ""},
    {"mnuAllGamesStatistics", "&All games statistics...", ""},
    {"mnuLogStatistics", "&Log of games...", ""},
    {"mnuHiScores", "&Hi-scores...", "F9"},
    {"mnuOverallScore", "&Overall score...", ""},
};

constexpr MenuItem kOptionsItems[] = {
    {"mnuCustomize", "C&ustomize...", "Ctrl+U"},
    {"mnuCustomizeRules", "Customize &rules...", "Ctrl+R"},
    {"mnuFavoriteGames", "&Favorite games...", "Ctrl+F"},
    {"mnuCardCounter", "&Card counter...", "F8"},
};

constexpr MenuItem kHelpItems[] = {
    {"mnuRules", "&Rules", "F1"},
    {"Sommario1", "&Contents", ""},
    kSeparator,
    {"mnuTips", "&Tip of the Day...", ""},
    kSeparator,
    {"mnuAbout", "A&bout [Program]...", ""},
};

struct MenuDefinition {
    const char* name;
    const char* caption;
    std::span<const MenuItem> items;
};

const MenuDefinition kMenus[] = {
    {"mnuGame", "&Game", kGameItems},
    {"mnuPlay", "&Play", kPlayItems},
    {"mnuStatistics", "&Statistics", kStatisticsItems},
    {"mnuOptions", "&Options", kOptionsItems},
    {"mnuHelp", "&Help", kHelpItems},
};

// The commands that act on a game in progress: offered once one is dealt.
constexpr const char* kGameInProgressItems[] = {
    "mnuPause", "mnuQuitGame", "mnuSnapshotPosition", "mnuUndoToSnapshot",
};

// The table's own pop-up menu: each item runs a command of the main menu.
struct PopupItem {
    const char* caption;
    const char* command;
};

constexpr PopupItem kTablePopupItems[] = {
    {"Change card set", "mnuCustomize"},         {"Change deck", "mnuCustomize"},
    {"Change background", "mnuCustomize"},       {"Game information...", "mnuGameInformation"},
    {"Favorite games...", "mnuFavoriteGames"},   {"Pause", "mnuPause"},
    {"Quit game", "mnuQuitGame"},                {"Card counter", "mnuCardCounter"},
};

void AddItems(QMenu* menu, std::span<const MenuItem> items) {
    for (const MenuItem& item : items) {
        if (!item.name) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(QString::fromUtf8(item.caption));
        action->setObjectName(item.name);
        if (*item.shortcut) action->setShortcut(QKeySequence(QString::fromUtf8(item.shortcut)));
    }
}

}  // namespace

QAction* TfrmMain::Item(const char* name) const {
    return findChild<QAction*>(name);
}

void TfrmMain::BuildMenus() {
    for (const MenuDefinition& definition : kMenus) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(definition.caption));
        menu->setObjectName(definition.name);
        menu->menuAction()->setObjectName(definition.name);
        AddItems(menu, definition.items);
    }
    Item("mnuAutoPlay")->setCheckable(true);
    Item("mnuPause")->setCheckable(true);
    Connect(Item("mnuNew"), &TfrmMain::mnuNewClick);
    Connect(Item("mnuOpen"), &TfrmMain::mnuOpenClick);
    Connect(Item("mnuRestartGame"), &TfrmMain::mnuRestartGameClick);
    Connect(Item("mnuSelect"), &TfrmMain::mnuSelectClick);
    Connect(Item("mnuRandomGame"), &TfrmMain::mnuRandomGameClick);
    Connect(Item("mnuSave"), &TfrmMain::mnuSaveClick);
    Connect(Item("mnuPlayers"), &TfrmMain::mnuPlayersClick);
    Connect(Item("mnuFavoriteGames"), &TfrmMain::mnuFavoriteGamesClick);
    Connect(Item("mnuSnapshotPosition"), &TfrmMain::mnuSnapshotPositionClick);
    Connect(Item("mnuUndoToSnapshot"), &TfrmMain::mnuUndoToSnapshotClick);
    Connect(Item("mnuPause"), &TfrmMain::mnuPauseClick);
    Connect(Item("mnuQuitGame"), &TfrmMain::mnuQuitGameClick);
    Connect(Item("mnuUndo"), &TfrmMain::mnuUndoClick);
    Connect(Item("mnuRedo"), &TfrmMain::mnuRedoClick);
    Connect(Item("mnuAutoPlay"), &TfrmMain::mnuAutoPlayClick);
    Connect(Item("mnuHint"), &TfrmMain::mnuHintClick);
    Connect(Item("mnuDemo"), &TfrmMain::mnuDemoClick);
    Connect(Item("mnuCustomize"), &TfrmMain::mnuCustomizeClick);
    Connect(Item("mnuCustomizeRules"), &TfrmMain::mnuCustomizeRulesClick);
    Connect(Item("mnuRules"), &TfrmMain::mnuRulesClick);
    Connect(Item("Sommario1"), &TfrmMain::Sommario1Click);
    Connect(Item("mnuAbout"), &TfrmMain::mnuAboutClick);
    ConnectStatisticsCommands();
    // Both leave by the window's close, which decides whether it may; the
    // close keeps a game in progress for the next start.
    for (const char* name : {"mnuEsci", "mnuHoldAndExit"})
        connect(Item(name), &QAction::triggered, this, [this] { close(); });

    popMain = new QMenu(this);
    popMain->setObjectName("popMain");
    for (const PopupItem& item : kTablePopupItems) {
        QAction* action = popMain->addAction(QString::fromUtf8(item.caption));
        action->setProperty("command", QString::fromLatin1(item.command));
        // A command the window does not offer (or not now) stays silent.
        connect(action, &QAction::triggered, this, [this, name = item.command] { Item(name)->trigger(); });
    }
    BuildExtraCommands();
}

void TfrmMain::PrepareMenusForEdition() {
    QCoreApplication::setApplicationName(QString::fromUtf8(kProgramName));
    for (QAction* action : findChildren<QAction*>()) {
        const std::string text = action->text().toStdString();
        if (text.find('[') != std::string::npos)
            action->setText(QString::fromStdString(host_->ExpandPlaceholders(text)));
    }
    for (const char* name : kGameInProgressItems) Item(name)->setEnabled(false);
}

}  // namespace velmora
