#pragma once
// The line of the status bar: the cards left in the stock, the redeals left
// and the moves made, each where the game has it; and who plays.

#include <QString>

namespace velmora {

struct Engine;
class ParamRecord;

// Empty while no game is in progress.
QString StatusBarText(const Engine& e);
// "Player: " and the current player; empty while none is set.
QString PlayerStatusText(const ParamRecord& params);

}  // namespace velmora
