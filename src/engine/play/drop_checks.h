#pragma once
// May the moved card (with the run above it) be dropped on this pile? Used
// for every drop, by hand or automatic. Refusals are plain false results.

#include <string_view>

#include "engine/model/engine.h"
#include "engine/model/pile_names.h"
#include "engine/play/move_description.h"

namespace velmora {

// "Dest" + n, "Fila" + n or "Appogg" + n; any other name refuses (the
// waste has its own check below). Piles beyond the game's counts refuse.
bool CanDropOnPile(Engine& e, const MoveSpec& move, std::string_view pile_name);
// The same for a pile already known, without building and reading its name.
bool CanDropOnPile(Engine& e, const MoveSpec& move, PileRef pile);

// Foundation i (0-based): single cards only, its build code, capacity R[31].
bool CanDropOnFoundation(Engine& e, int i, const MoveSpec& move);

// Tableau i (0-based): its build code, capacity R[32], run validity and run
// length; never back onto the pile the run comes from. For grid jumps
// (build code 71) `jumped_tableau` receives the index of the card jumped
// over, -1 otherwise.
bool CanDropOnTableau(Engine& e, int i, const MoveSpec& move, int* jumped_tableau = nullptr);

// Reserve i (0-based) by its reserve rule R[268+i].
bool CanDropOnReserve(Engine& e, int i, const MoveSpec& move);

// The waste ("Mazzo_Vis"): with R[289] = 2 and R[290] != 4 a single card of
// the waste card's suit, one rank above or below it (King and Ace neighbour).
bool CanDropOnWaste(const Engine& e, const MoveSpec& move);

}  // namespace velmora
