#pragma once
// Deal numbers: 13 decimal digits that name a deal. The same number in the
// same game always gives the same cards, so a deal can be replayed.

#include <string>
#include <string_view>

#include "engine/model/engine.h"

namespace velmora {

constexpr int kDealDigits = 13;

// Draws a new deal number from the engine's random source, stores it in the
// parameter record and returns it.
std::string NewDealNumber(Engine& e);

// The 13 digits the shuffle reads from a stored deal number: padded on the
// left with zeros, the rightmost 13 characters kept. A character that is not
// a decimal digit reads as 0, so any stored text gives a valid deal.
std::string DealDigits(std::string_view stored);

}  // namespace velmora
