#include "engine/model/param_record.h"

#include <gtest/gtest.h>

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
