// Cards that follow the window: the search for the largest card that fits,
// its cap, the rules of fitting and the layout at one width.
#include <cstdlib>
#include <utility>
#include <vector>

#include "engine/layout/card_positions.h"
#include "engine/layout/fit_window.h"
#include "engine/model/main_game.h"
#include "layout_fixture.h"

namespace velmora::layout_test {
namespace {

// Freecell: four cells and four foundations over eight fans of 7 and 6.
const std::vector<std::pair<int, int>> kFreecell = {
    {303, 4}, {304, 8}, {305, 4}, {293, 7}, {294, 1}, {295, 1}, {296, 2}, {298, 4}, {299, 1}, {3, 1},
    {311, 7}, {312, 7}, {313, 7}, {314, 7}, {315, 6}, {316, 6}, {317, 6}, {318, 6},
    {339, 7}, {340, 7}, {341, 7}, {342, 7}, {343, 6}, {344, 6}, {345, 6}, {346, 6}};

class FitWindowTest : public TableLayoutTest {
protected:
    FitWindowTest() { e().params.ParamWrite(param::kCardSize, 1, "F"); }
    void Game(const std::vector<std::pair<int, int>>& rules) {
        for (const auto& [entry, value] : rules) e().rules.Set(entry, value);
    }
    static LayoutInputs Window(int width, int height) { return MainWindowInputs(width, height, 0, 0, width, height); }
    bool FitsAt(int width, const LayoutInputs& in) {
        LayOutAtCardWidth(e(), in, width);
        return PilesFitTable(e(), in);
    }
};

TEST_F(FitWindowTest, TakesTheLargestCardThatFits) {
    Game(kFreecell);
    for (const auto& [w, h] : {std::pair{1280, 800}, {800, 600}, {640, 480}, {1024, 1400}}) {
        const LayoutInputs in = Window(w, h);
        LayOut(w, h);
        const CardSize card = e().geometry.card;
        EXPECT_EQ(card, CardSizeForWidth(card.width)) << w << "x" << h;
        EXPECT_TRUE(PilesFitTable(e(), in)) << w << "x" << h;
        ASSERT_LT(card.width, kFitLargestWidth) << w << "x" << h;
        EXPECT_FALSE(FitsAt(card.width + 1, in)) << w << "x" << h << " width " << card.width;
    }
}

TEST_F(FitWindowTest, KeepsTheBigCardsProportionsAtEveryWidth) {
    EXPECT_EQ(CardSizeForWidth(71), (CardSize{71, 96}));
    EXPECT_EQ(CardSizeForWidth(142), (CardSize{142, 192}));
    EXPECT_EQ(CardSizeForWidth(110), (CardSize{110, 149}));  // 148.7
    EXPECT_EQ(CardSizeForWidth(kFitLargestWidth), (CardSize{156, 211}));
}

// At twice the big card on a window twice as large the table is the big
// table doubled: every gap, row and margin scales with the card.
TEST_F(FitWindowTest, ScalesTheBigCardLayoutAsAWhole) {
    Game(kFreecell);
    e().params.ParamWrite(param::kCardSize, 1, "B");
    // A toolbar 10 pixels high, and twice that for the doubled table.
    LayOutTable(e(), MainWindowInputs(1280, 800, 0, 10, 1280, 800));
    const std::vector<Anchor> big = Tableaus(8);
    const std::vector<Anchor> big_cells = Reserves(4);
    const int big_room = e().geometry.vertical_fan_room;
    LayOutAtCardWidth(e(), MainWindowInputs(2560, 1600, 0, 20, 2560, 1600), 142);
    const std::vector<Anchor> doubled = Tableaus(8);
    const int shift = doubled[0].x - 2 * big[0].x;  // what centring adds
    EXPECT_LE(std::abs(shift), 2);
    for (size_t i = 0; i < big.size(); ++i) EXPECT_EQ(doubled[i], (Anchor{2 * big[i].x + shift, 2 * big[i].y}));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Reserve(i), (Anchor{2 * big_cells[static_cast<size_t>(i)].x + shift,
                                      2 * big_cells[static_cast<size_t>(i)].y}));
    EXPECT_EQ(e().main_game.Field(field::kFanUpY), 36);
    EXPECT_EQ(e().geometry.vertical_fan_room, 2 * big_room);
}

TEST_F(FitWindowTest, CapsTheCardsOnLargeWindows) {
    // Two piles on a very large window.
    Game({{304, 2}, {295, 1}, {296, 1}, {3, 1}, {311, 1}, {312, 1}, {339, 1}, {340, 1}});
    LayOut(3000, 2000);
    EXPECT_EQ(e().geometry.card.width, kFitLargestWidth);
    EXPECT_TRUE(PilesFitTable(e(), Window(3000, 2000)));
}

TEST_F(FitWindowTest, FallsBackToTheSmallestCardWhenNothingFits) {
    Game(kFreecell);
    LayOut(120, 90);
    EXPECT_EQ(e().geometry.card.width, kFitSmallestWidth);
}

// Fitting steps scale the big card's; a face-down card keeps a back that
// can be counted even on small cards.
TEST_F(FitWindowTest, FanStepsFollowTheCardAndKeepBacksCountable) {
    Game({{3, 1}, {5, 1}, {304, 1}});
    const auto steps = [this](int width) {
        e().geometry.card = CardSizeForWidth(width);
        SetFanOffsets(e(), kFitWindowLetter);
        const TMainGame& g = e().main_game;
        return std::vector<int>{g.Field(field::kFanUpY), g.Field(field::kFanDownY)};
    };
    EXPECT_EQ(steps(71), (std::vector<int>{18, 6}));
    EXPECT_EQ(steps(142), (std::vector<int>{36, 12}));
    EXPECT_EQ(steps(30), (std::vector<int>{8, 4}));
    // The fixed sizes keep their own steps.
    SetFanOffsets(e(), 'B');
    EXPECT_EQ(e().main_game.Field(field::kFanDownY), 4);
}

// The fixed sizes stay what players of them know, to the pixel.
TEST_F(FitWindowTest, TheFixedSizesKeepTheirCards) {
    for (const auto& [letter, size] :
         {std::pair{'B', CardSize{71, 96}}, {'M', CardSize{59, 80}}, {'L', CardSize{25, 32}}}) {
        CardSize card{1, 1};
        EXPECT_TRUE(CardSizeForLetter(letter, card));
        EXPECT_EQ(card, size) << letter;
    }
    CardSize card{1, 1};
    EXPECT_FALSE(CardSizeForLetter(kFitWindowLetter, card));  // the layout finds it
}

// The game selection's picture is laid out as a preview (a thinner stock,
// the deal only) and Forty Thieves' ten fans and eight foundations fit it.
TEST_F(FitWindowTest, PreviewsStayPreviewsAndFitTheirPicture) {
    Game({{303, 8}, {304, 10}, {291, 3}, {292, 1}, {302, 2}, {293, 7}, {294, 1}, {295, 3}, {296, 2}, {9, 1},
          {3, 1}, {311, 4}, {312, 4}, {313, 4}, {314, 4}, {315, 4}, {316, 4}, {317, 4}, {318, 4}, {319, 4},
          {320, 4}});
    LayOutTable(e(), PreviewInputs());
    EXPECT_TRUE(e().geometry.inputs.preview);
    EXPECT_TRUE(PilesFitTable(e(), PreviewInputs()));
    EXPECT_EQ(static_cast<int>(PileFootprints(e()).size()), 2 + 8 + 10);
    EXPECT_GE(e().geometry.card.width, 16);
}

// Piles placed by hand, then judged.
class FitRulesTest : public FitWindowTest {
protected:
    FitRulesTest() {
        e().geometry.card = CardSizeForWidth(71);
        e().geometry.inputs = Window(800, 600);
        MarkPilesUnplaced(e().main_game, e().tableau_anchors);
    }
    void PlaceTableau(int i, int x, int y) {
        SetTableauX(e().tableau_anchors, i, x);
        SetTableauY(e().tableau_anchors, i, y);
    }
    bool Fits() { return PilesFitTable(e(), Window(800, 600)); }
};

TEST_F(FitRulesTest, PilesStayOnTheTableBelowItsTop) {
    Game({{304, 1}, {3, 3}, {311, 1}});
    PlaceTableau(0, 0, 5);
    EXPECT_TRUE(Fits());
    PlaceTableau(0, 729, 504);  // the window's last column and row
    EXPECT_TRUE(Fits());
    PlaceTableau(0, 730, 5);
    EXPECT_FALSE(Fits());
    PlaceTableau(0, 10, 505);
    EXPECT_FALSE(Fits());
    PlaceTableau(0, 10, 4);  // above the table's top
    EXPECT_FALSE(Fits());
    PlaceTableau(0, -1, 10);
    EXPECT_FALSE(Fits());
}

// A deck pile's top card lies above and left of its anchor by the
// thickness the game's cards give it (52 cards: 8 pixels).
TEST_F(FitRulesTest, AStocksThicknessStaysOnTheTable) {
    Game({{304, 0}, {307, 52}});
    e().main_game.SetStockAreaX(kStockIndex, 8);
    e().main_game.SetField(field::kStockAreaY + kStockIndex, 13);
    EXPECT_TRUE(Fits());
    e().main_game.SetStockAreaX(kStockIndex, 7);
    EXPECT_FALSE(Fits());
    e().main_game.SetStockAreaX(kStockIndex, 8);
    e().main_game.SetField(field::kStockAreaY + kStockIndex, 12);
    EXPECT_FALSE(Fits());
}

TEST_F(FitRulesTest, PilesMayNotLieOnEachOtherSaveThePyramidsRows) {
    Game({{304, 2}, {3, 3}, {311, 1}, {312, 1}});
    PlaceTableau(0, 10, 10);
    PlaceTableau(1, 81, 10);  // touching, not covering
    EXPECT_TRUE(Fits());
    PlaceTableau(1, 80, 105);
    EXPECT_FALSE(Fits());
    e().main_game.SetFoundationX(0, 200);
    e().main_game.SetFoundationY(0, 10);
    PlaceTableau(1, 300, 10);
    EXPECT_TRUE(Fits());
    e().main_game.SetFoundationX(0, 250);
    EXPECT_FALSE(Fits());
    e().main_game.SetFoundationX(0, 500);
    e().rules.Set(295, 54);  // the staircase lays its rows on each other
    PlaceTableau(1, 40, 50);
    EXPECT_TRUE(Fits());
}

// A downward fan needs room for its deal and six more face-up cards; a
// sideways fan for its deal, and it must not reach the next pile.
TEST_F(FitRulesTest, FansNeedRoomForTheDealAndMore) {
    Game({{304, 1}, {3, 1}, {311, 7}, {339, 1}});
    SetFanOffsets(e(), 'B');  // 4 after a face-down card, 18 after a face-up one
    // 6 x 4 + 6 x 18 + 96 = 228 below the anchor.
    PlaceTableau(0, 10, 600 - 228);
    EXPECT_TRUE(Fits());
    PlaceTableau(0, 10, 600 - 227);
    EXPECT_FALSE(Fits());
    e().rules.Set(3, 2);
    e().rules.Set(304, 2);
    e().rules.Set(312, 3);
    e().rules.Set(340, 3);
    SetFanOffsets(e(), 'B');  // sideways: 4 and 12
    PlaceTableau(0, 10, 10);
    PlaceTableau(1, 10 + 71 + 6 * 4, 10);  // the deal of seven ends here
    EXPECT_TRUE(Fits());
    PlaceTableau(1, 10 + 71 + 6 * 4 - 1, 10);
    EXPECT_FALSE(Fits());
}

}  // namespace
}  // namespace velmora::layout_test
