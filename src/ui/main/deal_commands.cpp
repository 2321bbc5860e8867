// The commands that deal or end a game besides "New game": the same deal
// again from its start, a deal the player names by its number, a game of
// the catalogue drawn at random, and giving the game up.
#include <QAction>

#include "engine/deal/random_game.h"
#include "engine/deal/start_game.h"
#include "text/fixed_text.h"
#include "ui/dialogs/deal_number_box.h"
#include "ui/main/main_window.h"

namespace velmora {

namespace {

std::string StoredDealNumber(const ParamRecord& params) {
    return TrimRightSpaces(params.ParamRead(param::kDealNumber, 15));
}

int StoredGame(const ParamRecord& params) {
    int64_t id = -1;
    return ParseInt(params.ParamRead(param::kGameId, 4), id) ? static_cast<int>(id) : -1;
}

}  // namespace

std::optional<std::string> WindowHost::AskDealNumber(const std::string& current, QWidget* owner) {
    TfrmDealNumber box(current, owner);
    return box.Ask();
}

void TfrmMain::mnuRestartGameClick() {
    // Only a game that has been dealt has a start to go back to.
    if (engine_.R(307) == 0) return;
    DealAfterAsking(StoredDealNumber(engine_.params), std::nullopt, true);
}

void TfrmMain::mnuSelectClick() {
    if (winning_running_ || !started_) return;
    const std::optional<std::string> number = host_->AskDealNumber(StoredDealNumber(engine_.params), this);
    if (!number) return;
    // The box lets only numbers through; a host that asks otherwise is
    // checked all the same.
    if (!IsDealNumberText(*number)) {
        engine_.messages->ShowInfo("\"" + *number + "\" is not a game number: a game number has 1 to 13 digits.");
        return;
    }
    DealAfterAsking(*number);
}

void TfrmMain::mnuRandomGameClick() {
    if (winning_running_ || !started_) return;
    const int game = DrawRandomGame(engine_, StoredGame(engine_.params));
    if (game < 0) return;
    DealAfterAsking(std::nullopt, game);
}

void TfrmMain::mnuQuitGameClick() {
    if (winning_running_ || !started_ || !engine_.flags.Get(flag::kInProgress)) return;
    if (!MayEndGame("Quit this game?")) return;
    RecordLeftGame(GameResult::kQuit);
    // The table stays as it was left; with the game over it takes no moves.
    EndCurrentGame();
    RefreshUndoCommands();
}

}  // namespace velmora
