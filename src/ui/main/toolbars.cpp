// The two toolbars: the large one (glyph over caption) and the small one
// (glyph only) hold the same commands; one of them, or neither, is shown.
// Their pop-up menu switches size and button style and brings hidden time
// or score panels back.
#include <QAction>
#include <QActionGroup>
#include <QFrame>
#include <QIcon>
#include <QMenu>
#include <QPixmap>
#include <QToolButton>

#include "storage/preference_keys.h"
#include "storage/settings_file.h"
#include "ui/main/main_window.h"
#include "ui/main/table_widget.h"

namespace velmora {

namespace {

struct ToolbarCommand {
    const char* name;     // buttons "tb" + name and "tb" + name + "1"
    const char* glyph;    // "TB_" + glyph, greyed "TB_" + glyph + "_DIS"
    const char* caption;  // under the glyph on the large buttons
    const char* hint;
    const char* item;  // the menu command it runs; null: none
    bool shown;        // false: hidden in this edition
    bool in_large;     // the large toolbar has the button too
    int group;         // the buttons of a group stand side by side
};

constexpr ToolbarCommand kCommands[] = {
    {"New", "NEW", "New", "New game", "mnuNew", true, true, 0},
    {"Open", "OPEN", "Open", "Open a game", "mnuOpen", true, true, 0},
    {"Restart", "RESTART", "Restart", "Restart game", "mnuRestartGame", true, true, 0},
    {"Save", "SAVE", "Save", "Save", "mnuSave", true, false, 0},
    {"Undo", "UNDO", "Undo", "Undo", "mnuUndo", true, true, 1},
    {"Redo", "REDO", "Redo", "Redo", "mnuRedo", true, true, 1},
    {"AutoPlay", "AUTOPLAY", "Auto", "Autoplay", "mnuAutoPlay", true, true, 2},
    {"Hint", "HINT", "Hint", "Hint: the next move of a winning line", "mnuHint", true, true, 2},
    {"Stat", "STAT", "Statistics", "Game statistics", "mnuGameStatistics", true, true, 2},
    {"FastSearch", "FASTSEARCH", "Search", "Fast search", nullptr, false, true, 2},
    {"Rules", "RULES", "Rules", "Rules", "mnuRules", true, true, 3},
    {"Exit", "EXIT", "Exit", "Exit", "mnuEsci", true, true, 3},
};

constexpr int kLargeButtonWidth = 44;
constexpr int kLargeButtonHeight = 42;
constexpr int kSmallButtonWidth = 23;
constexpr int kFirstButtonLeft = 2;
constexpr int kGroupGap = 6;
constexpr int kGlyphSize = 16;

std::string ButtonName(const ToolbarCommand& command, bool large) {
    return std::string("tb") + command.name + (large ? "" : "1");
}

int PanelHeight(bool large, bool flat) {
    if (large) return flat ? 46 : 45;
    return flat ? 24 : 25;
}

}  // namespace

void TfrmMain::BuildToolbars() {
    BuildToolbar(pnlTB, true);
    BuildToolbar(pnlTB1, false);
    BuildToolbarMenu();
}

void TfrmMain::BuildToolbar(Toolbar& toolbar, bool large) {
    toolbar.large = large;
    toolbar.panel = new QFrame(table_);
    toolbar.panel->setObjectName(large ? "pnlTB" : "pnlTB1");
    toolbar.panel->setAutoFillBackground(true);
    // The table's cursor is the player's choice; over the buttons the arrow.
    toolbar.panel->setCursor(Qt::ArrowCursor);
    toolbar.panel->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(
        toolbar.panel, &QWidget::customContextMenuRequested, this,
        [this, panel = toolbar.panel](const QPoint& at) { popTB->popup(panel->mapToGlobal(at)); });
    for (const ToolbarCommand& command : kCommands) {
        if (large && !command.in_large) continue;
        auto* button = new QToolButton(toolbar.panel);
        button->setObjectName(QString::fromStdString(ButtonName(command, large)));
        button->setIconSize(QSize(kGlyphSize, kGlyphSize));
        button->setToolButtonStyle(large ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
        if (large) button->setText(QString::fromUtf8(command.caption));
        button->setVisible(command.shown);
        toolbar.buttons[command.name] = button;
        QAction* item = command.item ? Item(command.item) : nullptr;
        if (!item) continue;
        button->setCheckable(item->isCheckable());
        connect(button, &QToolButton::clicked, this, [this, item] {
            update();
            item->trigger();
        });
        // The buttons follow their command: enabled with it, down while ticked.
        connect(item, &QAction::changed, button, [button, item] {
            button->setEnabled(item->isEnabled());
            button->setChecked(item->isChecked());
        });
    }
    if (large) {
        QFont font = toolbar.panel->font();
        font.setPixelSize(10);
        toolbar.panel->setFont(font);
    }
}

void TfrmMain::LoadToolbarGlyphs() {
    for (Toolbar* toolbar : {&pnlTB, &pnlTB1}) {
        for (const ToolbarCommand& command : kCommands) {
            const auto it = toolbar->buttons.find(command.name);
            if (it == toolbar->buttons.end()) continue;
            const std::string glyph = std::string("TB_") + command.glyph;
            QIcon icon;
            icon.addPixmap(QPixmap::fromImage(library_.Glyph(glyph)), QIcon::Normal);
            icon.addPixmap(QPixmap::fromImage(library_.Glyph(glyph + "_DIS")), QIcon::Disabled);
            it->second->setIcon(icon);
        }
    }
}

void TfrmMain::BuildToolbarMenu() {
    popTB = new QMenu(this);
    popTB->setObjectName("popTB");
    const auto add = [this](const char* name, const char* caption) {
        QAction* action = popTB->addAction(QString::fromUtf8(caption));
        action->setObjectName(name);
        return action;
    };
    popTBLarge = add("popTBLarge", "Large icons");
    popTBSmall = add("popTBSmall", "Small icons");
    popTB->addSeparator();
    popTBFlat = add("popTBFlat", "Flat button");
    popTBRaised = add("popTBRaised", "No flat button");
    popTB->addSeparator();
    popTBShowTime = add("popTBShowTime", "Show time");
    popTBShowScore = add("popTBShowScore", "Show score");
    for (auto [first, second] :
         {std::pair{popTBLarge, popTBSmall}, std::pair{popTBFlat, popTBRaised}}) {
        auto* group = new QActionGroup(popTB);
        for (QAction* action : {first, second}) {
            action->setCheckable(true);
            group->addAction(action);
        }
    }
    const auto guarded = [this](std::function<void()> command) {
        return [this, command] { Guarded(command); };
    };
    connect(popTBLarge, &QAction::triggered, this,
            guarded([this] { SetToolbarLarge(true, true); }));
    connect(popTBSmall, &QAction::triggered, this,
            guarded([this] { SetToolbarLarge(false, true); }));
    connect(popTBFlat, &QAction::triggered, this, guarded([this] { SetToolbarFlat(true, true); }));
    connect(popTBRaised, &QAction::triggered, this,
            guarded([this] { SetToolbarFlat(false, true); }));
    connect(popTBShowTime, &QAction::triggered, this, guarded([this] { ShowTime(true, true); }));
    connect(popTBShowScore, &QAction::triggered, this, guarded([this] { ShowScore(true, true); }));
}

void TfrmMain::ShowToolbarPanels() {
    pnlTB.panel->setVisible(toolbar_visible_ && toolbar_large_);
    pnlTB1.panel->setVisible(toolbar_visible_ && !toolbar_large_);
    // The toolbar lies over the table, the separator lines just below it.
    pnlTB.panel->raise();
    pnlTB1.panel->raise();
}

void TfrmMain::SetToolbarLarge(bool large, bool store) {
    toolbar_large_ = large;
    if (store) OpenSettingsFile(engine_.params).WriteFlag(key::kToolBarLarge, large);
    ShowToolbarPanels();
    popTBLarge->setChecked(large);
    popTBSmall->setChecked(!large);
    SetPanelHeights(large);
    SetButtonGeometry();
    PlacePanels();
    update();
    RelayoutTable();
}

void TfrmMain::SetToolbarFlat(bool flat, bool store) {
    toolbar_flat_ = flat;
    if (store) OpenSettingsFile(engine_.params).WriteFlag(key::kToolBarFlat, flat);
    popTBFlat->setChecked(flat);
    popTBRaised->setChecked(!flat);
    const bool hints = engine_.params.IsYes(key::kShowToolTips.position);
    for (Toolbar* toolbar : {&pnlTB, &pnlTB1}) {
        for (const ToolbarCommand& command : kCommands) {
            const auto it = toolbar->buttons.find(command.name);
            if (it == toolbar->buttons.end()) continue;
            it->second->setAutoRaise(flat);
            it->second->setToolTip(hints ? QString::fromUtf8(command.hint) : QString());
        }
    }
    SetButtonGeometry();
}

void TfrmMain::SetToolbarVisible(bool visible, bool store) {
    toolbar_visible_ = visible;
    if (store) OpenSettingsFile(engine_.params).WriteFlag(key::kToolBarVisible, visible);
    ShowToolbarPanels();
    PlacePanels();
    RelayoutTable();
}

void TfrmMain::ApplyToolbarVisibilityFromSettings() {
    const SettingsFile file = OpenSettingsFile(engine_.params);
    if (!file.IsYes(key::kToolBarVisible)) {
        SetToolbarVisible(false, false);
        return;
    }
    toolbar_visible_ = true;
    SetToolbarLarge(file.IsYes(key::kToolBarLarge), false);
    SetToolbarFlat(file.IsYes(key::kToolBarFlat), false);
    ShowTime(engine_.params.IsYes(key::kShowTime.position), false);
    ShowScore(engine_.params.IsYes(key::kShowScore.position), false);
}

void TfrmMain::SetButtonGeometry() {
    const bool small_shown = toolbar_visible_ && !toolbar_large_;
    const int top = !small_shown || toolbar_large_ ? 2 : 1;
    const int small_height = toolbar_flat_ ? 22 : 23;
    for (Toolbar* toolbar : {&pnlTB, &pnlTB1}) {
        const int width = toolbar->large ? kLargeButtonWidth : kSmallButtonWidth;
        const int height = toolbar->large ? kLargeButtonHeight : small_height;
        toolbar->panel->setGeometry(0, 0, table_->width(),
                                    PanelHeight(toolbar->large, toolbar_flat_));
        int left = kFirstButtonLeft;
        int group = kCommands[0].group;
        for (const ToolbarCommand& command : kCommands) {
            const auto it = toolbar->buttons.find(command.name);
            if (it == toolbar->buttons.end() || !command.shown) continue;
            if (command.group != group) left += kGroupGap;
            group = command.group;
            it->second->setGeometry(left, top, width, height);
            left += width;
        }
    }
}

ToolbarRow TfrmMain::CurrentToolbarRow() const {
    if (!toolbar_visible_) return {};
    const Toolbar& shown = toolbar_large_ ? pnlTB : pnlTB1;
    const QRect exit = shown.buttons.at("Exit")->geometry();
    return {true, shown.panel->y(), shown.panel->height(),
            shown.panel->x() + exit.x() + exit.width()};
}

int TfrmMain::ToolbarBottom() const {
    const ToolbarRow row = CurrentToolbarRow();
    return row.shown ? row.top + row.height : 0;
}

}  // namespace velmora
