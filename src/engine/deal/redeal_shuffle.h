#pragma once
// The shuffle of a redeal that gathers the tableau: a fixed function of the
// deal number and the pass, so that the same deal redeals the same way
// every time it is played, replayed, undone and redone. Its generator and
// its draws are written out here rather than taken from the standard
// library, whose distributions differ between implementations.

#include <string_view>
#include <vector>

namespace velmora {

// Shuffles `cards` in place for pass `pass` of the deal whose stored
// number is `deal_number` (read as DealDigits reads it).
void ShuffleForRedeal(std::vector<int>& cards, std::string_view deal_number, int pass);

}  // namespace velmora
