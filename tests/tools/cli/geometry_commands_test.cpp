#include <gtest/gtest.h>

#include <string>

#include "engine/layout/card_positions.h"
#include "session.h"

namespace velmora::cli {
namespace {

std::string Point(int x, int y) { return std::to_string(x) + " " + std::to_string(y); }

std::string RectText(const Rect& r) { return Point(r.left, r.top) + " " + Point(r.right, r.bottom); }

// Freecell deal 1: the three of hearts (3) tops Fila4 above the two of
// spades (41); Fila1 ends with the six of hearts (6) and the three of
// diamonds (16). Coordinates are taken from the engine's own layout.
TEST(GeometryCommands, HitNamesTheCardUnderThePoint) {
    Session s;
    s.Lines("window 1280 800 1280 800");
    s.Lines("new 1 1");
    const Rect top = CardRect(s.engine(), 16);
    ASSERT_FALSE(top.IsEmpty());
    EXPECT_EQ(s.Say("hit " + Point(top.left, top.bottom)), "Fila1 16 " + RectText(top)) << "the bottom-left edge";
    const int covered_y = CardY(s.engine(), "Fila1", 1, false);
    EXPECT_EQ(s.Say("hit " + Point(top.left + 5, covered_y)),
              "Fila1 6 " + RectText({top.left, covered_y, top.right, covered_y + top.Height()}));
    EXPECT_EQ(s.Say("hit 0 0"), "none");
    EXPECT_EQ(s.Raw("hit 1").back(), "error: usage: hit <x> <y>");
    EXPECT_EQ(s.Raw("hit 1 y").back(), "error: a coordinate is a whole number of pixels");
}

TEST(GeometryCommands, DragLandsOnThePileItCoversMost) {
    Session s;
    s.Lines("window 1280 800 1280 800");
    s.Lines("new 1 1");
    const TMainGame& g = s.engine().main_game;
    const int cell_x = g.ReserveX(0);
    const int cell_y = g.ReserveY(0);
    EXPECT_EQ(s.Say("drag 3 " + Point(cell_x, 790)), "refused") << "let go over no pile";
    EXPECT_EQ(s.Say("drag 3 " + Point(cell_x + 5, cell_y + 5)), "moved");
    EXPECT_EQ(s.State("Appogg1"), "Appogg1 0031");
    // Mostly over the taken first cell, a little over the second: the
    // second candidate takes the two of spades.
    const int between = cell_x + (g.ReserveX(1) - cell_x) / 3;
    EXPECT_EQ(s.Say("drag 41 " + Point(between, cell_y)), "moved");
    EXPECT_EQ(s.State("Appogg2"), "Appogg2 0411");
    EXPECT_EQ(s.Raw("drag 200 1 1").back(), "error: a card code is 1 to 108");
}

}  // namespace
}  // namespace velmora::cli
