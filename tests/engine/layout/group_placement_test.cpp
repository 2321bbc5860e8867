// Stock, foundation, reserve and second-waste codes around a row of seven
// tableaus (001, row 2) on a 1280 by 800 window with big cards: the columns
// stand at 330 + 91 i, the tableau gap is 20 and the foundation step G is
// nearest(20 / 3) = 7. Row 1 is 15, or 30 under a stock row digit of 1.
#include "layout_fixture.h"

namespace velmora::layout_test {
namespace {

constexpr Anchor kNone{kUnplacedStockArea, kUnplacedStockArea};

class GroupPlacementTest : public TableLayoutTest {
protected:
    GroupPlacementTest() { Rules({{304, 7}, {295, 1}, {296, 2}}); }
};

TEST_F(GroupPlacementTest, StockCodes) {
    struct Case {
        std::vector<std::pair<int, int>> rules;
        Anchor stock, waste;
    };
    const Case cases[] = {
        {{{291, 4}, {8, 1}, {9, 1}}, {330, 30}, {421, 30}},  // 004 by entries 8 and 9
        {{{291, 4}, {9, 1}}, kNone, {330, 30}},
        {{{291, 4}, {8, 1}}, {330, 30}, kNone},
        {{{291, 5}}, {34, 30}, {139, 30}},                   // from the margin, the margin apart
        {{{291, 3}, {9, 1}}, {237, 30}, {237, 151}},         // the waste on row 2
        {{{291, 11}}, {128, 30}, {214, 30}},
        {{{291, 13}}, {19, 30}, {105, 30}},
        {{{291, 16}}, kNone, {229, 30}},
        {{{291, 19}, {8, 1}}, {199, 30}, kNone},
        {{{291, 21}}, {153, 30}, {244, 30}},
        {{{291, 99}, {8, 1}, {9, 1}}, kNone, kNone},
    };
    for (const Case& c : cases) {
        Rules({{302, 2}, {292, 1}, {8, 0}, {9, 0}});
        for (const auto& [entry, value] : c.rules) e().rules.Set(entry, value);
        LayOut();
        EXPECT_EQ(Deck(0), c.stock) << "stock code " << e().R(291);
        EXPECT_EQ(Deck(1), c.waste) << "stock code " << e().R(291);
    }
}

TEST_F(GroupPlacementTest, FoundationCodes) {
    const std::pair<int, std::vector<Anchor>> cases[] = {
        {7, Row(4, 603, 15, 91)},   // over the last columns
        {9, Row(4, 642, 15, 78)},   // leftwards from the last column, G apart
        {1, Row(4, 198, 15, 269)},  // gap nearest(992 / 5)
        {2, Row(4, 482, 15, 81)},   // gap nearest(20 / 2), centred
        {8, Row(4, 949, 15, 81)},   // the last at 1278 - 71 - 10 - 5
        {13, Row(4, 603, 15, 91)},  // as 007 on tall screens
    };
    for (const auto& [code, foundations] : cases) {
        Rules({{303, 4}, {294, 1}, {293, code}});
        LayOut();
        EXPECT_EQ(Foundations(4), foundations) << "foundation code " << code;
    }
    LayOut(1280, 800, 1280, 480);  // 013 on a short screen: gap 1
    EXPECT_EQ(Foundations(4), Row(4, 660, 15, 72));
    // 017 beside the waste, on its row whatever the digit says.
    Rules({{302, 2}, {291, 13}, {292, 1}, {9, 1}, {293, 17}, {294, 3}});
    LayOut();
    EXPECT_EQ(Foundations(4), Row(4, 105 + 71 + 20, 30, 74));
}

TEST_F(GroupPlacementTest, ReserveCodes) {
    const std::pair<int, std::vector<Anchor>> cases[] = {
        {6, Row(3, 330, 15, 78)},  // from the first column, G apart
        {4, Row(3, 330, 15, 91)},
        {5, Row(3, 10, 15, 81)},   // from the margin, the margin apart
        {7, Row(3, 694, 15, 91)},
        {12, {{214, 15}, {214, 121}, {214, 227}}},  // a column, a row apart
    };
    for (const auto& [code, reserves] : cases) {
        Rules({{305, 3}, {299, 1}, {298, code}});
        LayOut();
        EXPECT_EQ(Reserves(3), reserves) << "reserve code " << code;
    }
    Rules({{298, 4}, {299, 0}});  // reserves take rows 1 to 6 only
    LayOut();
    EXPECT_EQ(Reserve(0).y, kUnplacedReserve);
    // 011 follows the waste; foundation 002 hands its own gap (10) over.
    Rules({{299, 1}, {298, 11}, {302, 2}, {291, 11}, {292, 1}, {303, 4}, {293, 2}, {294, 3}});
    LayOut();
    EXPECT_EQ(Reserves(3), Row(3, 214, 30, 81));
}

TEST_F(GroupPlacementTest, SecondWasteCodes) {
    const std::pair<std::vector<std::pair<int, int>>, Anchor> cases[] = {
        {{{300, 7}, {301, 1}}, {876, 15}},  // above the last column
        {{{300, 6}, {301, 3}}, {421, 227}},  // above the second
        {{{300, 6}, {301, 0}}, kNone},       // digit 0 is no row here
        // 016 under the stock: the row before its digit + 96 + 20.
        {{{300, 16}, {301, 3}, {302, 1}, {291, 13}, {292, 1}}, {19, 136 + 116}},
        {{{300, 16}, {301, 1}, {302, 1}, {291, 13}, {292, 1}}, kNone},
    };
    for (const auto& [rules, anchor] : cases) {
        Rules({{306, 1}});
        for (const auto& [entry, value] : rules) e().rules.Set(entry, value);
        LayOut();
        EXPECT_EQ(Deck(2), anchor) << "second waste code " << e().R(300);
    }
}

TEST_F(GroupPlacementTest, ReserveInTheWayMovesAFixedGapRowRightOnce) {
    // Twelve columns from 158 on row 1; the second reserve (91 .. 162) lies
    // in the band of the first column (73 .. 314), so the row starts again
    // at 91 + 71 + 86.
    Rules({{304, 12}, {295, 2}, {296, 1}, {305, 2}, {298, 5}, {299, 1}});
    LayOut();
    EXPECT_EQ(e().geometry.forced_start_x, 248);
    EXPECT_EQ(Tableaus(12), Row(12, 248, 15, 81));
    EXPECT_EQ(Reserves(2), Row(2, 10, 15, 81));
    // Other arrangements ignore the forced start: the same overlap comes
    // back and the layout ends, as first computed.
    Rules({{295, 1}});
    LayOut();
    EXPECT_EQ(Tableau(0), (Anchor{103, 15}));
    // A new layout starts without a forced start.
    Rules({{305, 0}, {295, 2}});
    LayOut();
    EXPECT_EQ(e().geometry.forced_start_x, 0);
    EXPECT_EQ(Tableau(0).x, 158);
}

}  // namespace
}  // namespace velmora::layout_test
