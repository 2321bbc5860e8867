#pragma once
// The stock actions of the executor, without its common post-processing.
// Internal to engine/play.

#include <string>
#include <string_view>

#include "engine/model/engine.h"

namespace velmora {

// "Mazzo_Vis" (to the waste), "Mazzo_Waste" and "Mazzo_Redeal" (to the
// second waste): pass accounting, the gathering of the waste and turning.
bool TurnStockCards(Engine& e, std::string_view keyword);
// "Add_Tableaus", "Add_Tableaus_Last", "Add_Tableau_" + NN, "Fill_Tableaus",
// "Add_Reserves", "Add_Reserve_" + N. False for another keyword.
bool DealFromStock(Engine& e, std::string_view keyword);
bool IsDealKeyword(std::string_view keyword);
// "Selezionate_Fila": each empty tableau receives the stock's top card.
bool RefillEmptyTableaus(Engine& e);
// "Stock_To_Pile_Monte_Carlo": the piles close up towards the first
// tableau, then the stock refills the empty ones.
bool CloseUpTableaus(Engine& e);

// Some tableau in use is empty.
bool AnyEmptyTableau(const Engine& e);
// Takes the top card off a pile string and returns it (0 when empty).
int TakeTopCard(std::string& pile);

}  // namespace velmora
