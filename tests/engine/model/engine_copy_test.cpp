// Copies of the engine for trying moves, the card table they carry and the
// pile scans they run.
#include <gtest/gtest.h>

#include "engine/model/card_code.h"
#include "engine/model/engine.h"
#include "engine/model/pile_string.h"

namespace velmora {
namespace {

TEST(CardTableStore, NothingBeforeBuildAndFreshFacesAfter) {
    CardTable table;
    EXPECT_TRUE(table.Empty());
    EXPECT_TRUE(table.Lines().empty());
    EXPECT_EQ(table.Line(1), "");
    EXPECT_FALSE(table.SetFaceState(1, kFaceDown)) << "no line to write";
    EXPECT_FALSE(table.IsFaceDown(1));
    table.Build();
    ASSERT_TRUE(table.SetFaceState(kLastCard, kFaceDown));
    EXPECT_EQ(table.Line(kLastCard), "JOKER          41080");
    EXPECT_EQ(table.Line(kLastCard + 1), "");
    EXPECT_EQ(table.Lines().back(), table.Line(kLastCard));
    table.Build();
    EXPECT_FALSE(table.IsFaceDown(kLastCard)) << "a new table is all face up";
}

// The copy takes the position and its faces but not the log, and nothing
// done to it reaches the original.
TEST(CopyQuietly, TakesThePositionLeavesTheLogAndStaysApart) {
    auto original = EngineInit("/t/");
    PrepareTable(*original);
    original->piles.tableau[0] = "001002";
    original->cards.SetFaceState(1, kFaceDown);
    original->undo.stock_area = {"", "", ""};
    original->undo.annotations = "001,";
    original->quiet_messages.ShowInfo("seen");
    Engine copy;
    copy.redo.annotations = ",";
    CopyQuietly(*original, copy);
    EXPECT_EQ(copy.piles, original->piles);
    EXPECT_TRUE(copy.cards.IsFaceDown(1));
    EXPECT_EQ(copy.undo, MoveLogSide{});
    EXPECT_EQ(copy.redo, MoveLogSide{});
    EXPECT_EQ(copy.messages, &copy.quiet_messages);
    EXPECT_EQ(copy.quiet_messages.last, "seen");

    copy.cards.SetFaceState(2, kFaceDown);
    copy.piles.tableau[0] += "003";
    EXPECT_FALSE(original->cards.IsFaceDown(2));
    EXPECT_EQ(original->piles.tableau[0], "001002");
    EXPECT_EQ(original->undo.annotations, "001,");
}

// Scans compare whole three-digit units and find nothing a unit cannot hold.
TEST(PileScans, CompareWholeDigitUnits) {
    EXPECT_EQ(PileIndexOf("0a5005", 5), 1) << "a unit with a letter is skipped";
    EXPECT_EQ(PileIndexOf("999", 999), 0);
    EXPECT_EQ(PileIndexOf("000", 1000), -1);
    EXPECT_EQ(PileIndexOf("000", -1), -1);
    EXPECT_EQ(PileIndexOf("000", 0), 0);
    EXPECT_EQ(PileCodes("0010x2003"), (std::vector<int>{1, -1, 3}));
    EXPECT_EQ(CardCodeText(7), "007");
    EXPECT_EQ(CardCodeText(109), "");
}

}  // namespace
}  // namespace velmora
