#pragma once
// Counting the cards on the table, as the headless driver's "state" shows
// them. Play must keep every card: each code of the deal on exactly one pile,
// with a face state of '0' or '1'. The random-play tests and the
// command-stream fuzzer check play with it, and a kept game is checked with
// it before it is played on.

#include <map>
#include <string>
#include <vector>

#include "engine/model/engine.h"
#include "engine/model/pile_names.h"

namespace velmora {

// The piles "state" lists, in its order: the stock area, then the
// foundations, tableau piles and reserves the game uses.
std::vector<PileRef> ShownPiles(const Engine& e);

struct CardCensus {
    std::map<int, std::string> piles;  // card code -> the pile it lies on
    std::string fault;                 // the first fault seen; empty when none
};

// Counts the cards on the shown piles. A card found twice, a face state other
// than '0' or '1', or a pile unit that is no card code is a fault. A
// selection game's selection (foundation 1) names cards that lie on their
// piles too: only a card found on no other pile counts as lying there.
CardCensus TakeCensus(const Engine& e);

// "" when `now` has no fault and holds exactly the cards of `before`;
// otherwise the fault, or which card went missing or turned up.
std::string CompareCensus(const CardCensus& before, const CardCensus& now);

}  // namespace velmora
