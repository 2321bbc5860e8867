#pragma once
// TfrmMain, the program's main window: the menu, the two toolbars, the time
// and score panels and the table. Creating it starts the engine (resource
// library, settings, card table, game catalogue); its commands start and end
// games; the table widget hands the player's mouse to the pointer handling.
//
// The engine, the sounds, the messages and the dialogs belong to the program
// entry; the window reaches them through MainWindowServices.

#include <QMainWindow>

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/model/engine.h"
#include "engine/model/games_file.h"
#include "storage/custom_games_file.h"
#include "engine/play/deal_placement.h"
#include "engine/play/resume_state.h"
#include "engine/results/game_record.h"
#include "platform/input_filter.h"
#include "platform/resource_library.h"
#include "render/table_surfaces.h"
#include "solver/search.h"
#include "storage/solver_settings.h"
#include "storage/result_recorder.h"
#include "storage/settings_view.h"
#include "ui/main/cursor_slots.h"
#include "ui/main/game_clock.h"
#include "ui/main/main_window_services.h"
#include "ui/main/panel_placement.h"
#include "ui/main/window_table_view.h"

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QTimer;
class QToolButton;

namespace velmora {

class CardCounterWindow;
class PauseSign;
class SolverRunner;
struct DemoState;
class TableAccessibility;
class TableInput;
class TableKeys;
class TableWidget;
class WindowPacer;

class TfrmMain : public QMainWindow, public SettingsView, private TableViewOwner {
  public:
    TfrmMain(Engine& engine, MainWindowServices services, QWidget* parent = nullptr);
    ~TfrmMain() override;

    // False when the start-up failed for want of the resource library or
    // the game definitions (the host was told; the program should end).
    bool Started() const { return started_; }

    // The pointer handling of the table; not owned, may be null.
    void SetTableInput(TableInput* input);
    TableWidget& Table() { return *table_; }
    WindowTableView* View() { return view_.get(); }
    const CursorSlots& Cursors() const { return cursors_; }
    const ResourceLibrary& Library() const { return library_; }
    const GamesData& Games() const { return games_; }

    // The menu commands (the toolbar buttons run the same).
    void mnuNewClick();
    void mnuOpenClick();
    void mnuUndoClick();
    void mnuRedoClick();
    void mnuAutoPlayClick();
    void mnuRulesClick();
    void Sommario1Click();
    void mnuCustomizeClick();
    void mnuAboutClick();
    // Dealing and ending (deal_commands.cpp).
    void mnuRestartGameClick();
    void mnuSelectClick();
    void mnuRandomGameClick();
    void mnuQuitGameClick();
    // A game kept in a file of the player's (saved_games.cpp).
    void mnuSaveClick();
    void OpenSavedGame();
    // The players and the favorite games (player_commands.cpp).
    void mnuPlayersClick();
    void mnuFavoriteGamesClick();
    // Makes `name` the current player; a game in progress is left (after
    // asking, as for a new game) as the old player's, and the new player
    // gets a new deal of it. False when the player stays.
    bool ChangePlayer(const std::string& name);
    // Bookmarks in the move log (bookmark_commands.cpp).
    void mnuSnapshotPositionClick();
    void mnuUndoToSnapshotClick();
    // The pause (game_pause.cpp): the clock stops and a sign covers the
    // table until the command comes again or the sign is clicked.
    void mnuPauseClick();
    bool Paused() const { return paused_; }
    // Game information, the card counter, the tip of the day and the
    // table's pop-up menu (extra_commands.cpp).
    void mnuGameInformationClick();
    void mnuCardCounterClick();
    void mnuTipsClick();
    // The solver's help (solver_commands.cpp): the first move of a winning
    // line marked on the table for a moment, and the demo of the whole line
    // (demo_mode.cpp), played on the table and taken back when it closes.
    void mnuHintClick();
    void mnuDemoClick();
    bool DemoRunning() const { return demo_ != nullptr; }
    // The places the hint marks now; empty when no hint is shown.
    const std::vector<Rect>& HintPlaces() const { return hint_places_; }
    // True while a hint, a demo line or the winnable verdict is searched for.
    bool SolverBusy() const;
    // The tool window counting the unseen cards; null until first opened.
    CardCounterWindow* CardCounter() const { return card_counter_; }

    // The statistics windows (statistics_commands.cpp).
    void mnuGameStatisticsClick();
    void mnuPlayersStatisticsClick();
    void mnuAllGamesStatisticsClick();
    void mnuLogStatisticsClick();
    void mnuHiScoresClick();
    void mnuOverallScoreClick();
    // The current player's statistics of `game`, over `owner`.
    void ShowGameStatistics(int game, QWidget* owner);

    // The player's own variants (custom_game_commands.cpp): the customize
    // rules dialog, which saves and deals the new variant; and taking a
    // variant out of the file after the player confirms it (true when done).
    void mnuCustomizeRulesClick();
    bool DeleteCustomGame(int game);

    // After the customize dialog: the time and score panels as the record
    // says, the card pictures, the layout and the whole table drawn again.
    void RebuildTableAfterCustomize();

    // Deals the current game (a new random deal number unless one is given),
    // draws it and starts the clock; the game selection's choice starts here
    // too, after ChooseGame.
    void StartGameProcedure(std::optional<std::string> deal_number = std::nullopt);
    // The first game of a session: the game kept when the program last
    // closed, played on as it was, or else a new deal of the stored game.
    // A kept game that cannot be played on is set aside and the player told.
    void ResumeOrStartGame();
    // Whether the game on the table is one kept from the last session.
    bool PlaysKeptGame() const { return resumed_game_; }

    // The toolbar's appearance, each optionally stored in the settings file.
    void SetToolbarLarge(bool large, bool store);
    void SetToolbarFlat(bool flat, bool store);
    void SetToolbarVisible(bool visible, bool store);
    // The time and score panels (saved: record position 66/136 and file).
    void ShowTime(bool visible, bool save);
    void ShowScore(bool visible, bool save);
    void PlacePanels();

    // The one-second tick: the playing time while the clock runs.
    void Timer1Timer();
    void RefreshCaption();
    // The table laid out for the window as it is now and drawn whole.
    void RelayoutTable();
    // The window's place and size from the settings file.
    void RestorePlacement();
    bool WinningAnimationRunning() const { return winning_running_; }

    // SettingsView: what loading the preferences applies to the window.
    void ApplyToolbarLarge(bool large) override { SetToolbarLarge(large, false); }
    void ApplyToolbarFlat(bool flat) override { SetToolbarFlat(flat, false); }
    int64_t ScreenColorCount() const override;
    void ShowScreenColorAdvice() override { host_->ShowScreenColorAdvice(); }
    void ApplyCursor(int number) override;
    void ShowTimePanel(bool shown) override { ShowTime(shown, false); }
    void ShowScorePanel(bool shown) override { ShowScore(shown, false); }
    void ChooseAutoplay() override;
    bool AutoplayCommandEnabled() const override;
    void SetAutoplay(bool on) override;
    void HideStatusBar() override;
    // The solver's settings again from the settings file (after Customize).
    void ReadSolverChoices();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;

  private:
    struct Toolbar {
        QFrame* panel = nullptr;
        std::map<std::string, QToolButton*> buttons;  // by command name
        bool large = false;
    };

    // Building the window (menus.cpp, toolbars.cpp, panels.cpp, hidden_panels.cpp).
    void BuildMenus();
    void PrepareMenusForEdition();
    void BuildToolbars();
    void BuildToolbar(Toolbar& toolbar, bool large);
    void BuildToolbarMenu();
    void LoadToolbarGlyphs();
    void BuildPanels();
    void BuildPanelMenus();
    void BuildHiddenPanels();
    QAction* Item(const char* name) const;
    void ConnectStatisticsCommands();
    void BuildExtraCommands();
    void RefreshCardCounter();
    // The table's pop-up menu at `at` (table coordinates), where the right
    // button means nothing to the game.
    void ShowTablePopup(const QPoint& at);

    // The engine's start-up proper (engine_start.cpp); false on a fatal failure.
    bool EngineStart();
    bool LoadResourceLibrary(const std::string& path);
    bool ReadCatalogue();
    void ReadCustomGames();
    void CheckStoredGame();
    void ApplyToolbarVisibilityFromSettings();

    // Toolbar geometry and the panels (toolbars.cpp, panels.cpp).
    void SetButtonGeometry();
    void ShowToolbarPanels();
    ToolbarRow CurrentToolbarRow() const;
    int ToolbarBottom() const;
    void SetPanelHeights(bool large);
    // The status bar (status_bar.cpp); the table is laid out above it.
    void BuildStatusBar();
    void PlaceStatusBar();
    void RefreshStatusBar();
    int TableAreaHeight() const;
    void ResetTimeLabel();
    void StartClock();
    void StopClock();
    int Now() const;

    // Commands (commands.cpp, game_start.cpp).
    // Asks before ending a game in progress (when the player wants to be
    // asked), ends it and deals: `game` when given, else the current game;
    // with `deal_number`, else a new random one.
    // `restart`: the same deal again, whose recorded abandoned try is not
    // recorded a second time.
    void DealAfterAsking(std::optional<std::string> deal_number, std::optional<int> game = std::nullopt,
                         bool restart = false);
    // Whether the game in progress may end: true when none is in progress,
    // the player does not want to be asked, or answers OK to `question`.
    bool MayEndGame(std::string_view question);
    StartOptions PlayStartOptions(const LayoutInputs& inputs) const;
    bool EndCurrentGame();
    void ScheduleAutoplay();
    void ApplyGameAutoplay();
    void StoreGameAutoplay(bool on);
    void ShowStoredScore();
    void EnableGameRunningCommands();
    void CloseGame();
    void WritePlacement();
    // The pause ends without restarting the clock: a game ends or starts.
    void ClearPause();
    void PlacePauseSign();

    // The solver in the window (solver_commands.cpp, demo_mode.cpp,
    // winnable_deals.cpp).
    void BuildSolverParts();
    solver::Limits SolverLimits(double seconds) const;
    // After every action: a search of a position that is gone is cancelled
    // and its answer dropped; the winnable verdict is sought again.
    void AfterPositionChange();
    // The keyboard's mark and the accessible table follow the position.
    void TableContentsChanged();
    void HintFound(const solver::Result& result);
    void ShowHint(const solver::Move& move);
    void ClearHint();
    void RefreshSolverLabel();
    void StopSearches();
    // A deal number the solver proves winnable, when the player asks for
    // such deals and one is found in time.
    std::optional<std::string> FindWinnableDeal();
    solver::Result SolveWhileWaiting(const Engine& position, const solver::Limits& limits);
    void ConnectDemoPanel();
    void StartDemo(std::vector<solver::Move> line);
    void DemoGoTo(int move, bool animate);
    void DemoTick();
    void ShowDemoPosition();
    void PlaceDemoPanel();
    // The game as it was before the demo, with its undo log; the window's
    // outward pointers stay.
    void PutBackDemoStart();
    void CloseDemo();

    // The kept game (game_resume.cpp).
    bool ResumeKeptGame(std::string& trouble);
    bool PutKeptGameOnTable(const KeptGame& kept, std::string& why);
    // True when the game in progress was kept (it is not over then).
    bool KeepGameForNextStart();
    void DropKeptGame();
    int PlayedSeconds() const;
    void StartClockAt(int seconds);

    // The table (main_window.cpp).
    LayoutInputs TableInputs() const;
    QSize ScreenSize() const;
    // Back buffer and background for the screen, the window surface for the table.
    void ResizeSurfaces();
    void TableResized();
    // Runs an action of the player; a close asked for meanwhile waits for
    // the outermost one to end.
    void Guarded(const std::function<void()>& action);
    // Runs `action` as a player's action once no animation holds the input
    // and no other action is under way, so a dialog never opens inside an
    // animation (where the held input would leave it deaf) nor inside
    // another dialog.
    void WhenIdle(std::function<void()> action);
    void Connect(QAction* action, void (TfrmMain::*command)());
    void FirstActivation();

    // TableViewOwner.
    void HoldInput(bool hold) override;
    void EnableUndoCommands(bool enabled) override;
    void EnableAutoplayCommand(bool enabled) override;
    void EnableSaveCommands(bool enabled) override;
    void EnableCustomizeCommand(bool enabled) override;
    void ShowScoreText(std::string_view score) override;
    void CelebrateWin() override;
    void OfferGameSelection() override;
    void StopWinningAnimation();

    // The end of a game (game_end.cpp): after every action of the player
    // the clock starts with the first move, Undo and Redo follow the log,
    // and a position without moves is told lost.
    void AfterPlayerAction();
    void RefreshUndoCommands();
    int MovesMade() const;
    void OfferSummary(bool won);
    void ShowSummary(bool won);
    // A new deal without asking (the game is over): the same deal number
    // again, or a new one.
    void DealAgain(std::optional<std::string> deal_number);
    // The player's results (game_results.cpp): a won game, and a game left
    // in progress, go to the current player's results once a deal.
    void RecordWonGame();
    void RecordLeftGame(GameResult leaving);
    void KeepResult(const std::optional<GameRecord>& record);
    // A modal dialog over the window stops the clock until it closes.
    void HoldClockForDialog(bool blocked);
    void ScheduleIdleActions();
    void RunIdleActions();
    // True for input meant for another window than this one (a dialog or
    // message box opened over it), which a hold of the table lets through.
    bool OutsideWindow(QObject* target) const;

    Engine& engine_;
    MainWindowServices services_;
    WindowHost default_host_;
    HelpOpener default_help_;
    GameSelection default_selection_;
    WindowHost* host_ = nullptr;
    HelpOpener* help_ = nullptr;
    GameSelection* selection_ = nullptr;

    ResourceLibrary library_;
    GamesData games_;
    CustomGamesFile custom_games_;  // where games_.custom comes from
    CursorSlots cursors_;
    PlayDealRules deal_rules_;
    TableSurfaces surfaces_;
    TableWidget* table_ = nullptr;
    // Play by keyboard and the table read aloud, while a hand is on the table.
    std::unique_ptr<TableKeys> keys_;
    std::unique_ptr<TableAccessibility> accessibility_;
    std::unique_ptr<WindowPacer> pacer_;
    std::unique_ptr<WindowTableView> view_;
    InputFilter input_filter_;
    std::string help_file_;

    // Components, named as the rest of the program knows them.
    QMenu* popTB = nullptr;
    QMenu* popTime = nullptr;
    QMenu* popScore = nullptr;
    QMenu* popMain = nullptr;
    QAction* popTBLarge = nullptr;
    QAction* popTBSmall = nullptr;
    QAction* popTBFlat = nullptr;
    QAction* popTBRaised = nullptr;
    QAction* popTBShowTime = nullptr;
    QAction* popTBShowScore = nullptr;
    Toolbar pnlTB;
    Toolbar pnlTB1;
    QFrame* pnlTempo = nullptr;
    QLabel* lblTempo2 = nullptr;
    QLabel* lblTempo = nullptr;
    QFrame* pnlScore = nullptr;
    QLabel* lblScore2 = nullptr;
    QLabel* lblScore = nullptr;
    QFrame* pnlLineaGrigia = nullptr;
    QFrame* pnlLineaNera = nullptr;
    QFrame* pnlStatusBar = nullptr;
    QLabel* lblStatus = nullptr;
    QLabel* lblStatusPlayer = nullptr;
    QTimer* Timer1 = nullptr;

    bool started_ = false;
    bool toolbar_visible_ = true;
    bool toolbar_large_ = false;
    bool toolbar_flat_ = true;
    bool status_bar_shown_ = true;
    GameClock clock_;
    bool clock_held_by_dialog_ = false;
    int steps_seen_ = -1;      // the undo log's length after the last action
    bool lost_told_ = false;   // this position was told lost
    int deal_generation_ = 0;  // tells a pending autoplay its deal is gone
    int hold_depth_ = 0;
    int guard_depth_ = 0;
    bool close_pending_ = false;
    bool relayout_pending_ = false;
    std::vector<std::function<void()>> idle_actions_;
    bool idle_scheduled_ = false;
    // Draws the table anew when the window moves to another screen.
    QMetaObject::Connection screen_watch_;
    bool closing_ = false;
    bool winning_running_ = false;
    bool resumed_game_ = false;  // the first game was the kept one
    std::unique_ptr<ResultRecorder> results_;
    CardCounterWindow* card_counter_ = nullptr;
    PauseSign* pause_sign_ = nullptr;
    bool paused_ = false;
    bool clock_ran_before_pause_ = false;

    SolverSettings solver_settings_;
    SolverRunner* hint_search_ = nullptr;      // a hint or a demo line
    SolverRunner* winnable_search_ = nullptr;  // the status bar's verdict
    uint64_t hint_key_ = 0;      // the position the hint or demo is sought for
    uint64_t winnable_key_ = 0;  // the position the verdict is about
    QString winnable_text_;
    // Said in the solver's place of the status bar while a guessed hint
    // stands: until the position changes or another hint is asked for.
    QString hint_note_;
    std::vector<Rect> hint_places_;
    QTimer* hint_timer_ = nullptr;
    QLabel* lblWinnable = nullptr;
    std::atomic<bool> deal_search_cancel_{false};
    std::unique_ptr<DemoState> demo_;
};

}  // namespace velmora
