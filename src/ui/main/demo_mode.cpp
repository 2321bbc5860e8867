// The demo: the solver's line from the position on the table, played there
// with the flights and sounds of ordinary moves. The demo panel steps
// through the line ("First", "Previous 3 moves", "Next 3 moves", "Last",
// the scroll bar) or plays it on ("Play", "Stop"); "Close" puts the game
// back exactly as it was, undo log included. The player's hand rests
// meanwhile, and the demo's moves are never the player's: no clock, no
// result, no summary.
#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>

#include <algorithm>

#include "engine/layout/prepare_table.h"
#include "engine/model/outward.h"
#include "engine/play/undo_redo.h"
#include "solver/position_key.h"
#include "ui/main/demo_state.h"
#include "ui/main/main_window.h"
#include "ui/main/solver_runner.h"
#include "ui/main/table_widget.h"

namespace velmora {

namespace {

constexpr double kDemoSeconds = 10;
constexpr int kDemoPaceMs = 700;
constexpr int kDemoStep = 3;
constexpr int kPanelHeight = 30;

}  // namespace

void TfrmMain::ConnectDemoPanel() {
    const auto button = [this](const char* name, std::function<void()> action) {
        auto* pressed = findChild<QPushButton*>(name);
        connect(pressed, &QPushButton::clicked, this, [this, action] {
            if (DemoRunning() && !demo_->stepping) action();
        });
    };
    button("btnDemoFirst", [this] { DemoGoTo(0, false); });
    button("btnDemoPrevious", [this] { DemoGoTo(std::max(0, demo_->at - kDemoStep), false); });
    button("btnDemoNext", [this] { DemoGoTo(demo_->at + kDemoStep, true); });
    button("btnDemoLast", [this] { DemoGoTo(static_cast<int>(demo_->line.size()), false); });
    button("btnDemoPlay", [this] { demo_->player->start(kDemoPaceMs); });
    button("btnDemoStop", [this] { demo_->player->stop(); });
    button("btnDemoClose", [this] { CloseDemo(); });
    connect(findChild<QScrollBar*>("scbDemoMove"), &QScrollBar::valueChanged, this, [this](int move) {
        if (DemoRunning() && !demo_->stepping && move != demo_->at) DemoGoTo(move, false);
    });
}

void TfrmMain::mnuDemoClick() {
    if (DemoRunning()) {
        if (!demo_->stepping) CloseDemo();
        return;
    }
    if (!started_ || paused_ || !engine_.flags.Get(flag::kInProgress) || engine_.flags.Get(flag::kFinished)) return;
    ClearHint();
    hint_key_ = solver::PositionKey(engine_);
    hint_search_->Start(engine_, SolverLimits(kDemoSeconds), [this](const solver::Result& result) {
        RefreshSolverLabel();
        WhenIdle([this, result] {
            if (hint_key_ != solver::PositionKey(engine_) || DemoRunning()) return;
            if (result.verdict == solver::Verdict::Won && !result.line.empty()) {
                StartDemo(result.line);
                return;
            }
            engine_.messages->ShowInfo(result.verdict == solver::Verdict::Impossible
                                           ? "No demo: this game cannot be won from here."
                                           : "No demo: the solver gave up before it found a winning line.");
        });
    });
    RefreshSolverLabel();
}

void TfrmMain::StartDemo(std::vector<solver::Move> line) {
    demo_ = std::make_unique<DemoState>();
    demo_->start = engine_;
    demo_->line = std::move(line);
    demo_->clock_was_running = clock_.Running();
    demo_->seconds = PlayedSeconds();
    StopClock();
    demo_->hand = table_->Input();
    table_->SetInput(nullptr);
    demo_->player = new QTimer(this);
    connect(demo_->player, &QTimer::timeout, this, [this] { DemoTick(); });
    winnable_search_->Cancel();
    winnable_key_ = 0;
    winnable_text_.clear();
    RefreshSolverLabel();
    PlaceDemoPanel();
    findChild<QFrame*>("pnlDemo")->show();
    ShowDemoPosition();
}

void TfrmMain::DemoTick() {
    if (!DemoRunning() || demo_->stepping) return;
    if (demo_->at >= static_cast<int>(demo_->line.size())) {
        demo_->player->stop();
        return;
    }
    DemoGoTo(demo_->at + 1, true);
}

void TfrmMain::DemoGoTo(int move, bool animate) {
    move = std::clamp(move, 0, static_cast<int>(demo_->line.size()));
    demo_->stepping = true;
    if (animate && move >= demo_->at) {
        // Played as the player would: flights, sounds and automatic play.
        while (DemoRunning() && demo_->at < move && !closing_) {
            const solver::Move& next = demo_->line[static_cast<size_t>(demo_->at)];
            ++demo_->at;
            Guarded([this, &next] { solver::PlayMove(engine_, next); });
        }
    } else {
        // Back or far ahead: from the start again, quietly, then drawn whole.
        PutBackDemoStart();
        TableView* view = engine_.view;
        SoundEvents* sounds = engine_.sounds;
        engine_.view = &engine_.quiet_view;
        engine_.sounds = &engine_.quiet_sounds;
        for (int i = 0; i < move; ++i) solver::PlayMove(engine_, demo_->line[static_cast<size_t>(i)]);
        engine_.view = view;
        engine_.sounds = sounds;
        demo_->at = move;
        // A table redrawn whole shows no cards once its game has ended; the
        // demo shows where its line ends all the same.
        const bool ended = !engine_.flags.Get(flag::kInProgress);
        engine_.flags.Set(flag::kInProgress, true);
        view_->FullRedraw(false);
        engine_.flags.Set(flag::kInProgress, !ended);
    }
    if (!DemoRunning()) return;
    demo_->stepping = false;
    ShowStoredScore();
    ShowDemoPosition();
}

void TfrmMain::ShowDemoPosition() {
    const int total = static_cast<int>(demo_->line.size());
    auto* moves = findChild<QScrollBar*>("scbDemoMove");
    {
        const QSignalBlocker quiet(moves);
        moves->setRange(0, total);
        moves->setValue(demo_->at);
    }
    findChild<QLabel*>("lblDemoCount")->setText(QString("%1 / %2").arg(demo_->at).arg(total));
}

void TfrmMain::PlaceDemoPanel() {
    auto* panel = findChild<QFrame*>("pnlDemo");
    if (!panel) return;
    panel->setGeometry(0, std::max(0, TableAreaHeight() - kPanelHeight), table_->width(), kPanelHeight);
    panel->raise();
}

void TfrmMain::PutBackDemoStart() {
    Messages* messages = engine_.messages;
    SoundEvents* sounds = engine_.sounds;
    TableView* view = engine_.view;
    engine_ = demo_->start;
    engine_.messages = messages;
    engine_.sounds = sounds;
    engine_.view = view;
    // Laid out for the window as it is now: it may have been resized meanwhile.
    LayOutAgain(engine_, TableInputs());
}

void TfrmMain::CloseDemo() {
    if (!DemoRunning()) return;
    demo_->player->stop();
    demo_->player->deleteLater();
    PutBackDemoStart();
    table_->SetInput(demo_->hand);
    findChild<QFrame*>("pnlDemo")->hide();
    const bool clock_was_running = demo_->clock_was_running;
    const int seconds = demo_->seconds;
    demo_.reset();
    if (clock_was_running) StartClockAt(seconds);
    steps_seen_ = engine_.undo.Steps();
    if (view_ && !closing_) view_->FullRedraw(false);
    ShowStoredScore();
    RefreshUndoCommands();
    RefreshStatusBar();
    AfterPositionChange();
}

}  // namespace velmora
