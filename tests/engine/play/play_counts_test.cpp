#include "engine/play/play_counts.h"

#include <gtest/gtest.h>

#include "engine/play/execute_action.h"
#include "play_table.h"

namespace velmora::play_test {
namespace {

TEST(PlayCounts, TheStockCountsOnlyWhenItLiesOnTheTable) {
    Table t;
    t.Put("Mazzo", {C(2), C(3), C(4)});
    t.e().main_game.SetStockAreaY(kStockIndex, kUnplacedStockArea);
    EXPECT_EQ(StockCards(t.e()), std::nullopt);
    t.e().main_game.SetStockAreaY(kStockIndex, 20);
    EXPECT_EQ(StockCards(t.e()), 3);
}

TEST(PlayCounts, RedealsLeftOnlyWhereTheirNumberIsLimited) {
    Table t;
    t.Rule(9, 1).Rule(14, 3);
    t.e().main_game.SetField(field::kPassCounter, 1);
    EXPECT_EQ(RedealsLeft(t.e()), 2) << "three passes: the first and two redeals";
    t.e().main_game.SetField(field::kPassCounter, 3);
    EXPECT_EQ(RedealsLeft(t.e()), 0);
    t.Rule(14, -1);
    EXPECT_EQ(RedealsLeft(t.e()), std::nullopt) << "unlimited";
    t.Rule(14, 1);
    EXPECT_EQ(RedealsLeft(t.e()), std::nullopt) << "no redeal at all";
    t.Rule(14, 3).Rule(9, 0).Rule(15, 0);
    EXPECT_EQ(RedealsLeft(t.e()), std::nullopt) << "a stock that deals to the tableaus is not gone through again";
    t.Rule(15, 1);
    t.e().main_game.SetField(field::kPassCounter, 2);
    EXPECT_EQ(RedealsLeft(t.e()), 1) << "counted passes";
}

TEST(PlayCounts, EveryMoveOfThePlayerCountsOnce) {
    Table t;
    t.Rule(9, 1).Rule(21, 1);
    t.Put("Mazzo", {C(2), C(3)});
    EXPECT_EQ(MovesMade(t.e()), 0);
    ASSERT_TRUE(ExecuteAction(t.e(), 0, "Mazzo_Vis"));
    ASSERT_TRUE(ExecuteAction(t.e(), 0, "Mazzo_Vis"));
    EXPECT_EQ(MovesMade(t.e()), 2);
}

}  // namespace
}  // namespace velmora::play_test
