// The players and the favorite games: the players dialog (who plays, and
// the list itself), the favorites dialog, and the change of player, which
// keeps every game with the player who played it.
#include "engine/model/engine.h"
#include "storage/players.h"
#include "storage/settings_file.h"
#include "ui/dialogs/favorites_form.h"
#include "ui/dialogs/open_game_list.h"
#include "ui/dialogs/players_form.h"
#include "ui/main/main_window.h"

namespace velmora {

std::optional<std::string> WindowHost::ManagePlayers(ParamRecord& params, QWidget* owner) {
    TfrmPlayers dialog(params, OpenSettingsFile(params), {}, owner);
    return dialog.Choose();
}

bool WindowHost::EditFavorites(const ParamRecord& params, const std::vector<std::string>& catalogue,
                               QWidget* owner) {
    TfrmFavorites dialog(open_game::BuildGameList(catalogue), OpenSettingsFile(params), owner);
    return dialog.Edit();
}

void TfrmMain::mnuPlayersClick() {
    if (winning_running_ || !started_) return;
    const std::optional<std::string> chosen = host_->ManagePlayers(engine_.params, this);
    // A rename or a deletion may have changed the current player already.
    RefreshCaption();
    RefreshStatusBar();
    if (chosen) ChangePlayer(*chosen);
}

void TfrmMain::mnuFavoriteGamesClick() {
    if (!started_) return;
    host_->EditFavorites(engine_.params, engine_.main_game.Catalogue(), this);
}

bool TfrmMain::ChangePlayer(const std::string& name) {
    if (name.empty() || name == CurrentPlayerName(engine_.params)) return false;
    const bool playing = engine_.flags.Get(flag::kInProgress) && !engine_.flags.Get(flag::kFinished);
    if (playing && !MayEndGame("Quit this game?")) return false;
    // The game left goes to the results of the player who played it.
    if (playing) RecordLeftGame(GameResult::kAbandoned);
    SettingsFile settings = OpenSettingsFile(engine_.params);
    SetCurrentPlayer(engine_.params, settings, name);
    RefreshCaption();
    RefreshStatusBar();
    if (playing) DealAgain(std::nullopt);
    return true;
}

}  // namespace velmora
