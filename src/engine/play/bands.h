#pragma once
// The tableaus of the band games lie in bands of seven: indices 0-6, 7-13
// and 14-20, the third band also taking tableau 21 when pairs are judged.

namespace velmora {

inline constexpr int kBandSize = 7;

// The band of tableau t (0, 1 or 2), or -1 for a tableau in no band.
int TableauBand(int t);
// Tableaus a and b lie in the same band, exactly two piles apart.
bool TwoApartInBand(int a, int b);

}  // namespace velmora
