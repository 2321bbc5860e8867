// Rounding, the row table, the centred blocks, the left margin and the fan
// rooms.
#include <gtest/gtest.h>

#include "engine/layout/layout_pass.h"
#include "engine/layout/nearest.h"
#include "layout_fixture.h"

namespace velmora::layout_test {
namespace {

TEST(Nearest, HalvesGoToTheEvenNeighbour) {
    const std::pair<double, int> cases[] = {{0.5, 0},     {1.5, 2},    {2.5, 2},   {-0.5, 0},   {-1.5, -2},
                                            {330.5, 330}, {60.35, 60}, {106.5, 106}, {88.5, 88}, {37.5, 38},
                                            {2.49, 2},    {-7.0, -7},  {3.879, 4}};
    for (const auto& [x, expected] : cases) EXPECT_EQ(Nearest(x), expected) << x;
    EXPECT_EQ(NearestRatio(7, 0), 7);  // no division by zero
}

class RowTableTest : public TableLayoutTest {
protected:
    // The pass of a layout for the window (the screen as given).
    LayoutPass Pass(int width, int height, int screen_width, int screen_height) {
        LayOut(width, height, screen_width, screen_height);
        LayoutPass pass(e(), e().geometry.inputs);
        ComputeRows(pass);
        ComputeLeftMargin(pass);
        return pass;
    }
    std::array<int, 7> Rows(int width = 1280, int height = 800, int screen_width = 1280, int screen_height = 800) {
        return Pass(width, height, screen_width, screen_height).rows.row;
    }
    int Margin(int width = 1280, int height = 800) { return Pass(width, height, width, height).left_margin; }
};

TEST_F(RowTableTest, RowsFollowTheStockRowAndCode) {
    Rules({{292, 1}});
    EXPECT_EQ(Rows(), (std::array<int, 7>{0, 30, 136, 242, 348, 654, 189}));
    Rules({{292, 2}});
    EXPECT_EQ(Rows(), (std::array<int, 7>{0, 15, 136, 242, 348, 654, 189}));
    Rules({{292, 0}, {291, 3}});
    EXPECT_EQ(Rows()[2], 136);
    // Arrangement 015 packs the first rows, whatever the stock says.
    Rules({{292, 1}, {291, 0}, {295, 15}});
    EXPECT_EQ(Rows(), (std::array<int, 7>{0, 20, 121, 222, 328, 654, 171}));
}

TEST_F(RowTableTest, LowWindowsUseNarrowRowsAndTheScreenForRowFive) {
    // 480 is not above 0.8 x 1024, so row 5 comes from the screen.
    EXPECT_EQ(Rows(1280, 480, 1280, 1024), (std::array<int, 7>{0, 10, 111, 212, 313, 898, 161}));
    EXPECT_EQ(Rows(1280, 480, 1280, 590)[5], 480 - 50 - 96);
}

TEST_F(RowTableTest, CentredBlocksNeverStartAboveTheTop) {
    const RowTable tall = Pass(1280, 800, 1280, 800).rows;
    EXPECT_EQ(tall.block3, 248);
    EXPECT_EQ(tall.block4, 195);
    EXPECT_EQ(tall.Block4Row(2), 195 + 2 * 106);
    const RowTable short_window = Pass(1280, 300, 1280, 800).rows;
    EXPECT_EQ(short_window.block3, 7);
    EXPECT_EQ(short_window.block4, 7);
}

TEST_F(RowTableTest, LeftMarginGrowsWithAStockAndItsThickness) {
    EXPECT_EQ(Margin(), 10);
    EXPECT_EQ(Margin(640, 800), 3);
    EXPECT_EQ(Margin(655, 480), 3);  // a low window loses 10 pixels of width first
    Rules({{302, 1}, {291, 11}});
    EXPECT_EQ(Margin(), 19);
    for (int code : {3, 4, 5, 16, 19}) {
        Rules({{291, code}});
        EXPECT_EQ(Margin(), 34) << code;
    }
    Rules({{291, 0}, {300, 4}});
    EXPECT_EQ(Margin(), 34);
    e().params.ParamWrite(param::kCardsShadowed, 1, "N");
    EXPECT_EQ(Margin(), 25);
    Rules({{302, 0}});
    EXPECT_EQ(Margin(), 10);
}

struct FanRoomCase {
    int tableau_row;
    std::vector<std::pair<int, int>> others;  // row digits and counts of other groups
    int room;
};

TEST_F(TableLayoutTest, DownwardFansReachTheNextRowAnotherGroupUses) {
    // Rows with no stock: 15, 121, 227, 333.
    const FanRoomCase cases[] = {
        {2, {{294, 1}, {303, 4}, {299, 1}, {305, 4}}, 800 - 121},
        {1, {{299, 2}, {305, 1}}, 106},
        {1, {{299, 3}, {305, 1}}, 212},
        {1, {{299, 3}, {305, 0}}, 800 - 15},  // an absent group uses no row
        {1, {{294, 4}, {303, 1}}, 318},
        {2, {{294, 4}, {303, 1}}, 212},
        {3, {{294, 4}, {303, 1}}, 106},
        {3, {{294, 2}, {303, 1}}, 800 - 227},
        {4, {{294, 5}, {303, 1}}, 96},
    };
    for (const FanRoomCase& c : cases) {
        e().rules.ClearGameEntries();
        Rules({{3, 1}, {296, c.tableau_row}});
        for (const auto& [entry, value] : c.others) e().rules.Set(entry, value);
        LayOut();
        EXPECT_EQ(e().geometry.vertical_fan_room, c.room) << "tableau row " << c.tableau_row;
    }
    Rules({{3, 2}});
    LayOut();
    EXPECT_EQ(e().geometry.vertical_fan_room, 96);
}

}  // namespace
}  // namespace velmora::layout_test
