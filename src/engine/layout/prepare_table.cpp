#include "engine/layout/prepare_table.h"

#include <string>

#include "engine/layout/card_positions.h"
#include "engine/layout/pile_layout.h"
#include "engine/layout/screen_check.h"
#include "engine/model/engine.h"
#include "engine/model/games_file_rules.h"

namespace velmora {

namespace {

constexpr int kParamUndo = 137;  // "2": the player turned undo off

// The commands a game allows: autoplay (entry 18), and saving, bookmarks
// and undo unless entry 20 forbids keeping positions.
void EnableGameCommands(Engine& e) {
    e.play.autoplay_enabled = e.R(18) != 0;
    const bool positions_kept = e.R(20) != 1;
    e.play.undo_enabled = positions_kept && e.params.ParamRead(kParamUndo, 1) != "2";
    e.view->SetAutoplayButtons(e.play.autoplay_enabled);
    e.view->SetUndoButtons(e.play.undo_enabled);
    e.view->SetSaveCommands(positions_kept);
}

}  // namespace

bool LoadGameAndPrepareTable(Engine& e, const GamesData& games, int game, const LayoutInputs& inputs) {
    if (!SelectGame(e, game, games).ok() || e.R(307) == 0) return false;
    CheckScreenForGame(e, inputs);
    MarkPilesUnplaced(e.main_game, e.tableau_anchors);
    EnableGameCommands(e);
    SetFanOffsets(e, CardSizeLetter(e));
    LayOutTableForWindow(e, inputs);
    return true;
}

void LayOutAgain(Engine& e, const LayoutInputs& inputs) {
    if (e.R(307) == 0) {
        e.geometry.inputs = inputs;
        return;
    }
    // The card size may have changed since (the customize dialog): the
    // fan steps follow it.
    const char letter = CardSizeLetter(e);
    CardSizeForLetter(letter, e.geometry.card);
    SetFanOffsets(e, letter);
    LayOutTableForWindow(e, inputs);
}

}  // namespace velmora
