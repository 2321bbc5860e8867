#pragma once
// The stock actions of the executor, without its common post-processing.
// Internal to engine/play.

#include <string>
#include <string_view>

#include "engine/model/engine.h"
#include "engine/play/move_log.h"

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

// Redeal mode 7 (R[15]): once the pass is counted, every tableau card is
// gathered (pile by pile, bottom first), shuffled by the deal number and the
// pass, and dealt face up again from the first tableau in piles of as many
// cards as the first tableau was dealt, the last pile taking what is left.
// The step is annotated kRedealStep. False when the tableau holds no card.
constexpr int kTableauRedeal = 7;
constexpr int kRedealStep = 3;
bool RedealTableaus(Engine& e, StepGuard& step);
// The passes a game of redeal mode 7 has made, by its log: the first, and
// one for every redeal step on the undo side. Undo and redo set the pass
// counter from it, so that an undone redeal may be made again alike.
int PassesInLog(const Engine& e);

// Some tableau in use is empty.
bool AnyEmptyTableau(const Engine& e);
// Takes the top card off a pile string and returns it (0 when empty).
int TakeTopCard(std::string& pile);

}  // namespace velmora
