// Starting a game: the engine deals, the window draws the deal (animated
// unless the player turned that off), starts the clock and, a moment later
// so the player sees the deal first, lets automatic play run.
#include <QAction>
#include <QLabel>
#include <QTimer>

#include "engine/deal/start_game.h"
#include "engine/play/after_deal.h"
#include "engine/play/scoring.h"
#include "storage/preference_keys.h"
#include "ui/main/main_window.h"
#include "ui/main/table_input.h"
#include "ui/main/table_widget.h"
#include "platform/wait_cursor.h"

namespace velmora {

namespace {

constexpr int kAutoplayDelayMs = 800;

}  // namespace

void TfrmMain::StartGameProcedure(std::optional<std::string> deal_number) {
    if (!started_ || !view_) return;
    // Before anything of the old game goes: the search may let events run.
    if (!deal_number) deal_number = FindWinnableDeal();
    WaitCursor wait;
    ClearPause();
    // The game left before is over: it must not come back at the next start.
    DropKeptGame();
    update();
    RefreshCaption();
    StopClock();
    ResetTimeLabel();
    const bool newly_chosen = engine_.R(307) == 0;
    ResizeSurfaces();
    const LayoutInputs inputs = TableInputs();
    StartOptions options;
    options.deal_number = std::move(deal_number);
    options.rules = &deal_rules_;
    options.score = RecomputeScore;
    options.layout = &inputs;
    const bool dealt = StartGame(engine_, games_, options);
    if (engine_.R(307) == 0) {
        // The stored game could not be loaded: the player picks another.
        engine_.flags.Set(flag::kInProgress, false);
        view_->FullRedraw(false);
        WhenIdle([this] { mnuOpenClick(); });
        return;
    }
    if (newly_chosen) ApplyGameAutoplay();
    ++deal_generation_;
    RefreshCaption();
    ShowStoredScore();
    Timer1Timer();
    if (engine_.params.ParamRead(key::kDealAnimation.position, 1) != "N") {
        HoldInput(true);
        view_->FullRedraw(true);
        HoldInput(false);
    } else {
        view_->FullRedraw(false);
    }
    // The clock waits for the player's first move.
    steps_seen_ = -1;
    if (dealt) ScheduleAutoplay();
    EnableGameRunningCommands();
    EndDealtGameIfOver(engine_);
    RefreshStatusBar();
    AfterPositionChange();
}

void TfrmMain::ScheduleAutoplay() {
    if (!engine_.play.autoplay_checked || !engine_.play.autoplay_enabled) return;
    const int generation = deal_generation_;
    // The timer dies with the window; a newer deal or an ended game makes
    // the pending round pointless.
    QTimer::singleShot(kAutoplayDelayMs, this, [this, generation] {
        if (generation != deal_generation_ || closing_ || paused_ || !engine_.flags.Get(flag::kInProgress))
            return;
        // A run in the player's hand stays there: its release plays
        // automatically anyway.
        if (table_->Input() && table_->Input()->Carrying()) return;
        Guarded([this] { AutoplayFreshDeal(engine_); });
    });
}

void TfrmMain::EnableGameRunningCommands() {
    // The bookmark commands stay offered in a game that keeps no positions
    // too: they say why they cannot act there.
    for (const char* name : {"mnuPause", "mnuQuitGame", "mnuSnapshotPosition", "mnuUndoToSnapshot"})
        Item(name)->setEnabled(true);
}

StartOptions TfrmMain::PlayStartOptions(const LayoutInputs& inputs) const {
    StartOptions options;
    options.rules = &deal_rules_;
    options.score = RecomputeScore;
    options.layout = &inputs;
    return options;
}

}  // namespace velmora
