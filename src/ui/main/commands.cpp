// The menu commands: new game, open, undo and redo, autoplay, help, the
// customize dialog and the about box.
#include <QAction>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include "engine/deal/start_game.h"
#include "engine/play/after_deal.h"
#include "engine/play/end_game.h"
#include "engine/play/undo_redo.h"
#include "storage/game_autoplay.h"
#include "storage/players.h"
#include "storage/preference_keys.h"
#include "storage/settings_file.h"
#include "text/fixed_text.h"
#include "ui/main/caption.h"
#include "ui/main/main_window.h"
#include "platform/wait_cursor.h"

namespace velmora {

namespace {

constexpr int kRulesTopicBase = 3000;

int CurrentGameNumber(const Engine& e) {
    int64_t id = -1;
    if (!ParseInt(e.params.ParamRead(param::kGameId, 4), id)) return -1;
    return static_cast<int>(id);
}

bool GameRunning(const Engine& e) {
    return e.flags.Get(flag::kInProgress) && !e.flags.Get(flag::kFinished);
}

}  // namespace

bool WindowHost::AskQuitGame(std::string_view question) {
    const QMessageBox::StandardButton answer =
        QMessageBox::question(nullptr, QString::fromUtf8(kProgramName), QString::fromUtf8(question),
                              QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok);
    return answer == QMessageBox::Ok;
}

void TfrmMain::mnuNewClick() { DealAfterAsking(std::nullopt); }

bool TfrmMain::MayEndGame(std::string_view question) {
    return engine_.params.ParamRead(key::kConfirmQuitGame.position, 1) == "N" || !GameRunning(engine_) ||
           host_->AskQuitGame(question);
}

void TfrmMain::DealAfterAsking(std::optional<std::string> deal_number, std::optional<int> game, bool restart) {
    if (winning_running_ || !started_) return;
    if (!MayEndGame("Quit this game?")) return;
    // A game that ends as a win goes on to its own celebration instead.
    if (EndCurrentGame()) return;
    const bool abandoned_taken = restart && engine_.play.abandoned_taken;
    {
        WaitCursor wait;
        engine_.sounds->PlayEvent("New");
    }
    if (game) ChooseGame(engine_, *game);
    StartGameProcedure(std::move(deal_number));
    if (abandoned_taken) engine_.play.abandoned_taken = true;
}

void TfrmMain::mnuOpenClick() {
    if (!started_) return;
    const std::optional<ChosenGame> chosen = selection_->Choose();
    if (!chosen) return;
    if (chosen->open_saved) {
        OpenSavedGame();
        return;
    }
    // Recorded for the player who played it, before the choice takes effect.
    RecordLeftGame(GameResult::kAbandoned);
    SettingsFile settings = OpenSettingsFile(engine_.params);
    // A dialog without players leaves the current player as it is.
    if (!chosen->player.empty() && SetCurrentPlayer(engine_.params, settings, chosen->player)) RefreshCaption();
    ChooseGame(engine_, chosen->number);
    engine_.params.ParamWrite(param::kGameName, 50, chosen->name);
    StartGameProcedure();
}

void TfrmMain::mnuUndoClick() {
    if (!paused_ && Undo(engine_)) ShowStoredScore();
}

void TfrmMain::mnuRedoClick() {
    if (!paused_ && Redo(engine_)) ShowStoredScore();
}

void TfrmMain::mnuAutoPlayClick() {
    // The menu item has flipped its own tick; everything else follows it.
    const bool on = Item("mnuAutoPlay")->isChecked();
    engine_.play.autoplay_checked = on;
    StoreGameAutoplay(on);
    // A paused table stays as it is; the tick counts from the next move.
    if (on && !paused_) AutoplayAfterDeal(engine_);
}

void TfrmMain::ChooseAutoplay() {
    QAction* item = Item("mnuAutoPlay");
    item->setChecked(!item->isChecked());
    mnuAutoPlayClick();
}

bool TfrmMain::AutoplayCommandEnabled() const {
    return Item("mnuAutoPlay")->isEnabled();
}

void TfrmMain::SetAutoplay(bool on) {
    Item("mnuAutoPlay")->setChecked(on);
    engine_.play.autoplay_checked = on;
}

void TfrmMain::StoreGameAutoplay(bool on) {
    if (engine_.main_game.Field(field::kAutoplayAllGames) != kPerGameAutoplayMode ||
        !AutoplayCommandEnabled())
        return;
    SettingsFile file = OpenSettingsFile(engine_.params);
    WriteGameAutoplay(file, CurrentGameNumber(engine_), on);
}

void TfrmMain::ApplyGameAutoplay() {
    if (engine_.main_game.Field(field::kAutoplayAllGames) != kPerGameAutoplayMode ||
        !AutoplayCommandEnabled())
        return;
    SetAutoplay(GameAutoplayOn(OpenSettingsFile(engine_.params), CurrentGameNumber(engine_)));
}

void TfrmMain::mnuRulesClick() {
    // A variant of the player's shows the rules of the game it was made from.
    const int number = CurrentGameNumber(engine_);
    const int game = RulesTopicGame(games_, number);
    const bool listed = game == number || CatalogueIndex(engine_.main_game, game) >= 0;
    if (game < 0 || IsCustomGameNumber(game) || !listed) {
        if (IsCustomGameNumber(number)) engine_.messages->ShowInfo("There is no help topic for the rules of this game.");
        return;
    }
    const std::string folder = engine_.params.ParamRead(param::kProgramFolder, 200);
    help_->ShowTopic(folder + "tabloria.hlp>rules", kRulesTopicBase + game);
}

void TfrmMain::Sommario1Click() {
    help_->ShowContents(help_file_);
}

void TfrmMain::mnuCustomizeClick() {
    // The hourglass until the dialog is up: the first event its loop runs.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QTimer::singleShot(0, [] { QGuiApplication::restoreOverrideCursor(); });
    host_->ShowCustomize();
}

void TfrmMain::RebuildTableAfterCustomize() {
    ShowTime(engine_.params.ParamRead(key::kShowTime.position, 1) != "N", false);
    ShowScore(engine_.params.ParamRead(key::kShowScore.position, 1) != "N", false);
    ReadSolverChoices();
    RelayoutTable();
}

void TfrmMain::mnuAboutClick() {
    host_->ShowAbout();
}

bool TfrmMain::EndCurrentGame() {
    ClearPause();
    // At the close the game was kept or recorded already.
    if (!closing_) RecordLeftGame(GameResult::kAbandoned);
    const bool was_running = engine_.flags.Get(flag::kInProgress);
    const bool won = EndGame(engine_);
    if (was_running) StopClock();
    for (const char* name : {"mnuPause", "mnuQuitGame", "mnuSnapshotPosition", "mnuUndoToSnapshot"})
        Item(name)->setEnabled(false);
    return won;
}

void TfrmMain::ShowStoredScore() {
    lblScore->setText(QString::fromStdString(engine_.params.ParamRead(param::kScore, 6)));
}

}  // namespace velmora
