#include <gtest/gtest.h>

#include <functional>

#include "engine/model/card_code.h"
#include "platform/hatch.h"
#include "render/highlights.h"
#include "render_fixture.h"
#include "storage/preference_keys.h"

namespace velmora {
namespace {

using render_test::kWhite;
using render_test::RenderTable;

constexpr QRgb kPink = 0xFFFFB9DCu;  // colour number 4

TEST(DrawHighlight, EachStyleCoversItsPatternInsideTheOnePixelInset) {
    // Whether a pixel of an inset area lies in one of its three-pixel corners.
    const auto corner = [](int x, int y, int w, int h) {
        return std::min(x - 1, w - 2 - x) + std::min(y - 1, h - 2 - y) <= 1;
    };
    const std::vector<std::pair<int, std::function<bool(int, int, int, int)>>> styles = {
        {0, [](int, int, int, int) { return false; }},
        {1, [&](int x, int y, int w, int h) { return (x + y) % 2 == 0 && !corner(x, y, w, h); }},
        {2, [](int, int, int, int) { return true; }},
        {3, [](int x, int y, int, int) { return HatchCovers(Hatch::RisingDiagonal, x, y); }},
        {4, [](int x, int y, int, int) { return HatchCovers(Hatch::Cross, x, y); }},
        {5, [](int x, int y, int, int) { return HatchCovers(Hatch::DiagonalCross, x, y); }},
        {6, [](int, int, int, int) { return false; }},
    };
    for (auto [w, h] : {std::pair{71, 96}, {25, 32}}) {
        for (const auto& [style, covers] : styles) {
            Surface s(w, h);
            s.Fill(s.Bounds(), kWhite);
            DrawHighlight(s, 0, 0, w, h, true, 4, style);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    const bool inside = x >= 1 && y >= 1 && x <= w - 2 && y <= h - 2;
                    ASSERT_EQ(s.Pixel(x, y), inside && covers(x, y, w, h) ? kPink : kWhite)
                        << "style " << style << " at " << x << "," << y;
                }
        }
    }
    // Medium cards keep one pixel per corner clear of dots; unknown colours are black.
    Surface s(59, 80);
    s.Fill(s.Bounds(), kWhite);
    DrawHighlight(s, 0, 0, 59, 80, true, 15, kHighlightDiagonalDots);
    EXPECT_EQ(s.Pixel(1, 1), kWhite);
    EXPECT_EQ(s.Pixel(3, 1), render_test::kBlack);
    EXPECT_EQ(HighlightColour(9), qRgb(0, 128, 64));
}

class FoundationHighlight : public ::testing::Test {
protected:
    void SetUp() override {
        Engine& e = table.e();
        e.rules.Set(303, 2);  // two squared foundations, 13 cards by entry 31
        e.rules.Set(4, 3);
        e.rules.Set(31, 13);
        for (int f = 0; f < 2; ++f) {
            e.main_game.SetFoundationX(f, 20 + 100 * f);
            e.main_game.SetFoundationY(f, 30);
        }
        e.main_game.SetField(field::kFoundationMarks, kHighlightSolid);
        table.Settings().WriteInt(key::kHighLightsFoundationsColor, 4);
        table.FillAll(kWhite);
    }
    void Fill(int foundation, int cards) {
        std::string& pile = table.e().piles.foundations[static_cast<size_t>(foundation)];
        pile.clear();
        for (int c = 1; c <= cards; ++c) pile += CardCodeText(c);
    }
    RenderTable table;
};

TEST_F(FoundationHighlight, ACompleteFoundationIsMarkedOnItsTopCardInsideAOnePixelInset) {
    Engine& e = table.e();
    e.rules.Set(112, -1);  // entry 31 counts
    e.rules.Set(113, 13);
    EXPECT_EQ(FoundationTarget(e, 0), 13);
    Fill(0, 13);
    Fill(1, 12);
    table.surfaces.scroll = 4;
    HighlightFoundations(table.surfaces, e, table.pacer, -1);
    EXPECT_EQ(table.Shown(21, 31), kPink);
    EXPECT_EQ(table.Shown(89, 124), kPink);
    EXPECT_EQ(table.Shown(20, 30), kWhite);
    EXPECT_EQ(table.Shown(90, 125), kWhite);
    EXPECT_EQ(table.Shown(121, 31), kWhite);  // 12 of 13

    // One foundation asked for; none at style 0; never an empty one.
    e.rules.Set(112, 0);
    e.rules.Set(113, 12);
    Fill(0, 0);
    table.FillAll(kWhite);
    HighlightFoundations(table.surfaces, e, table.pacer, 0);
    EXPECT_EQ(table.Shown(50, 50), kWhite);
    e.main_game.SetField(field::kFoundationMarks, kHighlightNone);
    HighlightFoundations(table.surfaces, e, table.pacer, 1);
    EXPECT_EQ(table.Shown(150, 50), kWhite);
    e.main_game.SetField(field::kFoundationMarks, kHighlightSolid);
    HighlightFoundations(table.surfaces, e, table.pacer, 1);
    EXPECT_EQ(table.Shown(150, 50), kPink);
}

}  // namespace
}  // namespace velmora
