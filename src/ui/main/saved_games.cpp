// Saving the game in progress to a file of the player's and opening it
// again later: the format of the game kept between sessions under its own
// first line. A file that cannot be opened leaves the game on the table as
// it is, and the message names the file.
#include <QFileDialog>
#include <QFileInfo>

#include "engine/play/bookmark.h"
#include "engine/play/resume_state.h"
#include "storage/kept_game_file.h"
#include "ui/main/main_window.h"

namespace velmora {

namespace {

const char* const kSavedGameFilter = "Saved games (*.vsg);;All files (*)";

}  // namespace

std::string WindowHost::AskSaveFile(QWidget* owner) {
    QString path = QFileDialog::getSaveFileName(owner, "Save the game", QString(), kSavedGameFilter);
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty()) path += ".vsg";
    return path.toStdString();
}

std::string WindowHost::AskOpenFile(QWidget* owner) {
    return QFileDialog::getOpenFileName(owner, "Open a saved game", QString(), kSavedGameFilter).toStdString();
}

void TfrmMain::mnuSaveClick() {
    if (winning_running_ || !started_) return;
    if (GameKeepsNoLog(engine_)) {
        engine_.messages->ShowInfo("This game keeps no record of its moves, so it cannot be saved.");
        return;
    }
    if (!GameWorthKeeping(engine_)) {
        engine_.messages->ShowInfo("There is no game in progress to save.");
        return;
    }
    const std::string path = host_->AskSaveFile(this);
    if (path.empty()) return;
    if (!WriteKeptGame(path, CollectKeptGame(engine_, PlayedSeconds()), GameFileKind::kSaved))
        engine_.messages->ShowInfo("The game could not be saved: " + path + " could not be written.");
}

void TfrmMain::OpenSavedGame() {
    if (winning_running_ || !started_) return;
    const std::string path = host_->AskOpenFile(this);
    if (path.empty()) return;
    KeptGame kept;
    std::string why;
    const KeptGameRead read = ReadKeptGame(path, kept, why, GameFileKind::kSaved);
    if (read == KeptGameRead::kNone) why = "there is no such file";
    if (read == KeptGameRead::kRead) {
        const LayoutInputs inputs = TableInputs();
        if (KeptGameFits(engine_, games_, PlayStartOptions(inputs), kept, why)) why.clear();
    }
    if (!why.empty()) {
        engine_.messages->ShowInfo("The saved game " + path + " cannot be opened: " + why + ".");
        return;
    }
    if (!MayEndGame("Quit this game?") || EndCurrentGame()) return;
    DropKeptGame();
    if (PutKeptGameOnTable(kept, why)) return;
    // Checked above, so only a fault of the program ends here.
    StartGameProcedure();
    engine_.messages->ShowInfo("The saved game " + path + " cannot be opened: " + why + ".");
}

}  // namespace velmora
