#pragma once
// Preparing the table for a newly chosen game: its definition loaded, the
// screen checked, the commands it allows enabled, the fan offsets set and
// the piles laid out. Further deals of the same game keep the anchors.

#include "engine/layout/table_geometry.h"
#include "engine/model/games_file.h"

namespace velmora {

struct Engine;

// Loads game `game` (its id at parameter position 62, its name at 189, its
// rules) and prepares the table for `inputs`. False, with nothing laid out,
// when the definition could not be loaded.
bool LoadGameAndPrepareTable(Engine& engine, const GamesData& games, int game, const LayoutInputs& inputs);

// Lays the current game out again for new inputs (a resized window, another
// card size); with no game loaded the inputs are only kept for the next
// game's layout.
void LayOutAgain(Engine& engine, const LayoutInputs& inputs);

}  // namespace velmora
