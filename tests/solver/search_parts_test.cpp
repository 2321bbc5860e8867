// The parts of the search that need no game: the visited table's memory
// cap, the winnable share's interval and the driver words of a move.
#include <gtest/gtest.h>

#include "solver/batch.h"
#include "solver/player_moves.h"
#include "solver/visited_table.h"

namespace velmora::solver {
namespace {

TEST(VisitedTable, KeepsEveryKeyOnceAndStaysUnderItsCap) {
    VisitedTable table(1u << 16);  // 8192 keys at most
    EXPECT_TRUE(table.Insert(0));
    EXPECT_FALSE(table.Insert(0));
    for (uint64_t key = 1; key <= 5000; ++key) ASSERT_TRUE(table.Insert(key * 0x1234567)) << key;
    for (uint64_t key = 1; key <= 5000; ++key) ASSERT_FALSE(table.Insert(key * 0x1234567)) << key;
    EXPECT_FALSE(table.Full());
    // Past the cap keys are no longer kept, but the table still answers.
    for (uint64_t key = 5001; key <= 20000; ++key) table.Insert(key * 0x1234567);
    EXPECT_TRUE(table.Full());
    EXPECT_LE(table.Size(), 8192u);
    EXPECT_FALSE(table.Insert(1 * 0x1234567));
}

BatchResult Batch(int won, int impossible, int unknown) {
    BatchResult batch;
    batch.verdicts.insert(batch.verdicts.end(), static_cast<size_t>(won), Verdict::Won);
    batch.verdicts.insert(batch.verdicts.end(), static_cast<size_t>(impossible), Verdict::Impossible);
    batch.verdicts.insert(batch.verdicts.end(), static_cast<size_t>(unknown), Verdict::Unknown);
    batch.won = won;
    batch.impossible = impossible;
    batch.unknown = unknown;
    return batch;
}

TEST(WinnableShare, IsTheWilsonIntervalWithTheUnknownCountedBothWays) {
    const WinnableShare half = ShareOf(Batch(50, 50, 0));
    EXPECT_DOUBLE_EQ(half.percent, 50.0);
    EXPECT_NEAR(half.low, 40.38, 0.01);
    EXPECT_NEAR(half.high, 59.62, 0.01);
    // 10 unknown of 100: low as if lost (40 of 100), high as if won (50).
    const WinnableShare unsure = ShareOf(Batch(40, 50, 10));
    EXPECT_DOUBLE_EQ(unsure.percent, 40.0);
    EXPECT_NEAR(unsure.low, 30.94, 0.01);
    EXPECT_NEAR(unsure.high, 59.62, 0.01);
    const WinnableShare all = ShareOf(Batch(20, 0, 0));
    EXPECT_DOUBLE_EQ(all.high, 100.0);
    EXPECT_GT(all.low, 80.0);
    EXPECT_EQ(ShareOf(Batch(0, 0, 0)).percent, 0.0);
}

TEST(DriverWords, NameEachInputAsTheDriverReadsIt) {
    EXPECT_EQ(DriverWords({Input::Kind::Drop, 12, "Fila3"}), "drop 12 Fila3");
    EXPECT_EQ(DriverWords({Input::Kind::Press, 0, "Mazzo"}), "press Mazzo");
    EXPECT_EQ(DriverWords({Input::Kind::Press, 7, "Fila2"}), "press Fila2 7");
    EXPECT_EQ(DriverWords({Input::Kind::Click, 40, "Appogg1"}), "click Appogg1 40");
}

}  // namespace
}  // namespace velmora::solver
