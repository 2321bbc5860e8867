// Hand-edited game definitions and extreme windows: the layout places
// nothing it cannot, never writes past the pile slots, never divides by
// zero and always ends.
#include <initializer_list>

#include "layout_fixture.h"

namespace velmora::layout_test {
namespace {

const int kTableauCodes[] = {1, 2, 3, 10, 11, 12, 13, 14, 15, 18, 20, 21, 52, 53, 54,
                             103, 123, 124, 125, 126, 127, 128, 129, 130};

class DegenerateLayoutTest : public TableLayoutTest {
protected:
    // The slots past every group stay at their markers, and every placed
    // anchor holds a placed 16-bit value.
    void ExpectSlotsKept() {
        const TMainGame& g = e().main_game;
        EXPECT_EQ(g.Field(field::kFoundationY + 16), kUnplacedFoundation);
        EXPECT_EQ(g.Field(field::kReserveY + 10), kUnplacedReserve);
        EXPECT_EQ(g.Field(field::kStockAreaY + 3), kUnplacedStockArea);
        EXPECT_EQ(Tableau(28).y, kUnplacedTableau);
        EXPECT_EQ(Tableau(29).y, kUnplacedTableau);
        for (int i = 0; i < 28; ++i) {
            if (IsPlacedY(Tableau(i).y)) {
                EXPECT_GE(Tableau(i).x, kPlacedMinimum);
            }
        }
    }
};

TEST_F(DegenerateLayoutTest, CountsPastTheSlotsAreHeldToThem) {
    Rules({{302, 9}, {291, 5}, {303, 40}, {293, 1}, {304, 99}, {295, 1}, {305, 30}, {298, 5}, {299, 1},
           {306, 7}, {300, 7}, {301, 2}});
    for (int code : kTableauCodes) {
        Rules({{295, code}, {297, 3}});
        LayOut();
        ExpectSlotsKept();
    }
    Rules({{295, 1}});
    LayOut();
    EXPECT_TRUE(IsPlacedY(Tableau(27).y));
    EXPECT_TRUE(IsPlacedY(Foundation(15).y));
    EXPECT_TRUE(IsPlacedY(Reserve(9).y));
}

TEST_F(DegenerateLayoutTest, ZeroAndNegativeCountsPlaceNothing) {
    for (int count : {0, -1, -32768}) {
        Rules({{302, count}, {291, 5}, {303, count}, {293, 1}, {304, count}, {295, 1}, {305, count}, {298, 5},
               {299, 1}, {306, count}, {300, 7}, {301, 1}});
        LayOut();
        EXPECT_EQ(Deck(0).y, kUnplacedStockArea);
        EXPECT_EQ(Foundation(0).y, kUnplacedFoundation);
        EXPECT_EQ(Tableau(0).y, kUnplacedTableau);
        EXPECT_EQ(Reserve(0).y, kUnplacedReserve);
        EXPECT_EQ(Deck(2).y, kUnplacedStockArea);
    }
}

TEST_F(DegenerateLayoutTest, GridsWithoutRowsOrWithMoreRowsThanPilesStayFinite) {
    for (int code : {10, 18, 53}) {
        for (int rows : {0, -4, 1, 50}) {
            Rules({{304, 1}, {295, code}, {296, 1}, {297, rows}});
            LayOut();
            EXPECT_TRUE(IsPlacedY(Tableau(0).y)) << code << " rows " << rows;
        }
        // No rows counts as one: all piles on one row.
        Rules({{304, 5}, {297, 0}});
        LayOut();
        EXPECT_EQ(Tableau(4).y, Tableau(0).y) << code;
    }
    // One pile that cannot fit: the shrinking gap divides by no zero.
    Rules({{304, 1}, {295, 14}, {296, 1}});
    LayOut(20, 600);
    EXPECT_TRUE(IsPlacedY(Tableau(0).y));
}

TEST_F(DegenerateLayoutTest, CodesAndRowDigitsOutsideTheirRanges) {
    Rules({{304, 4}, {295, 1}, {296, 7}, {303, 4}, {293, 1}, {294, -3}, {302, 2}, {291, 4}, {292, 9},
           {8, 1}, {9, 1}, {305, 2}, {298, -5}, {299, 1}, {306, 1}, {300, 32767}, {301, 1}});
    LayOut();
    EXPECT_EQ(Tableau(0).y, kUnplacedTableau);
    EXPECT_EQ(Foundation(0).y, kUnplacedFoundation);
    EXPECT_EQ(Deck(0).y, kUnplacedStockArea);
    EXPECT_EQ(Reserve(0).y, kUnplacedReserve);
    EXPECT_EQ(Deck(2).y, kUnplacedStockArea);
    // A row digit is the first digit: 25 is row 2 (the stock's 9 adds nothing).
    Rules({{296, 25}});
    LayOut();
    EXPECT_EQ(Tableau(0).y, 121);
    // Fan modes outside 1 - 9 keep the card's own room.
    Rules({{3, 40}});
    LayOut();
    EXPECT_EQ(e().geometry.vertical_fan_room, 96);
    EXPECT_EQ(e().geometry.horizontal_fan_room, 71);
}

TEST_F(DegenerateLayoutTest, TinyAndHugeWindowsLayOutWithoutHarm) {
    Rules({{302, 2}, {291, 4}, {292, 1}, {8, 1}, {9, 1}, {303, 8}, {293, 7}, {294, 1}, {304, 20}, {296, 2},
           {297, 3}, {305, 4}, {298, 5}, {299, 3}, {306, 1}, {300, 6}, {301, 3}, {3, 1}});
    const std::pair<int, int> windows[] = {{1, 1}, {10000, 10000}, {30000, 30000}, {-50, 0}};
    for (int code : kTableauCodes) {
        for (const auto& [w, h] : windows) {
            Rules({{295, code}});
            LayOut(w, h, 1280, 800);
            ExpectSlotsKept();
        }
    }
    // On a 1 by 1 window the row starts at the narrow margin, 3 + 9 + 15.
    Rules({{295, 1}});
    LayOut(1, 1);
    EXPECT_EQ(Tableau(0).x, 27);
}

TEST_F(DegenerateLayoutTest, TheScrollPositionIsStoredAndSubtractedFromY) {
    Rules({{304, 2}, {295, 1}, {296, 1}});
    LayoutInputs in = MainWindowInputs(1280, 800, 0, 0, 1280, 800);
    in.scroll_position = 40;
    LayOutTable(e(), in);
    EXPECT_EQ(e().main_game.Field(field::kScrollOffset), 40);
    EXPECT_EQ(Tableau(0).y, 15 - 40);
}

}  // namespace
}  // namespace velmora::layout_test
