#include "ui/dialogs/open_game_form.h"

#include <QCheckBox>
#include <QSignalBlocker>
#include <QComboBox>
#include <QFont>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTreeWidget>

#include "engine/model/games_file.h"
#include "engine/model/param_record.h"
#include "platform/desktop.h"
#include "platform/drawing.h"
#include "platform/resource_library.h"
#include "storage/favorites.h"
#include "storage/players.h"
#include "storage/preference_keys.h"
#include "storage/settings_writers.h"
#include "text/fixed_text.h"
#include "ui/dialogs/game_info_panel.h"
#include "platform/wait_cursor.h"
#include "ui/dialogs/advanced_form.h"
#include "ui/dialogs/open_game_list.h"
#include "ui/dialogs/open_game_tree.h"

namespace velmora {
namespace {

constexpr std::string_view kOpenAGame = "Open a game";
constexpr std::string_view kSelectAGame = "Select a game";
constexpr std::string_view kRulesHelpFile = "tabloria.hlp>rules";
// The program's picture on the panel shown while a category is selected.
constexpr std::string_view kEditionPicture = "SPLASH_PICTURE";
constexpr int kNoGame = -1;

QPixmap EditionPicture(const ResourceLibrary& library, QSize room) {
    const QImage picture = library.Bitmap(kEditionPicture);
    if (picture.isNull()) return QPixmap();
    // As large as the room allows, in the picture's own proportions.
    QImage fitted = picture.scaledToWidth(room.width(), Qt::SmoothTransformation);
    if (fitted.height() > room.height())
        fitted = picture.scaledToHeight(room.height(), Qt::SmoothTransformation);
    return QPixmap::fromImage(fitted);
}

}  // namespace

TfrmOpenGame::TfrmOpenGame(const ParamRecord& params, SettingsFile settings,
                           const TMainGame& game_state, const GamesData& games,
                           const ResourceLibrary& library, HelpHook show_help, InfoHook show_info,
                           QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      params_(params),
      settings_(std::move(settings)),
      game_state_(game_state),
      games_(games),
      library_(library),
      show_help_(std::move(show_help)),
      show_info_(std::move(show_info)) {
    setObjectName(QStringLiteral("frmOpenGame"));
    setWindowTitle(QStringLiteral("Open a game"));
    setFixedSize(kClientWidth, kClientHeight);
    setModal(true);
    // Laid out for 8-point Tahoma; the font rule replaces it where missing.
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    BuildTreeSide();
    BuildButtons();
    FormCreate();
    ConnectEvents();
    ApplyAdvancedFormFont(*this);
}

void TfrmOpenGame::FormCreate() {
    game_list_ = open_game::BuildGameList(game_state_.Catalogue());
    images_ = open_game::GameTreeImages(library_);
    open_game::AddCategory(*trvGames, QStringLiteral("Favorite games"), open_game::kFavoritesRoot, images_);
    open_game::AddCategory(*trvGames, QStringLiteral("All games (alphabetically)"),
                           open_game::kAllGamesRoot, images_);
    open_game::AddCategory(*trvGames, QStringLiteral("Customized games"), open_game::kCustomGamesRoot, images_);
    favorite_list_ = open_game::FavoriteEntries(game_list_, ReadFavoriteGames(settings_));
    if (const int category = settings_.ReadInt(key::kGameTreeNum); category < 0)
        reopen_category_ = category;
    pnlDescGame->chkPreview->setChecked(settings_.IsYes(key::kOpenPreviewGame));
    imgEdition->setPixmap(EditionPicture(library_, imgEdition->size() - QSize(16, 16)));
}

void TfrmOpenGame::ConnectEvents() {
    connect(trvGames, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* node) { trvGamesChange(node); });
    connect(trvGames, &QTreeWidget::itemExpanded, this,
            [this](QTreeWidgetItem* node) { trvGamesExpanding(node); });
    connect(trvGames, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* node) { trvGamesDblClick(node); });
    connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnRules, &QPushButton::clicked, this, [this] { btnRulesClick(); });
    connect(btnOpen, &QPushButton::clicked, this, [this] { btnOpenClick(); });
    BuildPopupMenu();
}

std::optional<OpenGameChoice> TfrmOpenGame::Choose() {
    chosen_ = false;
    // Centred on the screen, not over the main window.
    if (const QScreen* shown_on = screen()) move(shown_on->geometry().center() - rect().center());
    exec();
    if (!chosen_) return std::nullopt;
    chosen_ = false;
    return choice_;
}

void TfrmOpenGame::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TfrmOpenGame::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    QTreeWidgetItem* node = trvGames->currentItem();
    if (enter && trvGames->hasFocus() && node && !open_game::IsGameNode(node)) {
        node->setExpanded(!node->isExpanded());
        return;
    }
    QDialog::keyPressEvent(event);
}

void TfrmOpenGame::FormShow() {
    WaitCursor busy;
    // The favorites and the player's own games may have changed since the last showing.
    RefreshFavorites();
    RefreshCustomGames();
    if (reopen_category_) {
        ReopenCategory(*reopen_category_);
        reopen_category_.reset();
    }
    FillPlayers();
    ShowInformation();
    trvGames->setFocus();
}

// The category the player last chose from opens with the current game
// selected; a game no longer among the favorites is found among all games.
void TfrmOpenGame::ReopenCategory(int category) {
    const int current = CurrentGameNumber();
    QTreeWidgetItem* node = open_game::FindNode(*trvGames, category);
    FillNode(node, current);
    if (open_game::IsGameNode(trvGames->currentItem()) || category == open_game::kAllGamesRoot) return;
    node = open_game::FindNode(*trvGames, open_game::kAllGamesRoot);
    open_game::FillCategory(*trvGames, node, game_list_, images_, current);
}

const std::vector<std::string>& TfrmOpenGame::CategoryList(const QTreeWidgetItem* category) const {
    return open_game::NodeIdentity(category) == open_game::kFavoritesRoot ? favorite_list_ : game_list_;
}

void TfrmOpenGame::FillPlayers() {
    cboPlayers->clear();
    for (const PlayerEntry& player : ReadPlayerList(settings_))
        cboPlayers->addItem(QString::fromStdString(player.name));
    // A current player missing from the list still plays on unless another is chosen.
    const QString current = QString::fromStdString(CurrentPlayerName(params_));
    if (!current.isEmpty() && cboPlayers->findText(current) < 0) cboPlayers->addItem(current);
    cboPlayers->setCurrentIndex(std::max(0, cboPlayers->findText(current)));
}

bool TfrmOpenGame::FillNode(QTreeWidgetItem* category, int preselect) {
    if (open_game::NodeIdentity(category) == open_game::kCustomGamesRoot)
        return open_game::FillCategory(*trvGames, category, open_game::CustomGameItems(games_), images_, preselect);
    return open_game::FillCategory(*trvGames, category, CategoryList(category), images_, preselect);
}

void TfrmOpenGame::RefreshFavorites() {
    favorite_list_ = open_game::FavoriteEntries(game_list_, ReadFavoriteGames(settings_));
    RefillCategory(open_game::kFavoritesRoot);
}

void TfrmOpenGame::RefreshCustomGames() { RefillCategory(open_game::kCustomGamesRoot); }

void TfrmOpenGame::RefillCategory(int identity) {
    QTreeWidgetItem* root = open_game::FindNode(*trvGames, identity);
    if (!root) return;
    const QTreeWidgetItem* current = trvGames->currentItem();
    const bool inside = current && current->parent() == root;
    const int keep = inside ? open_game::NodeIdentity(current) : kNoGame;
    const bool open = root->isExpanded();
    {
        const QSignalBlocker quiet(trvGames);
        if (inside) trvGames->setCurrentItem(root);
        open_game::EmptyCategory(*root);
        if (open || inside) FillNode(root, keep);
        root->setExpanded(open);
    }
    if (isVisible()) ShowInformation();
}

void TfrmOpenGame::trvGamesChange(QTreeWidgetItem* node) {
    FillNode(node, kNoGame);
    if (!isVisible()) return;
    WaitCursor busy;
    ShowInformation();
}

void TfrmOpenGame::trvGamesExpanding(QTreeWidgetItem* node) {
    WaitCursor busy;
    FillNode(node, kNoGame);
}

// A category keeps the tree's own opening and closing.
void TfrmOpenGame::trvGamesDblClick(QTreeWidgetItem* node) {
    if (open_game::IsGameNode(node)) btnOKClick();
}

void TfrmOpenGame::ShowInformation() {
    const QTreeWidgetItem* node = trvGames->currentItem();
    if (open_game::IsGameNode(node)) {
        DescribeGame(*node);
    } else {
        DescribeCategory();
    }
}

void TfrmOpenGame::DescribeCategory() {
    nbkDesc->setCurrentWidget(pnlEdition);
    EnableGameCommands(false);
}

void TfrmOpenGame::DescribeGame(const QTreeWidgetItem& node) {
    nbkDesc->setCurrentWidget(pnlDescGame);
    pnlDescGame->Describe(open_game::NodeIdentity(&node), node.text(0));
    EnableGameCommands(true);
}

void TfrmOpenGame::EnableGameCommands(bool enabled) {
    for (QWidget* command : {static_cast<QWidget*>(pnlDescGame->chkPreview), static_cast<QWidget*>(btnOK),
                             static_cast<QWidget*>(btnRules), static_cast<QWidget*>(btnStatistics)})
        command->setEnabled(enabled);
}

void TfrmOpenGame::btnOKClick() {
    const QTreeWidgetItem* node = trvGames->currentItem();
    if (!open_game::IsGameNode(node)) {
        if (show_info_) show_info_(std::string(kOpenAGame));
        trvGames->setFocus();
        return;
    }
    choice_.number = open_game::NodeIdentity(node);
    choice_.name = node->text(0).toStdString();
    choice_.player = cboPlayers->currentText().toStdString();
    WriteGameChoice(settings_, choice_.number, choice_.name,
                    open_game::NodeIdentity(node->parent()), pnlDescGame->chkPreview->isChecked());
    hide();
    chosen_ = true;
    accept();
}

void TfrmOpenGame::btnOpenClick() {
    choice_ = OpenGameChoice{};
    choice_.open_saved = true;
    hide();
    chosen_ = true;
    accept();
}

void TfrmOpenGame::btnRulesClick() {
    const QTreeWidgetItem* node = trvGames->currentItem();
    if (!open_game::IsGameNode(node)) {
        if (show_info_) show_info_(std::string(kSelectAGame));
        trvGames->setFocus();
        return;
    }
    // A game of the player's own shows the rules of the game it was made from.
    const int number = open_game::NodeIdentity(node);
    const int game = RulesTopicGame(games_, number);
    const std::optional<int> topic = open_game::RulesTopic(game);
    if (!topic || (game != number && CatalogueIndex(game_state_, game) < 0)) {
        if (show_info_) show_info_("There is no help topic for the rules of this game.");
        return;
    }
    if (!show_help_) return;
    show_help_(params_.ParamRead(param::kProgramFolder, 200) + std::string(kRulesHelpFile), *topic);
}

int TfrmOpenGame::CurrentGameNumber() const {
    int64_t number = kNoGame;
    return ParseInt(TrimLeftSpaces(params_.ParamRead(param::kGameId, 4)), number)
               ? static_cast<int>(number)
               : kNoGame;
}

}  // namespace velmora
