#include <gtest/gtest.h>

#include "layout_table.h"

namespace velmora::layout_test {
namespace {

TEST(FanOffsets, FollowTheModesThatUseThemAndTheCardSize) {
    struct Case {
        int tableau, reserve;
        char size;
        int up_y, down_y, up_x, down_x, mode6;
    };
    const Case cases[] = {
        {1, 3, 'B', 18, 4, 0, 0, 0}, {7, 3, 'M', 14, 4, 0, 0, 0}, {3, 1, 'L', 3, 3, 0, 0, 0},
        {2, 3, 'B', 0, 0, 12, 4, 0}, {3, 2, 'M', 0, 0, 10, 4, 0}, {6, 3, 'B', 0, 0, 0, 0, 7},
        {6, 3, 'M', 0, 0, 0, 0, 5},  {4, 4, 'L', 0, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        LayoutTable t;
        t.Fans(c.tableau, 1, c.reserve, c.size);
        const TMainGame& g = t.e().main_game;
        const std::string what = "tableau " + std::to_string(c.tableau) + " reserve " + std::to_string(c.reserve);
        EXPECT_EQ(g.Field(64), c.up_y) << what;
        EXPECT_EQ(g.Field(66), c.down_y) << what;
        EXPECT_EQ(g.Field(65), c.up_x) << what;
        EXPECT_EQ(g.Field(67), c.down_x) << what;
        EXPECT_EQ(g.Field(83), c.mode6) << what;
        EXPECT_EQ(g.Field(75), 3) << what;
        EXPECT_EQ(g.Field(72), 6) << what;
    }
    LayoutTable t;
    SetFanOffsets(t.e(), 'X');
    EXPECT_EQ(t.e().main_game.Field(64), 18) << "an unknown size letter changes nothing";
}

TEST(CardPositions, VerticalFanStepsByFaceState) {
    LayoutTable t;
    t.Put("Fila2", {10, 11, 12, 13, 14}).FaceDown({10, 11, 12}).At("Fila2", 100, 50);
    Engine& e = t.e();
    EXPECT_EQ(CardY(e, "Fila2", 0, false), 50 + 3 * 4 + 18);
    EXPECT_EQ(PileBottom(e, "Fila2"), 50 + 30 + 96);
    EXPECT_EQ(CardY(e, "Fila2", 0, true), 50 + 30 + 18) << "the next card";
    EXPECT_EQ(CardY(e, "Fila2", 2, false), 50 + 2 * 4) << "the third card from the bottom";
    EXPECT_EQ(CardY(e, "Fila2", 2, true), 50 + 3 * 4) << "laid on the three face-down cards";
    EXPECT_EQ(CardY(e, "Fila2", 9, false), 50) << "more skipped than there are cards";
    EXPECT_EQ(CardX(e, "Fila2", 1, 0, false), 100);

    e.main_game.SetField(field::kScrollOffset, 40);
    EXPECT_EQ(CardY(e, "Fila2", 0, false), 10 + 30) << "scrolled";
    EXPECT_EQ(PileBottom(e, "Fila2"), 10 + 30 + 96);
}

TEST(CardPositions, EmptyAndSquaredPilesAndTheStockArea) {
    LayoutTable t;
    t.Fans(1, 3, 3).At("Fila1", 10, 20).At("Dest1", 200, 5).Put("Dest1", {1, 2, 3});
    t.Put("Mazzo", {40, 41, 42}).At("Mazzo", 5, 5);
    Engine& e = t.e();
    EXPECT_EQ(CardY(e, "Fila1", 0, true), 20);
    EXPECT_EQ(CardY(e, "Fila1", 0, false), 20);
    EXPECT_EQ(PileBottom(e, "Fila1"), 20 + 96);
    EXPECT_EQ(CardY(e, "Dest1", 0, true), 5);
    EXPECT_EQ(PileBottom(e, "Dest1"), 5 + 96);
    EXPECT_EQ(CardY(e, "Mazzo", 0, true), 5);
    EXPECT_EQ(CardX(e, "Mazzo", 0, 1, true), 5);
    EXPECT_EQ(PileBottom(e, "Mazzo"), 5 + 96);
    EXPECT_EQ(CardY(e, "Nowhere", 0, false), 0);
}

TEST(CardPositions, ModeSevenLowersTheTopCardOnce) {
    LayoutTable t;
    t.Fans(7, 3, 3).At("Fila1", 0, 100).Put("Fila1", {5});
    Engine& e = t.e();
    EXPECT_EQ(CardY(e, "Fila1", 0, false), 100);
    EXPECT_EQ(PileBottom(e, "Fila1"), 196);
    EXPECT_EQ(CardY(e, "Fila1", 0, true), 118) << "a card laid on it";
    t.Put("Fila1", {5, 6});
    EXPECT_EQ(CardY(e, "Fila1", 0, false), 118);
    EXPECT_EQ(PileBottom(e, "Fila1"), 214);
    t.Put("Fila1", {5, 6, 7});
    EXPECT_EQ(CardY(e, "Fila1", 0, true), 118) << "still one step";
    EXPECT_EQ(CardY(e, "Fila1", 3, true), 100) << "laid on an emptied pile";
    EXPECT_EQ(CardY(e, "Fila1", 2, false), 118) << "asked with a skip, the step is taken as for a laid card";
}

TEST(CardPositions, SidewaysModesByKind) {
    LayoutTable t;
    t.At("Fila1", 10, 0).Put("Fila1", {1, 2, 3}).FaceDown({1});
    t.At("Dest1", 10, 0).Put("Dest1", {20, 21, 22});
    t.At("Appogg1", 10, 0).Put("Appogg1", {30, 31, 32});
    Engine& e = t.e();
    struct Case {
        int tableau, foundation, reserve;
        int tableau_top_x, foundation_top_x, reserve_top_y;
    };
    const Case cases[] = {
        {2, 2, 2, 10 + 4 + 12, 10 + 24, 0},
        {4, 4, 4, 10 + 2 * 77, 10 + 2 * 77, 0},
        {6, 6, 5, 10 + 2 * 7, 10, 6} /* mode 6 sideways only for tableaus */,
        {5, 5, 6, 10, 10, 0} /* other combinations are squared */,
    };
    for (const Case& c : cases) {
        t.Fans(c.tableau, c.foundation, c.reserve);
        const std::string what = "modes " + std::to_string(c.tableau) + std::to_string(c.foundation) +
                                 std::to_string(c.reserve);
        EXPECT_EQ(CardX(e, "Fila1", 0, 0, false), c.tableau_top_x) << what;
        EXPECT_EQ(CardX(e, "Dest1", 0, 0, false), c.foundation_top_x) << what;
        EXPECT_EQ(CardY(e, "Appogg1", 0, false), c.reserve_top_y) << what;
        EXPECT_EQ(CardY(e, "Fila1", 0, false), 0) << what;
    }
}

// A tableau fanned sideways keeps its steps while it fits the room the
// layout left it (to the next pile of its row, or the table's edge) and is
// narrowed in proportion when it would reach further.
TEST(CardPositions, ASidewaysFanLongerThanItsRoomIsNarrowed) {
    LayoutTable t;
    t.Fans(2, 3, 3);
    Engine& e = t.e();
    e.geometry.horizontal_fan_room = 120;
    e.geometry.inputs.available_width = 400;
    t.At("Fila1", 10, 0).Put("Fila1", {1, 2, 3});
    EXPECT_EQ(CardX(e, "Fila1", 0, 0, false), 10 + 2 * 12) << "three cards fit: steps kept";
    t.Put("Fila1", {1, 2, 3, 4, 5, 6, 7, 8, 9});
    // 8 steps of 12 would reach 106; 120 - 71 - 4 = 45 are allowed.
    EXPECT_EQ(CardX(e, "Fila1", 0, 0, false), 10 + 45);
    EXPECT_EQ(CardX(e, "Fila1", 0, 4, false), 10 + 4 * 12 * 45 / 96);
    EXPECT_EQ(CardAt(e, 10 + 45 + 60, 50).code, 9) << "the top card is found where it lies";
    // The last pile of a row has the table's edge: 400 - 300 - 71 - 4 = 25.
    t.At("Fila1", 300, 0);
    EXPECT_EQ(CardX(e, "Fila1", 0, 0, false), 300 + 25);
    t.Fans(2, 2, 2);
    t.At("Dest1", 300, 0).Put("Dest1", {20, 21, 22, 23, 24, 25, 26, 27, 28});
    EXPECT_EQ(CardX(e, "Dest1", 0, 0, false), 300 + 8 * 12) << "only tableaus are narrowed";
}

TEST(CardPositions, RuleFortyNineLaysAFoundationCardOnItsTableau) {
    LayoutTable t;
    t.Rule(47, 49).Rule(130, 5).At("Dest3", 300, 10).At("Fila3", 40, 150).Put("Fila3", {7});
    Engine& e = t.e();
    EXPECT_EQ(CardY(e, "Dest3", 0, true), 150) << "a seven on a pile based on five";
    EXPECT_EQ(CardY(e, "Dest3", 0, false), 10) << "only for the next card";
    t.Put("Fila3", {5});
    EXPECT_EQ(CardY(e, "Dest3", 0, true), 10) << "the base rank itself";
    t.Put("Fila3", {7, 8});
    EXPECT_EQ(CardY(e, "Dest3", 0, true), 10) << "two cards";
    t.Put("Fila3", {7}).Rule(47, 0);
    EXPECT_EQ(CardY(e, "Dest3", 0, true), 10) << "another rule code";
}

TEST(CardPositions, HandLaidTableauShiftsByTheDisplacementTable) {
    LayoutTable t;
    Engine& e = t.e();
    for (int row = 0; row < 7; ++row)
        for (int column = 0; column < 14; ++column)
            e.geometry.displacement[static_cast<size_t>(row)][static_cast<size_t>(column)] = 10 * row + column;
    t.At("Fila3", 100, 0).Put("Fila3", {1, 2, 3});
    EXPECT_EQ(CardX(e, "Fila3", 2, 0, false), 100 + 22) << "row 2, the top card's column";
    EXPECT_EQ(CardX(e, "Fila3", 2, 0, true), 100 + 23) << "the next card's column";
    EXPECT_EQ(CardX(e, "Fila3", 2, 1, false), 100 + 22) << "a skip counts the card above";
    EXPECT_EQ(CardX(e, "Fila3", 7, 0, false), 100 + 12) << "pile 8 uses row 1";
    EXPECT_EQ(CardX(e, "Fila3", 12, 0, false), 100 + 2) << "pile 13 uses row 0";
    t.Put("Fila3", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14});
    EXPECT_EQ(CardX(e, "Fila3", 2, 0, false), 100 + 21) << "the fourteenth card uses column 1";
    EXPECT_EQ(CardX(e, "Fila3", 2, 2, false), 100 + 32) << "column 12, the last one written";
    e.params.ParamWrite(179, 1, "N");
    EXPECT_EQ(CardX(e, "Fila3", 2, 0, false), 100) << "hand-laid piles switched off";
    e.params.ParamWrite(179, 1, "Y");
    t.Fans(7, 3, 3);
    EXPECT_EQ(CardX(e, "Fila3", 2, 0, false), 100) << "only in fan mode 1";
}

}  // namespace
}  // namespace velmora::layout_test
