#pragma once
// TfrmOpenGame ("Open a game"): the player picks the next game from the
// tree of the catalogue and sees, for the selected game, its decks, time,
// difficulty, skill, chance of winning, redeals and a preview. OK records
// the choice in the settings file; the caller opens the game.

#include <QDialog>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "storage/settings_file.h"
#include "ui/dialogs/game_info_panel.h"
#include "ui/dialogs/open_game_list.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QAction;
class QLabel;
class QMenu;
class QPoint;
class QPushButton;
class QSplitter;
class QStackedWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace velmora {

class ParamRecord;
class ResourceLibrary;
class TMainGame;
struct GamesData;

// What OK chose: the game, its name as the tree shows it, and the player of
// the player list (empty when the list has none); or, from "Open a saved game...", only that a
// saved game is to be opened (the caller asks for its file).
struct OpenGameChoice {
    int number = 0;
    std::string name;
    std::string player;
    bool open_saved = false;
};

class TfrmOpenGame : public QDialog {
  public:
    static constexpr int kClientWidth = 535;
    static constexpr int kClientHeight = 377;

    // Opens a help file ("<folder>tabloria.hlp>rules") at a topic.
    using HelpHook = std::function<void(const std::string& help_file, int topic)>;
    // An information box with one OK button.
    using InfoHook = std::function<void(const std::string& text)>;

    // The catalogue of `game_state` must be loaded. `game_state`, `games`,
    // `params` and `library` must outlive the dialog.
    TfrmOpenGame(const ParamRecord& params, SettingsFile settings, const TMainGame& game_state,
                 const GamesData& games, const ResourceLibrary& library, HelpHook show_help,
                 InfoHook show_info, QWidget* owner = nullptr);

    // Shows the statistics of a game over the dialog.
    using StatisticsHook = std::function<void(int game, QWidget* owner)>;
    // Shows "Statistics..." and has it open the selected game's statistics.
    void SetStatisticsCommand(StatisticsHook hook);
    // Deletes one of the player's own games (asking first); true when done.
    using DeleteHook = std::function<bool(int game)>;
    void SetDeleteCommand(DeleteHook hook) { delete_custom_ = std::move(hook); }
    void btnStatisticsClick();

    // Shows the dialog modally: the game OK chose, or none.
    std::optional<OpenGameChoice> Choose();
    // Set by OK; Choose clears it again.
    bool Chosen() const { return chosen_; }
    const OpenGameChoice& Choice() const { return choice_; }

    QLabel* lblSelectGame;
    QTreeWidget* trvGames;
    QSplitter* splDescGame;
    QStackedWidget* nbkDesc;
    // The selected game described: its name, preview and information rows.
    GameInfoPanel* pnlDescGame;
    QFrame* pnlEdition;
    QLabel* imgEdition;

    QPushButton* btnOK;
    QPushButton* btnOpen;
    QPushButton* btnCancel;
    QPushButton* btnRules;
    QPushButton* btnStatistics;
    QPushButton* btnDemo;
    QLabel* lblPlayers;
    QComboBox* cboPlayers;
    // The tree's right-click menu (open_game_popup.cpp).
    QMenu* popGames;
    QAction* popOpen;
    QAction* popRules;
    QAction* popStatistics;
    QAction* popFavorite;
    QAction* popDeleteCustom;

    // The form's event handlers, as the buttons, the tree and the popup
    // menu call them; each also guards against a category.
    void btnOKClick();
    void btnOpenClick();
    void btnRulesClick();
    // Adds the selected game to the favorites, or removes it.
    void popFavoriteClick();
    // The popup's items as they stand for the selected node.
    void PreparePopupMenu();
    // The "Favorite games" branch as the settings file holds it now.
    void RefreshFavorites();
    // The player's own games as the game data holds them now.
    void RefreshCustomGames();
    // Deletes the selected game of the player's own (the Delete key too).
    void popDeleteCustomClick();

  protected:
    void showEvent(QShowEvent* event) override;
    // Return on a category opens or closes it; on a game it plays the game.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // The widgets (open_game_layout.cpp).
    void BuildTreeSide();
    void BuildDescription(QWidget* side);
    void BuildButtons();
    void BuildPlayers(QWidget* side, int top);
    void BuildPopupMenu();
    void ConnectEvents();

    void FormCreate();
    void FormShow();
    void trvGamesChange(QTreeWidgetItem* node);
    void trvGamesExpanding(QTreeWidgetItem* node);
    void trvGamesDblClick(QTreeWidgetItem* node);
    void trvGamesContextPopup(const QPoint& at);
    void FillPlayers();
    void ReopenCategory(int category);
    const std::vector<std::string>& CategoryList(const QTreeWidgetItem* category) const;
    // Fills a category that still holds its placeholder, from its own list.
    bool FillNode(QTreeWidgetItem* category, int preselect);
    // Empties and fills a category again, keeping the game selected in it.
    void RefillCategory(int identity);

    void ShowInformation();
    void DescribeCategory();
    void DescribeGame(const QTreeWidgetItem& node);
    void EnableGameCommands(bool enabled);
    int CurrentGameNumber() const;

    const ParamRecord& params_;
    SettingsFile settings_;
    const TMainGame& game_state_;
    const GamesData& games_;
    const ResourceLibrary& library_;
    HelpHook show_help_;
    InfoHook show_info_;
    StatisticsHook show_statistics_;
    DeleteHook delete_custom_;

    std::vector<std::string> game_list_;
    std::vector<std::string> favorite_list_;  // the entries of the favorite games
    std::vector<QPixmap> images_;
    // The category reopened, with the current game selected, at the first showing.
    std::optional<int> reopen_category_;
    OpenGameChoice choice_;
    bool chosen_ = false;
};

}  // namespace velmora
