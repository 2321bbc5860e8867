#pragma once
// Deal numbers: 13 decimal digits that name a deal. The same number in the
// same game always gives the same cards, so a deal can be replayed.

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/model/engine.h"

namespace velmora {

constexpr int kDealDigits = 13;

// Draws a new deal number from the engine's random source, stores it in the
// parameter record and returns it.
std::string NewDealNumber(Engine& e);

// Draw `index` of a fixed sequence of deal numbers drawn as NewDealNumber
// draws them (the product of two factors over the same ranges), from a
// generator seeded by the index alone: the same index gives the same number
// on every machine. Runs of deals that stand for the deals players get are
// dealt from these. Small plain numbers (1, 2, ...) will not do: they leave
// most of the 13 digits 0, and the shuffle, which reads the digits, makes
// them deals much alike and unlike a player's.
std::string SampleDealNumber(uint64_t index);

// The 13 digits the shuffle reads from a stored deal number: padded on the
// left with zeros, the rightmost 13 characters kept. A character that is not
// a decimal digit reads as 0, so any stored text gives a valid deal.
std::string DealDigits(std::string_view stored);

}  // namespace velmora
