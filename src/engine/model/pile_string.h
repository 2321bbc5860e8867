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
// The unit index of `code` counted from the bottom, or -1. Inline: searches
// across the table call it for every pile.
inline int PileIndexOf(std::string_view pile, int code) {
    // A unit holds three digits, so only 0-999 can be found; comparing the
    // characters spares parsing every unit.
    if (code < 0 || code > 999) return -1;
    const char d0 = static_cast<char>('0' + code / 100);
    const char d1 = static_cast<char>('0' + code / 10 % 10);
    const char d2 = static_cast<char>('0' + code % 10);
    const char* p = pile.data();
    const size_t end = pile.size() / 3 * 3;
    for (size_t at = 0; at < end; at += 3)
        if (p[at + 2] == d2 && p[at + 1] == d1 && p[at] == d0) return static_cast<int>(at / 3);
    return -1;
}

}  // namespace velmora
