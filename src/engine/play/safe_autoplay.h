#pragma once
// Safe automatic play: a card goes home by itself only when no card still in
// play could need it as a target in the tableau. Which cards could need it
// follows from how the game builds its tableau.

#include "engine/model/engine.h"

namespace velmora {

// How automatic play chooses the cards it sends home.
enum class HomeRule {
    Greedy,            // every card a foundation takes
    AlternateColours,  // rank r once every card of rank r-1 of the other colour is home
    AnySuit,           // rank r once every card of rank r-1 is home
};

// The rule for the game on `e`: greedy when the player chose greedy play,
// and wherever the safe rule has nothing to go by (foundations not built up
// in suit from the Ace, tableau piles that differ, build up or either way,
// wrap at the ends, take no cards or build in suit, where the only card that
// could go on a card has to be home first anyway).
HomeRule AutoplayHomeRule(const Engine& e);

// Whether automatic play may send `card` home under `rule`: Aces and twos
// always may; otherwise no card of the rank below that the rule names may
// be left in the stock, the waste, the tableau or the reserves.
bool SafeToSendHome(const Engine& e, HomeRule rule, int card);

}  // namespace velmora
