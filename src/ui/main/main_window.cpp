#include "ui/main/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <algorithm>

#include "engine/layout/pile_layout.h"
#include "engine/layout/prepare_table.h"
#include "platform/desktop.h"
#include "storage/preference_keys.h"
#include "storage/settings_file.h"
#include "storage/settings_writers.h"
#include "storage/window_placement.h"
#include "ui/dialogs/tips_box.h"
#include "ui/main/caption.h"
#include "ui/main/demo_state.h"
#include "ui/main/table_accessible.h"
#include "ui/main/table_keys.h"
#include "ui/main/table_widget.h"
#include "ui/main/window_pacer.h"

namespace velmora {

namespace {

constexpr int kLowColourLimit = 256;
constexpr int kDefaultMargin = 150;
const QSize kSmallestWindow(640, 480);

}  // namespace

TfrmMain::TfrmMain(Engine& engine, MainWindowServices services, QWidget* parent)
    : QMainWindow(parent),
      engine_(engine),
      services_(std::move(services)),
      input_filter_([this] { StopWinningAnimation(); }) {
    host_ = services_.host ? services_.host : &default_host_;
    help_ = services_.help ? services_.help : &default_help_;
    selection_ = services_.game_selection ? services_.game_selection : &default_selection_;
    if (services_.messages) engine_.messages = services_.messages;
    if (services_.sounds) engine_.sounds = services_.sounds;
    setObjectName("frmMain");
    input_filter_.SetPassThrough([this](QObject* target) { return OutsideWindow(target); });
    table_ = new TableWidget(this);
    table_->setObjectName("imgSfondo");
    table_->run_guarded = [this](const std::function<void()>& action) { Guarded(action); };
    table_->resized = [this] { TableResized(); };
    table_->keys_allowed = [this] { return !paused_ && !winning_running_ && !DemoRunning(); };
    setCentralWidget(table_);
    InstallTableAccessibility();
    // Every game fits a table of this size with cards that follow the window.
    setMinimumSize(kSmallestWindow);
    resize(ScreenSize().expandedTo(kSmallestWindow + QSize(kDefaultMargin, kDefaultMargin)) -
           QSize(kDefaultMargin, kDefaultMargin));
    BuildMenus();
    BuildToolbars();
    BuildPanels();
    BuildHiddenPanels();
    BuildSolverParts();
    ResetTimeLabel();
    table_->ShowSource([this]() -> Surface& { return surfaces_.Shown(); });
    // Once the table is still, a window surface showing no more than the
    // back buffer goes (drawing over the table makes it again), and so do
    // the pages of the resource library read for the pictures shown.
    table_->settled = [this] {
        if (hold_depth_ == 0 && guard_depth_ == 0 && !winning_running_) surfaces_.ReleasePlainWindow();
        library_.ReleasePages();
    };
    pacer_ = std::make_unique<WindowPacer>(*table_);
    started_ = EngineStart();
    if (started_) {
        TableViewOwner& owner = *this;
        view_ = std::make_unique<WindowTableView>(engine_, surfaces_, library_, *pacer_, owner);
        engine_.view = view_.get();
        ApplyToolbarVisibilityFromSettings();
    }
    RefreshCaption();
}

TfrmMain::~TfrmMain() {
    // The keys and the accessible table go before the widget they serve.
    table_->SetAccessibility(nullptr);
    table_->SetInput(nullptr);
    // The engine outlives the window: it must not call into it any more.
    engine_.view = &engine_.quiet_view;
    engine_.messages = &engine_.quiet_messages;
    engine_.sounds = &engine_.quiet_sounds;
}

void TfrmMain::SetTableInput(TableInput* input) {
    table_->SetAccessibility(nullptr);
    table_->SetInput(nullptr);
    accessibility_.reset();
    keys_.reset();
    if (input) {
        keys_ = std::make_unique<TableKeys>(engine_, *input);
        accessibility_ = std::make_unique<TableAccessibility>(*table_, engine_, *keys_);
        keys_->focus_moved = [this] { accessibility_->FocusMoved(); };
        table_->SetAccessibility(accessibility_.get());
    }
    table_->SetInput(input, keys_.get());
    // The table takes the keys from the start: the game is played there.
    table_->setFocus();
}

void TfrmMain::TableContentsChanged() {
    if (keys_) keys_->TableChanged();
    if (accessibility_) accessibility_->TableChanged();
    table_->RefreshFocusMark();
}

void TfrmMain::RefreshCaption() {
    setWindowTitle(QString::fromStdString(WindowCaption(engine_.params)));
}

QSize TfrmMain::ScreenSize() const {
    const QScreen* shown_on = screen();
    const QSize screen_size = shown_on ? shown_on->size() : QSize(1280, 800);
    // A window larger than its screen (several monitors) still gets room.
    return screen_size.expandedTo(table_ ? table_->size() : QSize());
}

LayoutInputs TfrmMain::TableInputs() const {
    const QSize screen_size = ScreenSize();
    // The scroll bar of the table never shows, so it takes no width.
    return MainWindowInputs(table_->width(), TableAreaHeight(), 0, ToolbarBottom(),
                            screen_size.width(), screen_size.height(), TableAreaHeight());
}

void TfrmMain::RelayoutTable() {
    if (!view_ || table_->width() <= 0 || table_->height() <= 0) return;
    if (guard_depth_ > 0) {
        // An action may be drawing on the buffers (an animation waits with
        // events running): the new size waits for its end.
        relayout_pending_ = true;
        return;
    }
    ResizeSurfaces();
    LayOutAgain(engine_, TableInputs());
    view_->FullRedraw(false);
}

void TfrmMain::ResizeSurfaces() {
    const QSize screen_size = ScreenSize();
    surfaces_.scale = SurfaceScaleFor(table_->devicePixelRatioF());
    surfaces_.Resize(screen_size.width(), screen_size.height(), table_->width(), table_->height());
}

void TfrmMain::TableResized() {
    SetButtonGeometry();
    PlacePanels();
    PlaceStatusBar();
    PlacePauseSign();
    PlaceDemoPanel();
    RelayoutTable();
}

void TfrmMain::Guarded(const std::function<void()>& action) {
    ++guard_depth_;
    action();
    if (--guard_depth_ > 0) return;
    AfterPlayerAction();
    AfterPositionChange();
    RefreshStatusBar();
    RefreshCardCounter();
    ScheduleIdleActions();
    if (relayout_pending_) {
        relayout_pending_ = false;
        RelayoutTable();
    }
    if (close_pending_) {
        close_pending_ = false;
        QTimer::singleShot(0, this, [this] { close(); });
    }
}

void TfrmMain::Connect(QAction* action, void (TfrmMain::*command)()) {
    connect(action, &QAction::triggered, this,
            [this, command] {
                // A command of the player ends the demo first: it acts on the
                // game as the player left it. Nothing runs in a demo's step.
                if (DemoRunning() && command != &TfrmMain::mnuDemoClick) {
                    if (demo_->stepping) return;
                    CloseDemo();
                }
                Guarded([this, command] { (this->*command)(); });
            });
}

void TfrmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // On a screen of another pixel density the table's surfaces take that
    // screen's scale, so the cards stay sharp (or stay small) there.
    if (QWindow* window = windowHandle(); window && !screen_watch_)
        screen_watch_ = connect(window, &QWindow::screenChanged, this, [this] { RelayoutTable(); });
    if (engine_.flags.Get(flag::kNotActivated)) TableResized();
}

void TfrmMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() &&
        engine_.flags.Get(flag::kNotActivated))
        FirstActivation();
}

bool TfrmMain::event(QEvent* event) {
    if (event->type() == QEvent::WindowBlocked) HoldClockForDialog(true);
    if (event->type() == QEvent::WindowUnblocked) HoldClockForDialog(false);
    return QMainWindow::event(event);
}

void TfrmMain::FirstActivation() {
    engine_.flags.Set(flag::kNotActivated, false);
    RefreshCaption();
    repaint();
    // A game played on from the last session is not covered by the selection.
    if (host_->PrepareStatistics() && !resumed_game_) WhenIdle([this] { mnuOpenClick(); });
    // After the game selection, never over it.
    if (TipsAtStartUp(OpenSettingsFile(engine_.params))) WhenIdle([this] { mnuTipsClick(); });
    if (ScreenColorCount() > kLowColourLimit) return;
    const ParamRecord& p = engine_.params;
    const bool picture_background = p.IsYes(key::kFadeBackground.position) ||
                                    (p.IsYes(key::kBackgroundDef.position) &&
                                     p.ParamRead(key::kBackgroundBmp.position, 4) != "0");
    if (!picture_background) RelayoutTable();
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    WritePlacement();
    if (guard_depth_ > 0 || winning_running_) {
        // An action is under way (the winning animation, a deal): it ends
        // first, then the window closes.
        StopWinningAnimation();
        close_pending_ = true;
        event->ignore();
        return;
    }
    CloseGame();
    QMainWindow::closeEvent(event);
}

void TfrmMain::CloseGame() {
    if (closing_) return;
    // The game kept or recorded is the player's, not the demo's.
    CloseDemo();
    StopSearches();
    closing_ = true;
    Timer1->stop();
    // A game kept for the next start is not over: it counts when it ends.
    if (!KeepGameForNextStart()) RecordLeftGame(GameResult::kAbandoned);
    EndCurrentGame();
    update();
    hide();
    if (engine_.params.IsYes(key::kSoundsEnabled.position)) host_->StopSound();
    SettingsFile file = OpenSettingsFile(engine_.params);
    WriteClosingSettings(file, engine_.main_game, Item("mnuAutoPlay")->isChecked());
}

void TfrmMain::WritePlacement() {
    WindowPlacement placement;
    placement.maximized = isMaximized();
    placement.left = x();
    placement.top = y();
    placement.width = width();
    placement.height = height();
    SettingsFile file = OpenSettingsFile(engine_.params);
    WriteWindowPlacement(file, placement);
}

void TfrmMain::RestorePlacement() {
    const QSize screen_size = screen() ? screen()->size() : QSize(1280, 800);
    const WindowPlacement placement = ReadWindowPlacement(
        OpenSettingsFile(engine_.params), screen_size.width(), screen_size.height());
    move(placement.left, placement.top);
    resize(placement.width, placement.height);
    setWindowState(placement.maximized ? Qt::WindowMaximized : Qt::WindowNoState);
}

int64_t TfrmMain::ScreenColorCount() const {
    return velmora::ScreenColorCount();
}

void TfrmMain::ApplyCursor(int number) {
    table_->setCursor(cursors_.ForSetting(number));
}

void TfrmMain::HoldInput(bool hold) {
    if (hold) {
        if (hold_depth_++ == 0) input_filter_.Install();
    } else if (hold_depth_ > 0 && --hold_depth_ == 0) {
        input_filter_.Remove();
        ScheduleIdleActions();
    }
}

void TfrmMain::EnableUndoCommands(bool enabled) {
    Item("mnuUndo")->setEnabled(enabled);
    Item("mnuRedo")->setEnabled(enabled);
}

void TfrmMain::EnableAutoplayCommand(bool enabled) {
    Item("mnuAutoPlay")->setEnabled(enabled);
}

void TfrmMain::EnableSaveCommands(bool /*enabled*/) {
    // Saving and bookmarks stay offered in every game: where a game keeps
    // no positions the commands say so when chosen.
}

void TfrmMain::EnableCustomizeCommand(bool enabled) {
    Item("mnuCustomize")->setEnabled(enabled);
}

void TfrmMain::ShowScoreText(std::string_view score) {
    lblScore->setText(QString::fromUtf8(score.data(), static_cast<int>(score.size())));
}

void TfrmMain::OfferGameSelection() {
    if (DemoRunning()) return;
    // A won game ends with its summary, which offers the game selection.
    OfferSummary(true);
}

}  // namespace velmora
