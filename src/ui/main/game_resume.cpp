// The game left unfinished when the window closed: kept in the player's data
// folder at the close, played on at the next start (same deal, same table,
// same clock and score, the move log for undo and redo), and forgotten as
// soon as it ends in any way, so a finished game never comes back.
#include <QLabel>

#include "platform/wait_cursor.h"
#include "storage/kept_game_file.h"
#include "ui/main/clock_text.h"
#include "ui/main/main_window.h"

namespace velmora {

void TfrmMain::ResumeOrStartGame() {
    std::string trouble;
    if (ResumeKeptGame(trouble)) return;
    StartGameProcedure();
    if (!trouble.empty()) engine_.messages->ShowInfo(trouble);
}

bool TfrmMain::ResumeKeptGame(std::string& trouble) {
    if (!started_ || !view_) return false;
    const std::string path = KeptGamePath(engine_.params);
    KeptGame kept;
    std::string why;
    const KeptGameRead read = ReadKeptGame(path, kept, why);
    if (read == KeptGameRead::kNone) return false;
    if (read == KeptGameRead::kRead && PutKeptGameOnTable(kept, why)) {
        resumed_game_ = true;
        return true;
    }
    const std::string aside = SetKeptGameAside(path);
    trouble = "The game left unfinished last time cannot be played on: " + why + ".\n\n" +
              (aside.empty() ? "It has been removed." : "It has been set aside as " + aside + ".") +
              "\nA new game is dealt.";
    return false;
}

bool TfrmMain::PutKeptGameOnTable(const KeptGame& kept, std::string& why) {
    WaitCursor wait;
    StopClock();
    ResizeSurfaces();
    const LayoutInputs inputs = TableInputs();
    if (!RestoreKeptGame(engine_, games_, PlayStartOptions(inputs), kept, why)) return false;
    ApplyGameAutoplay();
    ++deal_generation_;
    RefreshCaption();
    ShowStoredScore();
    view_->FullRedraw(false);
    StartClockAt(kept.seconds);
    EnableGameRunningCommands();
    return true;
}

bool TfrmMain::KeepGameForNextStart() {
    // A window that never started has no game and must not touch the kept one.
    if (!started_) return false;
    const std::string path = KeptGamePath(engine_.params);
    if (!GameWorthKeeping(engine_)) {
        ForgetKeptGame(path);
        return false;
    }
    if (WriteKeptGame(path, CollectKeptGame(engine_, PlayedSeconds()))) return true;
    engine_.messages->ShowInfo("The game in progress could not be kept for the next start: " + path +
                               " could not be written.");
    return false;
}

void TfrmMain::DropKeptGame() {
    if (started_) ForgetKeptGame(KeptGamePath(engine_.params));
}

int TfrmMain::PlayedSeconds() const { return clock_.Seconds(Now()); }

void TfrmMain::StartClockAt(int seconds) {
    // A game played on was under way: its clock runs on from its time.
    ResetTimeLabel();
    clock_.SetSeconds(seconds);
    steps_seen_ = engine_.undo.Steps();
    if (MovesMade() > 0) StartClock();
    Timer1Timer();
    lblTempo->setText(QString::fromStdString(FormatElapsed(clock_.Seconds(Now()))));
}

}  // namespace velmora
