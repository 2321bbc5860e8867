// The player's own variants: read beside the catalogue at start, made in
// the customize rules dialog (saved, then dealt at once) and deleted from
// the game selection dialog.
#include "engine/model/games_file_rules.h"
#include "storage/custom_games_file.h"
#include "storage/game_autoplay.h"
#include "storage/preference_keys.h"
#include "storage/result_reset.h"
#include "storage/settings_file.h"
#include "ui/dialogs/custom_rules_form.h"
#include "ui/main/main_window.h"

namespace velmora {

void TfrmMain::ReadCustomGames() {
    custom_games_ = velmora::ReadCustomGames(CustomGamesPath(engine_.params));
    games_.custom = custom_games_.games;
    // The catalogue stays playable whatever the file holds; the player
    // learns which of their games are left out and that the file is kept.
    const std::string problems = DescribeCustomGameProblems(custom_games_);
    if (!problems.empty()) engine_.messages->ShowInfo(problems);
}

void TfrmMain::mnuCustomizeRulesClick() {
    if (winning_running_ || !started_) return;
    TfrmCustomRules dialog(engine_.main_game, games_, CurrentGameId(engine_.params),
                           [this](const std::string& text) { engine_.messages->ShowInfo(text); }, this);
    host_->RunDialog(dialog);
    if (dialog.result() != QDialog::Accepted) return;
    CustomGame game = dialog.Variant();
    game.id = NextCustomGameId(games_, custom_games_.refused_ids);
    if (game.id < 0) {
        engine_.messages->ShowInfo("There is no room for another game of your own: please delete one first.");
        return;
    }
    std::string why;
    if (!AddCustomGame(custom_games_, game, why)) {
        engine_.messages->ShowInfo("Your game \"" + game.name + "\" could not be saved. " + why);
        return;
    }
    games_.custom = custom_games_.games;
    // The next start opens it again, as after a choice in the selection dialog.
    SettingsFile settings = OpenSettingsFile(engine_.params);
    settings.WriteInt(key::kGame, game.id);
    settings.Write(key::kGameName, game.name);
    DealAfterAsking(std::nullopt, game.id);
}

bool TfrmMain::DeleteCustomGame(int game) {
    const CustomGame* custom = FindCustomGame(games_, game);
    if (!custom) return false;
    const std::string name = custom->name;
    if (CurrentGameId(engine_.params) == game) {
        engine_.messages->ShowInfo("\"" + name + "\" is the game on the table. Please open another game before deleting it.");
        return false;
    }
    if (!host_->AskYesNo("Delete your game \"" + name + "\"?")) return false;
    std::string why;
    if (!velmora::DeleteCustomGame(custom_games_, game, why)) {
        engine_.messages->ShowInfo("\"" + name + "\" could not be deleted. " + why);
        return false;
    }
    games_.custom = custom_games_.games;
    // The number may serve a new game of the player's later: it starts with
    // autoplay on, as every game does, and without the deleted game's
    // statistics and hi-scores.
    SettingsFile settings = OpenSettingsFile(engine_.params);
    WriteGameAutoplay(settings, game, true);
    if (!ClearGameResultsOfEveryPlayer(engine_.params, game, why))
        engine_.messages->ShowInfo("\"" + name + "\" was deleted, but not all of its results. " + why);
    return true;
}

}  // namespace velmora
