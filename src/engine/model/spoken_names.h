#pragma once
// The table in words, for a screen reader and for announcing moves: piles by
// their role and number ("Tableau 3", "Free cell 2"), cards by name ("seven
// of hearts"), and what a pile holds ("5 cards, seven of hearts on top").

#include <string>

#include "engine/model/pile_names.h"

namespace velmora {

struct Engine;

// "ace of hearts" .. "king of spades"; "joker"; "" for a code that is no card.
std::string CardSpokenName(int code);
// "Stock", "Waste", "Second waste", "Foundation n", "Tableau n", and for a
// reserve "Free cell n" where it takes any single card while empty, else
// "Reserve n".
std::string PileSpokenName(const Engine& e, PileRef pile);
// "empty", "1 card, seven of hearts", "5 cards, seven of hearts on top",
// "24 cards, face down".
std::string PileSpokenContents(const Engine& e, PileRef pile);

}  // namespace velmora
