// The hand-laid tableau: each row holds small sideways shifts (-1 to 2
// pixels), drawn as a walk whose running sum never leaves -2 .. 2, so
// neighbouring cards of a pile wander a little but never far.
#include <random>

#include "engine/layout/card_positions.h"

namespace velmora {

namespace {

constexpr int kLastWrittenColumn = 12;
constexpr int kMaxDrift = 2;
constexpr int kStepLeft = 3;  // the draw that steps one pixel left

// r(4): uniform in 0 .. 3, taken from the two highest bits of one 64-bit
// draw of the engine's generator (one draw per value, nothing discarded).
int DrawQuarter(std::mt19937_64& random) { return static_cast<int>(random() >> 62); }

void FillRow(std::array<int, 14>& row, std::mt19937_64& random) {
    row.fill(0);
    int previous = DrawQuarter(random);
    int drift = 0;
    for (int column = 1; column <= kLastWrittenColumn; ++column) {
        int q = DrawQuarter(random);
        // No two left steps in a row, and a right step only after a left one.
        if (previous == kStepLeft && q == kStepLeft) {
            q = 0;
        } else if ((q == 1 || q == 2) && previous != kStepLeft) {
            q = 0;
        }
        previous = q;
        int step = q == kStepLeft ? -1 : q;
        drift += step;
        if (drift > kMaxDrift) {
            step -= 2;
            drift -= 2;
        } else if (drift < -kMaxDrift) {
            step += 2;
            drift += 2;
        }
        row[static_cast<size_t>(column)] = step;
    }
}

}  // namespace

void FillDisplacementTable(DisplacementTable& table, std::mt19937_64& random) {
    for (auto& row : table) FillRow(row, random);
}

}  // namespace velmora
