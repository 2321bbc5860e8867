#pragma once
// What changed on the table, in words, for a screen reader: each run that
// went from one pile to another ("Seven of hearts from Tableau 3 to
// Foundation 1", "Three cards from Stock to Waste"), each a sentence. A card
// face down is never named.

#include <string>

#include "engine/model/pile_lists.h"

namespace velmora {

struct Engine;

// The moves that turn `before` into the engine's piles, joined by ". ";
// "Cards dealt" when more than a few runs moved at once (a deal or a
// redeal); "" when no card moved.
std::string SpokenChange(const Engine& e, const PileLists& before);

}  // namespace velmora
