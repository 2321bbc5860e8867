#include "engine/model/param_record.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace velmora {
namespace {

class Params : public ::testing::Test {
protected:
    void SetUp() override { record.ParamInit(true, "/opt/velmora/"); }
    ParamRecord record;
};

TEST_F(Params, InitCreatesBlocksWithFolderAndSettingsPath) {
    for (int b = 0; b < 3; ++b) EXPECT_EQ(record.Block(b).size(), 250u);
    EXPECT_EQ(record.ParamRead(501, 200), "/opt/velmora/");
    EXPECT_EQ(record.ParamRead(1, 20), "DATA\\CFG.DAT");
    record.ParamWrite(62, 4, "7");
    record.ParamInit(false, "/elsewhere/");
    EXPECT_EQ(record.ParamRead(62, 4), "7");
}

TEST_F(Params, WritesPadCutAndDropLeadingSpaces) {
    record.ParamWrite(62, 4, "7");
    EXPECT_EQ(record.ParamRead(62, 4), "7");
    EXPECT_EQ(record.Block(0).substr(61, 4), "7   ");
    record.ParamWrite(77, 30, "  Player 1");
    EXPECT_EQ(record.Block(0).substr(76, 30), "Player 1" + std::string(22, ' '));
    EXPECT_EQ(record.ParamRead(77, 30), "Player 1");
    record.ParamWrite(239, 1, "Y");
    record.ParamWrite(189, 50, std::string(60, 'x'));
    EXPECT_EQ(record.ParamRead(189, 50), std::string(50, 'x'));
    EXPECT_EQ(record.ParamRead(239, 1), "Y");
    record.ParamWrite(77, 30, "Ann  Lee  ");
    EXPECT_EQ(record.ParamRead(77, 30), "Ann  Lee");
    record.ParamWrite(77, 30, "");
    EXPECT_EQ(record.ParamRead(77, 30), "");
}

TEST_F(Params, PositionsAddressTheirBlocks) {
    record.ParamWrite(251, 1, "Y");
    EXPECT_EQ(record.Block(1)[0], 'Y');
    EXPECT_EQ(record.ParamRead(251, 1), "Y");
    record.ParamWrite(249, 1, "A");
    EXPECT_EQ(record.Block(0)[248], 'A');
    EXPECT_TRUE(record.IsYes(251));
    EXPECT_FALSE(record.IsYes(249));
}

// The first and last positions of each block: a one-character field lands
// on exactly its own character, and a longer one stops at the block's end.
TEST_F(Params, BlockEdgesAddressTheirOwnCharacter) {
    struct Row {
        int position, block, index;  // index 0-based inside the block
    };
    for (const Row& row : {Row{1, 0, 0}, Row{249, 0, 248}, Row{251, 1, 0}, Row{252, 1, 1}, Row{499, 1, 248},
                           Row{501, 2, 0}, Row{502, 2, 1}, Row{750, 2, 249}}) {
        ParamRecord fresh;
        std::array<std::string, 3> expected{fresh.Block(0), fresh.Block(1), fresh.Block(2)};
        EXPECT_TRUE(fresh.ParamWrite(row.position, 1, "Q")) << row.position;
        expected[static_cast<size_t>(row.block)][static_cast<size_t>(row.index)] = 'Q';
        for (int b = 0; b < 3; ++b) EXPECT_EQ(fresh.Block(b), expected[static_cast<size_t>(b)]) << row.position;
        EXPECT_EQ(fresh.ParamRead(row.position, 1), "Q") << row.position;
    }
    // Reads and writes stop at the end of their block; the next block's
    // first character is never touched.
    record.ParamWrite(251, 1, "Z");
    record.ParamWrite(501, 200, "/x/");
    EXPECT_TRUE(record.ParamWrite(249, 3, "abc"));
    EXPECT_EQ(record.ParamRead(249, 3), "ab");
    EXPECT_EQ(record.ParamRead(251, 1), "Z");
    EXPECT_TRUE(record.ParamWrite(499, 3, "def"));
    EXPECT_EQ(record.ParamRead(499, 3), "de");
    EXPECT_EQ(record.ParamRead(501, 200), "/x/");
    EXPECT_TRUE(record.ParamWrite(750, 3, "ghi"));
    EXPECT_EQ(record.ParamRead(750, 3), "g");
    EXPECT_EQ(record.ParamRead(1, 20), "DATA\\CFG.DAT");
}

TEST_F(Params, PositionsThatAddressNothingAreRefused) {
    const ParamRecord before = record;
    for (int position : {0, -5, 250, 500, 751, 999, 1000, 5000}) {
        EXPECT_FALSE(record.ParamWrite(position, 3, "abc")) << position;
        EXPECT_EQ(record.ParamRead(position, 3), "") << position;
    }
    EXPECT_FALSE(record.ParamWrite(62, -1, "abc"));
    EXPECT_FALSE(record.ParamWrite(62, 0, "abc"));
    EXPECT_EQ(record.ParamRead(62, -1), "");
    for (int b = 0; b < 3; ++b) EXPECT_EQ(record.Block(b), before.Block(b));
}

TEST_F(Params, FieldsRunningPastTheBlockEndAreCut) {
    EXPECT_TRUE(record.ParamWrite(245, 10, "abcdefghij"));
    EXPECT_EQ(record.Block(0).size(), 250u);
    EXPECT_EQ(record.ParamRead(245, 10), "abcdef");
    EXPECT_EQ(record.Block(1).substr(0, 5), "     ");  // nothing spills into block B
    EXPECT_EQ(record.ParamRead(501, 400), "/opt/velmora/");
}

}  // namespace
}  // namespace velmora
