// The special tableau arrangements, worked out by hand on a 1280 by 800
// window with big cards: K = 1278, top 5, bottom 799, E = 794.
#include "layout_fixture.h"

namespace velmora::layout_test {
namespace {

std::vector<Anchor> Column(int count, int x, int y, int step) {
    std::vector<Anchor> anchors;
    for (int i = 0; i < count; ++i) anchors.push_back({x, y + i * step});
    return anchors;
}

std::vector<Anchor> Rows(std::initializer_list<std::vector<Anchor>> rows) {
    std::vector<Anchor> all;
    for (const auto& row : rows) all.insert(all.end(), row.begin(), row.end());
    return all;
}

TEST_F(TableLayoutTest, CrossWithTheDeckOnItsLeftAndFoundationsInItsCorners) {
    // Gap 35; middle-left x nearest(995 / 2) = 498; top 5 + 218.
    Rules({{304, 5}, {295, 52}, {303, 4}, {302, 2}});
    LayOut();
    EXPECT_EQ(Tableaus(5), (std::vector<Anchor>{{604, 223}, {498, 354}, {604, 354}, {710, 354}, {604, 485}}));
    EXPECT_EQ(Deck(0), (Anchor{357, 223}));
    EXPECT_EQ(Deck(1), (Anchor{357, 354}));
    EXPECT_EQ(Foundations(4), (std::vector<Anchor>{{505, 230}, {703, 230}, {505, 478}, {703, 478}}));
}

TEST_F(TableLayoutTest, GridWithTheSecondWasteByScreenHeight) {
    Rules({{304, 8}, {295, 53}, {297, 2}, {306, 1}});
    LayOut();
    // Four to a row 198 apart from the margin + 10, in the four-row block;
    // the second waste on the block's fourth row.
    EXPECT_EQ(Tableaus(8), Rows({Row(4, 20, 195, 269), Row(4, 20, 301, 269)}));
    EXPECT_EQ(Deck(2), (Anchor{20, 513}));
    // Below 500 screen pixels: gap 0.85 x 71, from 15, in the three-row
    // block, the second waste right of the last pile.
    LayOut(1280, 800, 1280, 480);
    EXPECT_EQ(Tableaus(8), Rows({Row(4, 15, 248, 131), Row(4, 15, 354, 131)}));
    EXPECT_EQ(Deck(2), (Anchor{539, 354}));
}

TEST_F(TableLayoutTest, StaircaseMovesRightUntilItClearsTheStock) {
    Rules({{304, 7}, {295, 54}, {292, 1}, {302, 2}, {306, 1}});
    // 400 wide: start 164 puts the sixth pile at -31; 49 steps of 3 later it
    // lies at 116, more than 3 right of the stock's edge at 111.
    LayOut(400, 600);
    EXPECT_EQ(Tableau(0), (Anchor{311, 30}));
    EXPECT_EQ(Tableau(5), (Anchor{116, 290}));
    // The second waste keeps clear of the sixth row: 116 + 6 x 71 + 30 + 3.
    EXPECT_EQ(Deck(2), (Anchor{575, 30}));
    // Short screens: the stock at 15 and rows nearest(96 / 2) - 8 apart.
    LayOut(1280, 800, 1280, 480);
    EXPECT_EQ(Deck(0), (Anchor{15, 30}));
    EXPECT_EQ(Tableau(1).y - Tableau(0).y, 40);
}

TEST_F(TableLayoutTest, EightFoundationsWithTheDeckBelowTheMiddle) {
    Rules({{295, 103}, {303, 8}, {302, 2}, {304, 4}});
    LayOut();
    // x nearest(675 / 2) = 338, y 5 + nearest(497 / 2) = 253.
    EXPECT_EQ(Foundations(8), Row(8, 338, 253, 76));
    EXPECT_EQ(Deck(0), (Anchor{551, 394}));
    EXPECT_EQ(Deck(1), (Anchor{657, 394}));
    EXPECT_EQ(Tableau(0).y, kUnplacedTableau);
}

TEST_F(TableLayoutTest, SquareGridsWithAndWithoutTheSecondWaste) {
    Rules({{304, 16}, {295, 123}});
    LayOut();
    EXPECT_EQ(Tableaus(16), Rows({Row(4, 477, 195, 81), Row(4, 477, 301, 81), Row(4, 477, 407, 81),
                                  Row(4, 477, 513, 81)}));
    EXPECT_EQ(Deck(2).y, kUnplacedStockArea);
    Rules({{306, 1}});
    LayOut();
    EXPECT_EQ(Tableau(0), (Anchor{411, 203}));
    EXPECT_EQ(Tableau(15), (Anchor{639, 506}));
    EXPECT_EQ(Deck(2), (Anchor{786, 354}));  // halfway below the second row

    Rules({{304, 25}, {295, 125}});
    LayOut();
    EXPECT_EQ(Tableau(0), (Anchor{384, 156}));
    EXPECT_EQ(Tableau(24), (Anchor{680, 552}));
    EXPECT_EQ(Deck(2), (Anchor{825, 354}));  // on the third row
}

TEST_F(TableLayoutTest, RowsOfFourFiveAndFour) {
    Rules({{304, 13}, {295, 126}});
    LayOut();
    EXPECT_EQ(Tableaus(13), Rows({Row(4, 490, 253, 76), Row(5, 452, 354, 76), Row(4, 490, 455, 76)}));
}

TEST_F(TableLayoutTest, SingleColumnsWithTheSecondWasteBeside) {
    struct Case {
        int code, piles;
        std::vector<Anchor> column;
        Anchor second_waste;
    };
    const Case cases[] = {
        {127, 4, Column(4, 340, 203, 101), {842, 354}},
        {128, 5, Column(5, 272, 156, 99), {914, 354}},
        {129, 3, Column(3, 416, 253, 101), {776, 354}},
    };
    for (const Case& c : cases) {
        Rules({{304, c.piles}, {295, c.code}, {306, 1}});
        LayOut();
        EXPECT_EQ(Tableaus(c.piles), c.column) << c.code;
        EXPECT_EQ(Deck(2), c.second_waste) << c.code;
    }
}

TEST_F(TableLayoutTest, TenFoundationsOverTwoRowsOfTen) {
    Rules({{295, 130}, {303, 10}, {304, 20}});
    LayOut();
    // x nearest(523 / 2) = 262 (half to even), y 5 + 208.
    EXPECT_EQ(Foundations(10), Row(10, 262, 213, 76));
    EXPECT_EQ(Tableaus(20), Rows({Row(10, 262, 324, 76), Row(10, 262, 480, 76)}));
}

}  // namespace
}  // namespace velmora::layout_test
