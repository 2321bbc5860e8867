#pragma once
// The two constant tables of the shuffle: the step table (10 rows of eight
// slot steps, chosen by a digit) and the suit table (13 rows of eight suits,
// 1 hearts .. 4 spades; each half of a row is a permutation of 1-4).

namespace velmora {

constexpr int kStepRows = 10;
constexpr int kSuitRows = 13;
constexpr int kRowEntries = 8;

// Entry i (0-7) of a row; 0 for a row or entry outside the table.
int ShuffleStep(int row, int i);
int ShuffleSuit(int row, int i);

}  // namespace velmora
