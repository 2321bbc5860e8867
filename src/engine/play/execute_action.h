#pragma once
// The move executor: every change that play makes to the table goes through
// ExecuteAction, which records the table in the move log first and then
// recomputes the score and the win flag. Whether the move is allowed has
// been decided before the call.

#include <string_view>

#include "engine/model/engine.h"

namespace velmora {

// Carries out the action named by `keyword` for `card` (the card code; for
// stock actions a count that is not read):
//   "Dest" + n, "Dest_Autoplay" + n   the card to foundation n
//   "Fila" + n                         the card, with the run above it, to tableau n
//   "Appogg" + n                       the card to reserve n
//   "Stock02", "Waste"                 the card onto the waste, the second waste
//   "Mazzo_Vis", "Mazzo_Waste", "Mazzo_Redeal"   turning and redeal
//   "Add_Tableaus", "Add_Tableaus_Last", "Add_Tableau_" + NN, "Fill_Tableaus",
//   "Add_Reserves", "Add_Reserve_" + N           deals from the stock
//   "Selezionate_Fila", "Stock_To_Pile_Monte_Carlo"  refilling, closing up
//   "Selezionate_Dest"                 removes the selection of a pairing game
// Returns whether something was done. Unknown keywords, pile numbers
// outside the game's piles and cards that lie on no pile do nothing.
bool ExecuteAction(Engine& e, int card, std::string_view keyword);

}  // namespace velmora
