#pragma once
// A pile is a string of three-digit card codes, bottom card first, top card
// last. "000" keeps the place of an empty slot. Only whole three-character
// units are read: a trailing partial unit is ignored by every scan.

#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// Number of cards: length / 3, truncated (placeholders count as cards).
int PileCount(std::string_view pile);
// The code of unit i (0 = bottom), or -1 when i is outside the pile or the
// unit is not three digits.
int PileCodeAt(std::string_view pile, int i);
// The codes bottom first (malformed units as -1).
std::vector<int> PileCodes(std::string_view pile);
// The top card: the last three characters (the whole text when shorter) as a
// number; 0 for an empty pile or a unit that is not a number.
int PileTop(std::string_view pile);
// The unit index of `code` counted from the bottom, or -1.
int PileIndexOf(std::string_view pile, int code);

}  // namespace velmora
