#pragma once
// The rows of a table of peaks, as tableau piles of side-by-side cards: the
// last row runs unbroken along the foot of every peak; each row above it
// holds the peaks side by side, one card more to a peak for every row down
// (three peaks of four rows: rows of 3, 6, 9 and 10 cards). Each card but
// the last row's lies half under two cards of the next row. The play rules
// (which card is covered) and the layout (where a card lies) both read it.

namespace velmora {

// The first of the two slots of row `row + 1` that cover slot `slot` of row
// `row` (rows counted from 0 at the top, `rows` rows in all); the next slot
// is the other. -1 for the last row, which nothing covers.
int FirstCoveringSlot(int row, int slot, int rows);

// Where slot `slot` of row `row` lies across the table, in half steps (a
// step is a card and the gap beside it) from the first card of the last row.
int PeakHalfSteps(int row, int slot, int rows);

}  // namespace velmora
