#pragma once
// The stock: what a press on it does in each game, the two-phase redeal
// (the press arms it, the release carries it out), the automatic filling of
// empty tableaus after every move and the drop rule of the waste.

#include "engine/model/engine.h"

namespace velmora {

// A left press on the stock: the game's stock action by its rules entries.
// True when something was done.
bool PressStock(Engine& e);
// The release that follows: carries out an armed redeal and disarms it.
bool ReleaseStock(Engine& e);

// Fills empty tableaus (and, in one mode, reserves) by R[22]. The filling
// moves belong to the step that caused them. Nothing happens before the
// first move of a game with R[39] = 1.
void FillGaps(Engine& e);

// May the card be dropped on the waste (as "Stock02")?
bool WasteAccepts(const Engine& e, int card);

}  // namespace velmora
