#include <gtest/gtest.h>

#include "platform/hatch.h"
#include "platform/surface.h"

namespace velmora {
namespace {

// The pattern of the 8 by 8 area at (x0, y0) as rows of '#' and '.'.
std::string Picture(Hatch hatch, int x0 = 0, int y0 = 0) {
    Surface s(24, 24);
    s.Fill(s.Bounds(), 0x123456);
    s.FillHatch(QRect(x0, y0, 8, 8), 0x00FF00, hatch);
    std::string rows;
    for (int y = y0; y < y0 + 8; ++y) {
        for (int x = x0; x < x0 + 8; ++x) rows += s.Pixel(x, y) == 0xFF00FF00u ? '#' : '.';
        rows += '\n';
    }
    EXPECT_EQ(s.Pixel(x0 + 8, y0), 0xFF123456u);  // nothing beyond the fill
    return rows;
}

std::string Rows(const std::string& row, int n) {
    std::string s;
    while (n-- > 0) s += row;
    return s;
}

TEST(Hatch, DrawsEachPatternAnchoredAtTheSurfaceOrigin) {
    EXPECT_EQ(Picture(Hatch::Horizontal), "########\n" + Rows("........\n", 7));
    EXPECT_EQ(Picture(Hatch::Vertical, 0, 3), Rows("#.......\n", 8));
    EXPECT_EQ(Picture(Hatch::Cross), "########\n" + Rows("#.......\n", 7));
    EXPECT_EQ(Picture(Hatch::FallingDiagonal),
              "#.......\n.#......\n..#.....\n...#....\n....#...\n.....#..\n......#.\n.......#\n");
    EXPECT_EQ(Picture(Hatch::RisingDiagonal),
              ".......#\n......#.\n.....#..\n....#...\n...#....\n..#.....\n.#......\n#.......\n");
    EXPECT_EQ(Picture(Hatch::DiagonalCross),
              "#......#\n.#....#.\n..#..#..\n...##...\n...##...\n..#..#..\n.#....#.\n#......#\n");
    EXPECT_EQ(Picture(Hatch::DenseDiagonal), Rows("#.#.#.#.\n.#.#.#.#\n", 4));
    // Neighbouring fills continue the same lines.
    EXPECT_EQ(Picture(Hatch::RisingDiagonal, 8, 8), Picture(Hatch::RisingDiagonal));
    EXPECT_NE(Picture(Hatch::RisingDiagonal, 3, 0), Picture(Hatch::RisingDiagonal));
}

}  // namespace
}  // namespace velmora
