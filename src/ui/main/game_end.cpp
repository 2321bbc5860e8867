// The end of a game as the player meets it: the clock that starts with the
// first move and stops for dialogs, Undo and Redo greyed when they have
// nothing to do, and the summary of a won or lost game with what to do next.
#include <QAction>
#include <QLabel>

#include "engine/deal/start_game.h"
#include "engine/model/param_record.h"
#include "engine/play/moves_left.h"
#include "engine/play/play_counts.h"
#include "engine/play/undo_redo.h"
#include "ui/dialogs/game_over_box.h"
#include "ui/main/clock_text.h"
#include "ui/main/main_window.h"

namespace velmora {

namespace {

constexpr int kScoreKeptRule = 47;
constexpr int kNoScoreCode = 9;

std::string ParamText(const ParamRecord& params, int position, int length) {
    std::string text = params.ParamRead(position, length);
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

}  // namespace

SummaryChoice WindowHost::AskAfterGame(const GameSummary& summary, QWidget* owner) {
    TfrmGameOver box(summary, owner);
    return box.Ask();
}

int TfrmMain::MovesMade() const { return velmora::MovesMade(engine_); }

void TfrmMain::RefreshUndoCommands() {
    Item("mnuUndo")->setEnabled(CanUndo(engine_));
    Item("mnuRedo")->setEnabled(CanRedo(engine_));
}

void TfrmMain::AfterPlayerAction() {
    if (!started_ || closing_ || DemoRunning()) return;
    RefreshUndoCommands();
    if (!engine_.flags.Get(flag::kInProgress)) return;
    const bool moved = engine_.undo.Steps() != steps_seen_;
    steps_seen_ = engine_.undo.Steps();
    if (moved) lost_told_ = false;
    if (moved && MovesMade() > 0 && !clock_.Running() && !clock_held_by_dialog_) StartClock();
    // Told once per position: clicks that change nothing do not tell again.
    if (lost_told_ || AnyMoveLeft(engine_)) return;
    lost_told_ = true;
    StopClock();
    OfferSummary(false);
}

void TfrmMain::HoldClockForDialog(bool blocked) {
    if (blocked) {
        if (!clock_.Running()) return;
        StopClock();
        clock_held_by_dialog_ = true;
    } else if (clock_held_by_dialog_) {
        clock_held_by_dialog_ = false;
        if (engine_.flags.Get(flag::kInProgress)) StartClock();
    }
}

void TfrmMain::OfferSummary(bool won) {
    if (closing_ || close_pending_) return;
    const int generation = deal_generation_;
    // After the action that ended the game, so the box does not open in the
    // middle of a pointer release or an animation.
    WhenIdle([this, won, generation] {
        if (generation == deal_generation_) ShowSummary(won);
    });
}

void TfrmMain::ShowSummary(bool won) {
    GameSummary summary;
    summary.won = won;
    summary.game_name = ParamText(engine_.params, param::kGameName, 50);
    summary.time = FormatElapsed(clock_.Seconds(Now()));
    if (engine_.R(kScoreKeptRule) != kNoScoreCode) summary.score = lblScore->text().toStdString();
    summary.moves = MovesMade();
    switch (host_->AskAfterGame(summary, this)) {
        case SummaryChoice::NewGame: DealAgain(std::nullopt); break;
        case SummaryChoice::SameDeal:
            DealAgain(ParamText(engine_.params, param::kDealNumber, 15));
            break;
        case SummaryChoice::OtherGame: mnuOpenClick(); break;
        case SummaryChoice::Close: break;
    }
}

void TfrmMain::DealAgain(std::optional<std::string> deal_number) {
    if (winning_running_ || !started_) return;
    EndCurrentGame();
    engine_.sounds->PlayEvent("New");
    StartGameProcedure(std::move(deal_number));
}

}  // namespace velmora
