#include "engine/model/main_game.h"

#include <gtest/gtest.h>

#include "engine/model/engine.h"

namespace velmora {
namespace {

TEST(MainGame, AccessorsSubtractTheScrollOffsetFromYOnly) {
    TMainGame game;
    TableauAnchors anchors;
    game.SetFoundationY(2, 100);
    game.SetFoundationX(2, 30);
    game.SetField(field::kScrollOffset, 40);
    EXPECT_EQ(game.FoundationY(2), 60);
    EXPECT_EQ(game.Field(field::kFoundationY + 2), 100);
    EXPECT_EQ(game.FoundationX(2), 30);
    game.SetReserveY(1, 50);
    EXPECT_EQ(game.ReserveY(1), 10);
    game.SetStockAreaY(0, 45);
    EXPECT_EQ(game.StockAreaY(0), 5);
    SetTableauY(anchors, 27, 200);
    SetTableauX(anchors, 27, 7);
    EXPECT_EQ(TableauY(anchors, game, 27), 160);
    EXPECT_EQ(TableauX(anchors, 27), 7);
}

TEST(MainGame, UnplacedMarkersPerPileKind) {
    TMainGame game;
    TableauAnchors anchors;
    MarkPilesUnplaced(game, anchors);
    EXPECT_EQ(game.StockAreaX(0), kUnplacedStockArea);
    EXPECT_EQ(game.StockAreaY(2), kUnplacedStockArea);
    EXPECT_EQ(game.FoundationY(16), kUnplacedFoundation);
    EXPECT_EQ(game.ReserveY(10), kUnplacedReserve);
    EXPECT_EQ(TableauY(anchors, game, 29), kUnplacedTableau);
    EXPECT_FALSE(IsPlacedY(game.ReserveY(3)));
    EXPECT_TRUE(IsPlacedY(-9999));
    // Fields beyond the marked ranges are untouched.
    EXPECT_EQ(game.Field(field::kFanUpY), 0);
}

TEST(MainGame, OutOfRangeIndexesReadZeroAndIgnoreWrites) {
    TMainGame game;
    TableauAnchors anchors;
    game.SetField(122, 5);
    game.SetField(-1, 5);
    EXPECT_EQ(game.Field(122), 0);
    EXPECT_EQ(game.Field(-1), 0);
    game.SetFoundationX(17, 9);  // would land on field 17, the y of foundation 1
    EXPECT_EQ(game.Field(17), 0);
    game.SetReserveY(11, 9);
    EXPECT_EQ(game.Field(56), 0);
    SetTableauX(anchors, 30, 1);
    EXPECT_EQ(TableauX(anchors, 30), 0);
    EXPECT_EQ(TableauY(anchors, game, -1), 0);
    game.SetField(0, 70000);  // 16-bit fields keep the low 16 bits
    EXPECT_EQ(game.Field(0), 70000 - 65536);
}

TEST(EngineContext, StartsWithTheDescribedState) {
    auto engine = EngineInit("/p/");
    ASSERT_TRUE(engine);
    EXPECT_TRUE(engine->cards.Empty());
    EXPECT_EQ(engine->params.ParamRead(501, 200), "/p/");
    for (int n = 1; n <= 12; ++n)
        EXPECT_EQ(engine->flags.Get(n), n == flag::kNotActivated || n == flag::kStockDealDone) << n;
    EXPECT_FALSE(engine->flags.Get(0));
    EXPECT_FALSE(engine->flags.Get(13));
    EXPECT_EQ(engine->rules[401], 0);
    EXPECT_EQ(engine->rules[402], 0);
    PrepareTable(*engine);
    EXPECT_EQ(engine->cards.Lines().size(), 108u);
    EngineDone(engine);
    EXPECT_FALSE(engine);
}

TEST(RulesParams, SixteenBitsAndTheDealSaveArea) {
    RulesParams rules;
    rules.Set(10, 70000);
    EXPECT_EQ(rules[10], 70000 - 65536);
    rules.Set(402, 5);
    rules.Set(-1, 5);
    EXPECT_EQ(rules[-1], 0);
    rules.Set(48, 7);
    rules.Set(63, 8);
    rules.Set(128, 9);
    rules.Set(155, 10);
    rules.Set(401, 33);
    rules.SaveDealEntries();
    rules.Set(48, 1);
    rules.Set(155, 1);
    rules.RestoreDealEntries();
    EXPECT_EQ(rules[48], 7);
    EXPECT_EQ(rules[63], 8);
    EXPECT_EQ(rules[128], 9);
    EXPECT_EQ(rules[155], 10);
    rules.ClearGameEntries();
    EXPECT_EQ(rules[48], 0);
    EXPECT_EQ(rules[401], 33);
}

}  // namespace
}  // namespace velmora
