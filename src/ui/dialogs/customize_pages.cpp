// The widgets of the customize dialog: four pages of a notebook and the
// buttons below it, at fixed places in the 400 x 301 client area.

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

#include "ui/dialogs/customize_form.h"
#include "ui/dialogs/customize_trees.h"
#include "ui/dialogs/named_widget.h"

namespace velmora {
namespace {

constexpr int kCardWidth = 71;
constexpr int kCardHeight = 96;

QCheckBox* CheckBox(QWidget* parent, const char* name, const char* text, const QRect& place) {
    return Named(new QCheckBox(QString::fromUtf8(text), parent), name, place);
}

QGroupBox* Group(QWidget* parent, const char* name, const char* title, const QRect& place) {
    return Named(new QGroupBox(QString::fromUtf8(title), parent), name, place);
}

QWidget* Page(QTabWidget* notebook, const char* name, const char* caption) {
    auto* page = new QWidget(notebook);
    page->setObjectName(QString::fromLatin1(name));
    notebook->addTab(page, QString::fromUtf8(caption));
    return page;
}

QTreeWidget* Tree(QWidget* parent, const char* name, const QRect& place) {
    auto* tree = Named(new QTreeWidget(parent), name, place);
    tree->setHeaderHidden(true);
    tree->setColumnCount(1);
    tree->setRootIsDecorated(true);
    tree->setIconSize(QSize(16, 16));
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    return tree;
}

}  // namespace

void TfrmCustomize_Freeware::BuildGeneralPage() {
    nbkCustomize = Named(new QTabWidget(this), "nbkCustomize", QRect(8, 8, 384, 253));
    tsGeneral = Page(nbkCustomize, "tsGeneral", "&General");
    grpTimeScores =
        Group(tsGeneral, "grpTimeScores", "Time / Scores options", QRect(8, 8, 362, 74));
    chkShowTime = CheckBox(grpTimeScores, "chkShowTime", "Show &time", QRect(12, 22, 330, 20));
    chkShowScore = CheckBox(grpTimeScores, "chkShowScore", "Show sco&re", QRect(12, 46, 330, 20));
    grpShow = Group(tsGeneral, "grpShow", "Play ", QRect(8, 92, 362, 52));
    chkConfirmQuitGame =
        CheckBox(grpShow, "chkConfirmQuitGame", "C&onfirm quit game", QRect(12, 22, 160, 20));
    chkSafeAutoplay = CheckBox(grpShow, "chkSafeAutoplay", "Safe a&utoplay", QRect(180, 22, 170, 20));
    chkSafeAutoplay->setToolTip(
        QStringLiteral("Autoplay leaves a card on the table while a card in play could still go on it.\n"
                       "Untick to send home every card that can go."));
    // Kept for the settings they write; this edition does not offer them.
    chkWinningAnimation =
        CheckBox(grpShow, "chkWinningAnimation", "&Winning animation", QRect(12, 46, 330, 20));
    chkWinningAnimation->setChecked(true);
    chkWinningAnimation->hide();
    chkConfirmOnExit =
        CheckBox(grpShow, "chkConfirmOnExit", "Confirm on e&xit", QRect(12, 70, 330, 20));
    chkConfirmOnExit->hide();
    grpToolbar = Group(tsGeneral, "grpToolbar", "Toolbar ", QRect(8, 154, 362, 52));
    chkTBLargeIcons =
        CheckBox(grpToolbar, "chkTBLargeIcons", "&Large buttons", QRect(12, 22, 160, 20));
    chkTBFlatBtn = CheckBox(grpToolbar, "chkTBFlatBtn", "&Flat buttons", QRect(180, 22, 160, 20));
    grpToolbar->hide();
    // In the toolbar group's place, which this dialog does not show.
    grpSolver = Group(tsGeneral, "grpSolver", "Solver ", QRect(8, 154, 362, 66));
    chkShowWinnable = CheckBox(grpSolver, "chkShowWinnable", "Show whether the game can still be &won",
                               QRect(12, 20, 340, 20));
    chkWinnableDeals =
        CheckBox(grpSolver, "chkWinnableDeals", "Deal only w&innable games", QRect(12, 42, 340, 20));
}

void TfrmCustomize_Freeware::BuildDecksPage() {
    tsDecks = Page(nbkCustomize, "tsDecks", "&Decks  ");
    lblCardBack = Named(new QLabel(QStringLiteral("Select a &card back:"), tsDecks), "lblCardBack",
                        QRect(8, 6, 200, 18));
    trvCardBack = Tree(tsDecks, "trvCardBack", QRect(8, 26, 204, 160));
    lblCardBack->setBuddy(trvCardBack);
    lblCardSize = Named(new QLabel(QStringLiteral("Card si&ze:"), tsDecks), "lblCardSize",
                        QRect(8, 196, 66, 18));
    cboCardSize = Named(new QComboBox(tsDecks), "cboCardSize", QRect(76, 192, 136, 26));
    for (const CardSizeOption& option : kCardSizeOptions)
        cboCardSize->addItem(QString::fromLatin1(option.text), QVariant(static_cast<int>(option.letter)));
    lblCardSize->setBuddy(cboCardSize);
    grpDeckSample = Group(tsDecks, "grpDeckSample", "", QRect(222, 6, 148, 212));
    imgSfondoEsempio2 =
        Named(new QLabel(grpDeckSample), "imgSfondoEsempio2", QRect(10, 24, 128, 178));
    const int card_x = (imgSfondoEsempio2->width() - kCardWidth) / 2;
    const int card_y = (imgSfondoEsempio2->height() - kCardHeight) / 2;
    imgDorsoEsempio = Named(new QLabel(imgSfondoEsempio2), "imgDorsoEsempio",
                            QRect(card_x, card_y, kCardWidth, kCardHeight));
}

void TfrmCustomize_Freeware::BuildBackgroundsPage() {
    tsBackgrounds = Page(nbkCustomize, "tsBackgrounds", "&Backgrounds");
    lblBackGround = Named(new QLabel(QStringLiteral("Select a bac&kground:"), tsBackgrounds),
                          "lblBackGround", QRect(8, 6, 200, 18));
    trvBackGround = Tree(tsBackgrounds, "trvBackGround", QRect(8, 26, 204, 192));
    lblBackGround->setBuddy(trvBackGround);
    imgSfondoEsempio =
        Named(new QLabel(tsBackgrounds), "imgSfondoEsempio", QRect(222, 26, 148, 120));
    imgSfondoEsempio->setFrameShape(QFrame::Box);
    lblSfondoEsempio =
        Named(new QLabel(tsBackgrounds), "lblSfondoEsempio", QRect(222, 150, 148, 18));
    lblSfondoEsempio->setAlignment(Qt::AlignCenter);
    chkFadeBackground =
        CheckBox(tsBackgrounds, "chkFadeBackground", "&Fade background", QRect(222, 196, 148, 20));
}

void TfrmCustomize_Freeware::BuildSoundsPage() {
    tsSounds = Page(nbkCustomize, "tsSounds", "&Sounds");
    chkSoundsEnabled =
        CheckBox(tsSounds, "chkSoundsEnabled", "Disable &all sounds", QRect(16, 14, 340, 20));
}

void TfrmCustomize_Freeware::BuildButtons() {
    btnOK = Named(new QPushButton(QStringLiteral("OK"), this), "btnOK", QRect(150, 268, 75, 25));
    btnOK->setDefault(true);
    btnAnnulla = Named(new QPushButton(QStringLiteral("Cancel"), this), "btnAnnulla",
                       QRect(233, 268, 75, 25));
    btnAiuto =
        Named(new QPushButton(QStringLiteral("&?"), this), "btnAiuto", QRect(316, 268, 75, 25));
}

void TfrmCustomize_Freeware::ConnectEvents() {
    connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnAiuto, &QPushButton::clicked, this, [this] {
        if (show_help_) show_help_(kHelpContext);
    });
    connect(trvCardBack, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* node) { trvCardBackChange(node); });
    connect(trvBackGround, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* node) { trvBackGroundChange(node); });
    // A click on the node already selected chooses it too (the default
    // table opens with the first colour selected but not chosen).
    connect(trvBackGround, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* node) {
        if (chosen_background_ != NodeValue(node)) trvBackGroundChange(node);
    });
    connect(chkFadeBackground, &QCheckBox::toggled, this, [this] { chkFadeBackgroundClick(); });
}

}  // namespace velmora
