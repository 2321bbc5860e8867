#include <gtest/gtest.h>

#include <random>

#include "engine/layout/card_positions.h"

namespace velmora {
namespace {

DisplacementTable Filled(std::mt19937_64& random) {
    DisplacementTable table;
    for (auto& row : table) row.fill(99);
    FillDisplacementTable(table, random);
    return table;
}

TEST(DisplacementTable, EveryRowIsAWalkThatStaysWithinTwoPixels) {
    for (unsigned seed = 0; seed < 200; ++seed) {
        std::mt19937_64 random(seed);
        const DisplacementTable table = Filled(random);
        for (size_t r = 0; r < table.size(); ++r) {
            const auto& row = table[r];
            EXPECT_EQ(row[0], 0) << "seed " << seed << " row " << r;
            EXPECT_EQ(row[13], 0) << "seed " << seed << " row " << r;
            int drift = 0;
            for (size_t c = 1; c <= 12; ++c) {
                EXPECT_TRUE(row[c] >= -1 && row[c] <= 2) << "seed " << seed << " row " << r << " column " << c;
                drift += row[c];
                EXPECT_TRUE(drift >= -2 && drift <= 2) << "seed " << seed << " row " << r << " column " << c;
            }
        }
    }
}

// r(4) is the two highest bits of one draw, thirteen draws a row. Seed 1
// gives 0, then 0 1 0 1 3 1 0 2 2 0 2 3: a right step survives only right
// after a left step (3), so the first row is 0 0 0 0 0 -1 1 0 0 0 0 0 -1 0.
TEST(DisplacementTable, DrawsThirteenQuartersARow) {
    std::mt19937_64 random(1);
    const DisplacementTable table = Filled(random);
    EXPECT_EQ(table[0], (std::array<int, 14>{0, 0, 0, 0, 0, -1, 1, 0, 0, 0, 0, 0, -1, 0}));
    std::mt19937_64 skipped(1);
    skipped.discard(7 * 13);
    EXPECT_EQ(random(), skipped()) << "the whole table takes 91 draws";
}

}  // namespace
}  // namespace velmora
