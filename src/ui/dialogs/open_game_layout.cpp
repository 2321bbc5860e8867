// The widgets of the game selection dialog at fixed places in its 535 x 377
// client area: the tree at the left, the white description panel at the
// right of a splitter, the buttons along the bottom.

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QStackedWidget>
#include <QTreeWidget>

#include "ui/dialogs/game_info_panel.h"
#include "ui/dialogs/open_game_form.h"
#include "ui/dialogs/named_widget.h"
#include "ui/dialogs/tab_order.h"

namespace velmora {
namespace {

constexpr int kMargin = 8;
constexpr int kTreeWidth = 202;
constexpr int kHandleWidth = 5;
constexpr int kSideHeight = 328;
constexpr int kButtonTop = kMargin + kSideHeight + 8;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kOpenSavedWidth = 130;
// The player list under the tree: who plays the chosen game.
constexpr int kPlayerRowHeight = 28;
constexpr int kPlayerCaptionWidth = 42;

QLabel* Label(QWidget* parent, const char* name, const char* text, const QRect& place) {
    return Named(new QLabel(QString::fromUtf8(text), parent), name, place);
}

QPushButton* Button(QWidget* parent, const char* name, const char* text, const QRect& place) {
    return Named(new QPushButton(QString::fromUtf8(text), parent), name, place);
}

QFrame* WhitePanel(QWidget* parent, const char* name) {
    auto* panel = Named(new QFrame(parent), name, QRect());
    PaintWhitePanel(*panel);
    return panel;
}

}  // namespace

void TfrmOpenGame::BuildTreeSide() {
    splDescGame = Named(new QSplitter(Qt::Horizontal, this), "splDescGame",
                        QRect(kMargin, kMargin, kClientWidth - 2 * kMargin, kSideHeight));
    splDescGame->setHandleWidth(kHandleWidth);
    splDescGame->setChildrenCollapsible(false);
    auto* side = new QWidget(splDescGame);
    side->setObjectName(QStringLiteral("pnlTree"));
    lblSelectGame = Label(side, "lblSelectGame", "Select a &game:", QRect(0, 0, kTreeWidth, 16));
    trvGames = Named(new QTreeWidget(side), "trvGames",
                     QRect(0, 18, kTreeWidth, kSideHeight - 18 - kPlayerRowHeight));
    trvGames->setHeaderHidden(true);
    trvGames->setColumnCount(1);
    trvGames->setIconSize(QSize(16, 16));
    trvGames->setSelectionMode(QAbstractItemView::SingleSelection);
    trvGames->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lblSelectGame->setBuddy(trvGames);
    BuildPlayers(side, kSideHeight - kPlayerRowHeight + 4);
    splDescGame->addWidget(side);
    auto* description = new QWidget(splDescGame);
    description->setObjectName(QStringLiteral("pnlDesc"));
    splDescGame->addWidget(description);
    splDescGame->setSizes({kTreeWidth, kClientWidth - 2 * kMargin - kTreeWidth - kHandleWidth});
    BuildDescription(description);
}

void TfrmOpenGame::BuildDescription(QWidget* side) {
    const int width = kClientWidth - 2 * kMargin - kTreeWidth - kHandleWidth;
    side->setMinimumWidth(width);
    nbkDesc = Named(new QStackedWidget(side), "nbkDesc", QRect(0, 0, width, kSideHeight));
    pnlEdition = WhitePanel(nbkDesc, "pnlEdition");
    imgEdition = Named(new QLabel(pnlEdition), "imgEdition", QRect(2, 2, width - 4, kSideHeight - 4));
    imgEdition->setAlignment(Qt::AlignCenter);
    pnlDescGame = new GameInfoPanel(game_state_, games_, library_, QSize(width, kSideHeight), nbkDesc);
    nbkDesc->addWidget(pnlEdition);
    nbkDesc->addWidget(pnlDescGame);
}

void TfrmOpenGame::BuildButtons() {
    const int cancel_left = kClientWidth - kMargin - kButtonWidth;
    btnCancel = Button(this, "btnCancel", "Cancel",
                       QRect(cancel_left, kButtonTop, kButtonWidth, kButtonHeight));
    // From the right: Cancel, opening a saved game, OK, each 5 pixels apart.
    btnOpen = Button(this, "btnOpen", "Open a sa&ved game...",
                     QRect(cancel_left - 5 - kOpenSavedWidth, kButtonTop, kOpenSavedWidth, kButtonHeight));
    btnOK = Button(this, "btnOK", "OK",
                   QRect(btnOpen->x() - 5 - kButtonWidth, kButtonTop, kButtonWidth, kButtonHeight));
    btnOK->setDefault(true);
    btnRules = Button(this, "btnRules", "&Rules",
                      QRect(kMargin, kButtonTop, kButtonWidth, kButtonHeight));
    // The commands of the full collection this edition does not offer.
    btnStatistics = Button(this, "btnStatistics", "&Statistics...",
                           QRect(kMargin + kButtonWidth + 5, kButtonTop, 90, kButtonHeight));
    btnDemo = Button(this, "btnDemo", "&Demo",
                     QRect(kMargin + kButtonWidth + 100, kButtonTop, kButtonWidth, kButtonHeight));
    for (QWidget* hidden : std::initializer_list<QWidget*>{btnStatistics, btnDemo}) hidden->hide();
    // As read: the tree and the player under it, the preview box at the
    // right, then the buttons from left to right.
    ChainTabOrder({trvGames, cboPlayers, pnlDescGame->chkPreview, btnRules, btnStatistics, btnDemo, btnOK,
                   btnOpen, btnCancel});
}

void TfrmOpenGame::BuildPlayers(QWidget* side, int top) {
    lblPlayers = Label(side, "lblPlayers", "Pla&yer:", QRect(0, top + 3, kPlayerCaptionWidth, 16));
    cboPlayers = Named(new QComboBox(side), "cboPlayers",
                       QRect(kPlayerCaptionWidth, top, kTreeWidth - kPlayerCaptionWidth, 22));
    lblPlayers->setBuddy(cboPlayers);
}

}  // namespace velmora
