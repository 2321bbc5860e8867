#pragma once
// The line of the status bar: the cards left in the stock, the redeals left
// and the moves made, each where the game has it.

#include <QString>

namespace velmora {

struct Engine;

// Empty while no game is in progress.
QString StatusBarText(const Engine& e);

}  // namespace velmora
