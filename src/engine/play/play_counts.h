#pragma once
// What the status bar tells the player about the game in hand: the cards
// left in the stock, the redeals left and the moves made.

#include <optional>

namespace velmora {

struct Engine;

// The moves the player has made in this game: the undo log's steps above
// the deal's own (its automatic moves included).
int MovesMade(const Engine& e);

// The cards in the stock; none when the game has no stock on the table.
std::optional<int> StockCards(const Engine& e);

// The redeals left, where the game allows a limited number of them; none
// when it allows no redeal or any number.
std::optional<int> RedealsLeft(const Engine& e);

}  // namespace velmora
