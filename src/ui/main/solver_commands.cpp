// The solver in the window: "Hint" searches the position on a worker thread
// and marks the first move of the winning line for a moment (when the search
// gives up first, the move it thought most promising, said to be a guess);
// the status bar tells whether the game can still be won. Every search is of
// a copy of the position taken when it starts; a move, an undo, a new deal or
// closing cancels it and drops its answer.
#include <QAction>
#include <QLabel>
#include <QTimer>

#include "engine/model/outward.h"
#include "render/hint_marks.h"
#include "solver/move_places.h"
#include "solver/position_key.h"
#include "storage/settings_file.h"
#include "ui/main/main_window.h"
#include "ui/main/solver_runner.h"
#include "ui/main/window_pacer.h"

namespace velmora {

namespace {

constexpr double kHintSeconds = 10;
constexpr double kVerdictSeconds = 2;
constexpr int kHintShownMs = 1500;

// Said wherever a verdict is shown: the solver sees what the player cannot.
constexpr const char* kAllCardsKnown = "The solver knows every card, the face-down ones included.";
// Beside a hint that is no sure way to win.
constexpr const char* kGuessNote = "A guess: no sure win found";

bool GameInPlay(const Engine& e) { return e.flags.Get(flag::kInProgress) && !e.flags.Get(flag::kFinished); }

}  // namespace

void TfrmMain::BuildSolverParts() {
    hint_search_ = new SolverRunner(this);
    winnable_search_ = new SolverRunner(this);
    hint_timer_ = new QTimer(this);
    hint_timer_->setSingleShot(true);
    connect(hint_timer_, &QTimer::timeout, this, [this] { ClearHint(); });
    lblWinnable = new QLabel(pnlStatusBar);
    lblWinnable->setObjectName("lblWinnable");
    lblWinnable->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblWinnable->setToolTip(QString::fromUtf8(kAllCardsKnown));
    ReadSolverChoices();
    ConnectDemoPanel();
}

void TfrmMain::ReadSolverChoices() {
    solver_settings_ = ReadSolverSettings(OpenSettingsFile(engine_.params));
    winnable_key_ = 0;
    AfterPositionChange();
}

solver::Limits TfrmMain::SolverLimits(double seconds) const {
    solver::Limits limits;
    limits.seconds = seconds;
    limits.table_bytes = solver_settings_.TableBytes();
    return limits;
}

bool TfrmMain::SolverBusy() const {
    return (hint_search_ && hint_search_->Running()) || (winnable_search_ && winnable_search_->Running());
}

void TfrmMain::mnuHintClick() {
    if (!started_ || paused_ || !GameInPlay(engine_)) return;
    ClearHint();
    hint_note_.clear();
    hint_key_ = solver::PositionKey(engine_);
    hint_search_->Start(engine_, SolverLimits(kHintSeconds), [this](const solver::Result& result) {
        RefreshSolverLabel();
        HintFound(result);
    });
    RefreshSolverLabel();
}

void TfrmMain::HintFound(const solver::Result& result) {
    if (result.verdict == solver::Verdict::Won && !result.line.empty()) {
        ShowHint(result.line.front());
        return;
    }
    if (result.verdict == solver::Verdict::Unknown && !result.guess.empty()) {
        hint_note_ = QString::fromUtf8(kGuessNote);
        ShowHint(result.guess);
        RefreshSolverLabel();
        return;
    }
    const std::string text = result.verdict == solver::Verdict::Impossible
                                 ? std::string("This game cannot be won from here.\n") + kAllCardsKnown
                                 : "No hint found: the solver gave up before it found a winning line.";
    // Not inside an animation or another dialog.
    WhenIdle([this, text] { engine_.messages->ShowInfo(text); });
}

void TfrmMain::ShowHint(const solver::Move& move) {
    ClearHint();
    hint_places_ = solver::MovePlaces(engine_, move);
    ShowHintMarks(surfaces_, *pacer_, hint_places_);
    hint_timer_->start(kHintShownMs);
}

void TfrmMain::ClearHint() {
    hint_timer_->stop();
    if (hint_places_.empty()) return;
    ClearHintMarks(surfaces_, *pacer_, hint_places_);
    hint_places_.clear();
}

void TfrmMain::AfterPositionChange() {
    TableContentsChanged();
    if (!started_ || closing_ || !hint_search_) return;
    const uint64_t key = solver::PositionKey(engine_);
    if (key != hint_key_) {
        hint_search_->Cancel();
        ClearHint();
        hint_note_.clear();
        hint_key_ = key;
    }
    if (DemoRunning()) return;
    if (!solver_settings_.show_winnable || !GameInPlay(engine_)) {
        winnable_search_->Cancel();
        winnable_key_ = 0;
        winnable_text_.clear();
    } else if (key != winnable_key_) {
        winnable_key_ = key;
        winnable_text_.clear();
        winnable_search_->Start(engine_, SolverLimits(kVerdictSeconds), [this](const solver::Result& result) {
            if (result.verdict == solver::Verdict::Won) winnable_text_ = "Winnable";
            if (result.verdict == solver::Verdict::Impossible) winnable_text_ = "Cannot be won from here";
            RefreshSolverLabel();
        });
    }
    RefreshSolverLabel();
}

void TfrmMain::RefreshSolverLabel() {
    if (!lblWinnable) return;
    const QString text = hint_search_->Running() ? QStringLiteral("Thinking...")
                         : hint_note_.isEmpty()   ? winnable_text_
                                                  : hint_note_;
    if (lblWinnable->text() != text) lblWinnable->setText(text);
}

void TfrmMain::StopSearches() {
    deal_search_cancel_ = true;
    if (hint_search_) hint_search_->Cancel();
    if (winnable_search_) winnable_search_->Cancel();
}

}  // namespace velmora
