// The special-rule codes that change a whole deal (R[47] 11 and 22), seen
// through DealGame: each applies in its game only, after the piles are
// dealt.

#include <gtest/gtest.h>

#include "deal/deal_fixture.h"
#include "engine/deal/deal_game.h"

namespace velmora {
namespace {

// The whole deck on two tableau piles, none in the stock.
TEST_F(DealTest, HeartsCourtRuleAppliesInItsGameOnly) {
    for (int code : {22, 21, 23, 0}) {
        ClearPiles(e(), true);
        Rules({{47, code}, {304, 2}, {311, 26}, {312, 26}, {308, 0}});
        DealGame(e());
        EXPECT_EQ(TableCodes(), Range(1, 52)) << code;
        if (code == 22) {
            EXPECT_EQ(Stock(), (Codes{13})) << "the King of hearts goes under the stock";
            EXPECT_EQ(Tab(0).back(), 12) << "the Queen of hearts on the first pile";
            EXPECT_EQ(Faces(ListId::Tableau, 0).back(), '1');
        } else {
            EXPECT_TRUE(Stock().empty()) << code;
        }
    }
}

// Ten cards to the waste, then the first remaining Ace to the first
// reserve: under code 11 that Ace starts the second foundation and the
// first waste card takes its place.
TEST_F(DealTest, ReserveAceRuleAppliesInItsGameOnly) {
    const DealBuffer buffer = Shuffled();
    int reserve_ace = -1;
    for (size_t i = 10; i < buffer.size() && reserve_ace < 0; ++i)
        if (CardRank(BufferCode(buffer, static_cast<int>(i))) == 1) reserve_ace = BufferCode(buffer, static_cast<int>(i));
    ASSERT_GT(reserve_ace, 0);
    for (int code : {11, 10, 12, 0}) {
        ClearPiles(e(), true);
        Rules({{47, code}, {303, 4}, {309, 10}, {368, 1001}, {378, 1}});
        DealGame(e());
        EXPECT_EQ(TableCodes().size(), 11u) << code;
        if (code == 11) {
            EXPECT_EQ(Found(1), Codes{reserve_ace});
            EXPECT_EQ(Pile(ListId::Reserve, 0), Codes{BufferCode(buffer, 0)});
            EXPECT_EQ(Faces(ListId::Reserve, 0), "1");
        } else {
            EXPECT_TRUE(Found(1).empty()) << code;
            EXPECT_EQ(Pile(ListId::Reserve, 0), Codes{reserve_ace}) << code;
            EXPECT_EQ(Pile(ListId::Stock, kWasteIndex).size(), 10u) << code;
        }
    }
}

}  // namespace
}  // namespace velmora
