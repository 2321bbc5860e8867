// The regular tableau arrangements the catalogue's games do not use, worked
// out by hand with big cards (K = 1278 on 1280 pixels).
#include "layout_fixture.h"

namespace velmora::layout_test {
namespace {

TEST_F(TableLayoutTest, EvenSpreadShrinksItsGapAndWidensTheStockGaps) {
    Rules({{304, 10}, {295, 14}, {296, 2}, {291, 4}, {292, 1}, {302, 2}, {8, 1}, {9, 1}});
    // 800 wide: gap 8, start 8 < margin 34, so the gap shrinks by
    // nearest(26 / 9 + 0.99) = 4 to 4, and the first two gaps (the stock
    // count) are 15.
    LayOut(800, 600);
    std::vector<Anchor> expected = {{34, 136}, {120, 136}};
    for (const Anchor& a : Row(8, 206, 136, 75)) expected.push_back(a);
    EXPECT_EQ(Tableaus(10), expected);
    // 001 keeps its gap (15 with a stock above it) and starts at the margin.
    Rules({{295, 1}});
    LayOut(800, 600);
    EXPECT_EQ(Tableaus(2), Row(2, 34, 136, 86));
    // A screen at most 649 wide starts 2 left of the margin (3 + 9 + 15).
    Rules({{295, 14}});
    LayOut(640, 480);
    EXPECT_EQ(Tableau(0).x, 25);
}

TEST_F(TableLayoutTest, GridInTheFourRowBlockStartsAtTheRowDigit) {
    // Four to a row, gap nearest(992 / 5) = 198 (over 1.5 x 71), from the
    // margin + 10, on the block's rows 2 and 3 (195 + 106, + 212).
    Rules({{304, 8}, {295, 18}, {296, 2}, {297, 2}});
    LayOut();
    EXPECT_EQ(Tableau(3), (Anchor{20 + 3 * 269, 301}));
    EXPECT_EQ(Tableau(4), (Anchor{20, 407}));
}

TEST_F(TableLayoutTest, RowCentredUnderTheFoundations) {
    // Foundations 001 198 .. 1076; six columns (476 wide with gaps of 10)
    // centred under them, or in the window without them.
    Rules({{303, 4}, {293, 1}, {294, 1}, {304, 6}, {295, 20}, {296, 2}});
    LayOut();
    EXPECT_EQ(Foundations(4), Row(4, 198, 15, 269));
    EXPECT_EQ(Tableaus(6), Row(6, 399, 121, 81));
    Rules({{303, 0}});
    LayOut();
    EXPECT_EQ(Tableau(0).x, 401);
}

TEST_F(TableLayoutTest, FixedGapLeftAlignedAndDeckRoomRows) {
    struct Case {
        int code;
        Anchor first;
        int step;
    };
    // Five columns on row 2 (136: a stock row digit of 1 lowers the rows).
    const Case cases[] = {
        {2, {442, 136}, 81},   // gap 10, (1278 - 355 - 40) / 2 = 441.5
        {13, {48, 136}, 75},   // twice the shadow + 30, gap 4
        {21, {552, 136}, 73},  // gap 2, 731 / 2 = 365.5, + 2 x 93
        {12, {484, 136}, 86},  // gap 117 becomes 15, 752 / 2, + 93 + 15
    };
    for (const Case& c : cases) {
        Rules({{304, 5}, {295, c.code}, {296, 2}, {292, 1}});
        LayOut();
        EXPECT_EQ(Tableaus(2), Row(2, c.first.x, c.first.y, c.step)) << c.code;
    }
}

}  // namespace
}  // namespace velmora::layout_test
