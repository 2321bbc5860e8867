// Foundation build code 97: a suit to a foundation in any order of ranks, a
// card going on only once its rank lies on the foundation before it.
#include <gtest/gtest.h>

#include "engine/play/drop_checks.h"
#include "play_table.h"

namespace velmora::play_test {
namespace {

struct RankSeenBefore : ::testing::Test {
    Table t;
    void SetUp() override {
        for (int f = 0; f < 4; ++f) t.Rule(48 + f, 7).Rule(64 + f, 1).Rule(80 + f, 97);
        t.Rule(31, 13);
        // The first foundation started with the Seven of hearts and took the
        // King and the Two of hearts since.
        t.Put("Dest1", {H(7), H(K), H(2)});
    }
    bool Home(int f, int card) { return CanDropOnFoundation(t.e(), f, t.Move(card)); }
};

TEST_F(RankSeenBefore, TheFirstFoundationTakesItsSuitInAnyOrder) {
    EXPECT_TRUE(Home(0, H(A)));
    EXPECT_TRUE(Home(0, H(9)));
    EXPECT_FALSE(Home(0, S(9))) << "another suit";
}

TEST_F(RankSeenBefore, EmptyFoundationsTakeTheBaseRankOfANewSuit) {
    EXPECT_TRUE(Home(1, S(7)));
    EXPECT_FALSE(Home(1, S(8))) << "not the base rank";
    EXPECT_FALSE(Home(1, H(7) + 52)) << "the second deck's Seven of a suit already begun";
    t.Put("Dest2", {S(7)});
    EXPECT_FALSE(Home(2, S(7) + 52)) << "spades are begun on the second foundation";
    EXPECT_TRUE(Home(2, C(7)));
}

TEST_F(RankSeenBefore, LaterFoundationsFollowTheRanksAboveThem) {
    t.Put("Dest2", {S(7)});
    EXPECT_TRUE(Home(1, S(K))) << "a King lies on the first foundation";
    EXPECT_TRUE(Home(1, S(2)));
    EXPECT_FALSE(Home(1, S(A))) << "no Ace on the first foundation yet";
    t.Put("Dest1", {H(7), H(K), H(2), H(A)});
    EXPECT_TRUE(Home(1, S(A)));
    EXPECT_FALSE(Home(1, H(A) + 52)) << "the suit stays the foundation's own";
    t.Put("Dest3", {C(7)});
    EXPECT_FALSE(Home(2, C(K))) << "the third foundation looks at the second, which has no King";
    t.Put("Dest2", {S(7), S(K)});
    EXPECT_TRUE(Home(2, C(K)));
}

}  // namespace
}  // namespace velmora::play_test
