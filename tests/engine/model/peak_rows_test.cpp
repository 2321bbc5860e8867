// The rows of three peaks (3, 6, 9 and 10 cards): which cards cover which,
// and where each lies across the table.
#include "engine/model/peak_rows.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

constexpr int kRows = 4;
constexpr int kRowLength[kRows] = {3, 6, 9, 10};

TEST(PeakRows, EachCardLiesUnderTwoNeighboursOfTheNextRowOfItsOwnPeak) {
    // The top of peak i under cards 2i and 2i + 1 of row 2.
    for (int i = 0; i < 3; ++i) EXPECT_EQ(FirstCoveringSlot(0, i, kRows), 2 * i) << i;
    // Row 2 holds two cards a peak, row 3 three: card m of peak p lies
    // under cards m and m + 1 of that peak in row 3.
    for (int j = 0; j < 6; ++j) EXPECT_EQ(FirstCoveringSlot(1, j, kRows), 3 * (j / 2) + j % 2) << j;
    // The last row runs unbroken: card k of row 3 under cards k and k + 1.
    for (int k = 0; k < 9; ++k) EXPECT_EQ(FirstCoveringSlot(2, k, kRows), k) << k;
    for (int k = 0; k < 10; ++k) EXPECT_EQ(FirstCoveringSlot(3, k, kRows), -1) << "nothing covers the last row";
    EXPECT_EQ(FirstCoveringSlot(-1, 0, kRows), -1);
    EXPECT_EQ(FirstCoveringSlot(0, 0, 1), -1) << "a single row is all last row";
}

TEST(PeakRows, EveryCoveredCardLiesMidwayBetweenTheCardsOnIt) {
    for (int row = 0; row + 1 < kRows; ++row) {
        for (int slot = 0; slot < kRowLength[row]; ++slot) {
            const int first = FirstCoveringSlot(row, slot, kRows);
            ASSERT_LT(first + 1, kRowLength[row + 1]) << row << " " << slot;
            // Neighbours in the next row, a whole step apart, with this card half a step from each.
            EXPECT_EQ(PeakHalfSteps(row + 1, first + 1, kRows), PeakHalfSteps(row + 1, first, kRows) + 2);
            EXPECT_EQ(PeakHalfSteps(row, slot, kRows), PeakHalfSteps(row + 1, first, kRows) + 1);
        }
    }
    // The tops stand three steps apart, the first a step and a half in.
    EXPECT_EQ(PeakHalfSteps(0, 0, kRows), 3);
    EXPECT_EQ(PeakHalfSteps(0, 2, kRows), 15);
    EXPECT_EQ(PeakHalfSteps(3, 9, kRows), 18);
}

}  // namespace
}  // namespace velmora
