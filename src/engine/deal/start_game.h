#pragma once
// Starting a deal of the current game: the engine's part of the start-game
// procedure (the window adds the clock, the drawing and autoplay).

#include <optional>
#include <string>

#include "engine/deal/deal_rules.h"
#include "engine/layout/table_geometry.h"
#include "engine/model/engine.h"
#include "engine/model/games_file.h"

namespace velmora {

struct StartOptions {
    // The deal number to play; a new one is drawn when absent.
    std::optional<std::string> deal_number;
    const DealRules* rules = nullptr;  // the refusing rules when null
    ScoreHook score;
    // What a newly loaded game's table is laid out for; the inputs of the
    // last layout when null.
    const LayoutInputs* layout = nullptr;
};

// True when the text is a deal number the player may give: 1 to 13 digits.
bool IsDealNumberText(const std::string& text);

// Marks the rules as not loaded, so that the next start loads game `id`
// (stored at parameter position 62).
void ChooseGame(Engine& e, int id);

// Clears the per-game state and the piles, loads the game's definition and
// prepares its table when none is loaded (else restores the entries the
// last deal changed and keeps the anchors), resets
// the pass counter and the score, takes or draws the deal number and deals.
// False when the definition could not be loaded or the deal was faulty.
bool StartGame(Engine& e, const GamesData& games, const StartOptions& options);

}  // namespace velmora
