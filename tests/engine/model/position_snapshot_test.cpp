#include "engine/model/position_snapshot.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

class Snapshot : public ::testing::Test {
protected:
    void SetUp() override {
        engine = EngineInit("/p/");
        PrepareTable(*engine);
    }
    std::vector<std::string> Encode() {
        std::vector<std::string> lines;
        EncodePosition(*engine, lines);
        return lines;
    }
    std::unique_ptr<Engine> engine;
};

TEST_F(Snapshot, EncodesCodesWithTheirFaceInPileOrder) {
    engine->cards.SetFaceState(7, kFaceDown);
    engine->piles.tableau[0] = "007040";
    engine->piles.stock_area[kStockIndex] = "010";
    engine->piles.foundations[15] = "000012";
    engine->piles.reserves[9] = "105";
    const auto lines = Encode();
    ASSERT_EQ(lines.size(), 57u);
    EXPECT_EQ(lines[0], "0101");
    EXPECT_EQ(lines[3 + 15], "00000121");
    EXPECT_EQ(lines[19], "00700401");
    EXPECT_EQ(lines[56], "1051");
    EXPECT_EQ(lines[1], "");
}

TEST_F(Snapshot, DecodingRestoresPilesAndFaceStates) {
    engine->cards.SetFaceState(7, kFaceDown);
    engine->piles.tableau[0] = "007040";
    engine->piles.stock_area[kWasteIndex] = "000033";
    const auto before = Encode();
    const PileLists piles = engine->piles;
    engine->piles.Clear();
    engine->cards.SetFaceState(7, kFaceUp);
    engine->cards.SetFaceState(40, kFaceDown);
    ASSERT_TRUE(DecodePosition(*engine, before));
    EXPECT_EQ(engine->piles, piles);
    EXPECT_TRUE(engine->cards.IsFaceDown(7));
    EXPECT_FALSE(engine->cards.IsFaceDown(40));
    EXPECT_EQ(Encode(), before);
}

TEST_F(Snapshot, MalformedSnapshotsChangeNothing) {
    engine->piles.tableau[3] = "001";
    const PileLists piles = engine->piles;
    auto good = Encode();
    std::vector<std::vector<std::string>> bad;
    bad.push_back(std::vector<std::string>(good.begin(), good.end() - 1));  // 56 lines
    auto longer = good;
    longer.push_back("");
    bad.push_back(longer);
    for (const char* unit : {"001", "00101", "0011x", "00a1", "1091", "0012"}) {
        auto lines = good;
        lines[4] = unit;
        bad.push_back(lines);
    }
    for (const auto& lines : bad) {
        engine->cards.SetFaceState(1, kFaceUp);
        EXPECT_FALSE(DecodePosition(*engine, lines));
        EXPECT_EQ(engine->piles, piles);
        EXPECT_FALSE(engine->cards.IsFaceDown(1));
    }
}

TEST_F(Snapshot, MalformedPileUnitsEncodeAsEmptySlots) {
    engine->piles.tableau[0] = "0x1002";  // a unit that is not a number, then a partial unit
    engine->piles.tableau[1] = "200";
    const auto lines = Encode();
    EXPECT_EQ(lines[19], "00000021");
    EXPECT_EQ(lines[20], "0000");
}

}  // namespace
}  // namespace velmora
