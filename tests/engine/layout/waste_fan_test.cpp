// The waste of a game that turns three cards a press fans its top three.
#include <gtest/gtest.h>

#include "engine/layout/pile_fan.h"
#include "layout_table.h"

namespace velmora::layout_test {
namespace {

constexpr int kStep = 15;  // big cards: two ninths of 71

class WasteFan : public ::testing::Test {
protected:
    WasteFan() {
        t.Rule(9, 1).Rule(21, 3).Rule(7, 0);
        t.At("Mazzo", 100, 20).At("Mazzo_Vis", 200, 20);
    }
    LayoutTable t;
};

TEST_F(WasteFan, TheTopThreeCardsFanRightAndTheTopCardIsHitWhereItIsDrawn) {
    t.Put("Mazzo_Vis", {1, 2, 3, 4, 5});
    EXPECT_EQ(CardX(t.e(), "Mazzo_Vis", 1, 0, false), 200 + 2 * kStep);
    EXPECT_EQ(CardX(t.e(), "Mazzo_Vis", 1, 1, false), 200 + kStep);
    EXPECT_EQ(CardX(t.e(), "Mazzo_Vis", 1, 2, false), 200);
    EXPECT_EQ(CardX(t.e(), "Mazzo_Vis", 1, 4, false), 200) << "cards under the fan lie squared at the anchor";
    EXPECT_EQ(CardY(t.e(), "Mazzo_Vis", 0, false), 20);

    const CardHit top = CardAt(t.e(), 200 + 2 * kStep + 1, 30);
    EXPECT_EQ(top.pile, "Mazzo_Vis");
    EXPECT_EQ(top.code, 5);
    EXPECT_EQ(top.rect, Big(200 + 2 * kStep, 20));
    EXPECT_EQ(CardRect(t.e(), 5), top.rect);
    EXPECT_EQ(CardRect(t.e(), 4), Big(200 + kStep, 20));
    EXPECT_TRUE(CardAt(t.e(), 201, 30).pile.empty()) << "the covered cards are only for the eye";
}

TEST_F(WasteFan, ShortWastesAndCardsLaidOnTheWaste) {
    EXPECT_EQ(CardX(t.e(), "Mazzo_Vis", 1, 0, true), 200) << "the first card goes to the anchor";
    EXPECT_EQ(CardAt(t.e(), 201, 30).pile, "Mazzo_Vis") << "an empty waste answers at its anchor";
    t.Put("Mazzo_Vis", {7});
    EXPECT_EQ(CardX(t.e(), "Mazzo_Vis", 1, 0, false), 200);
    EXPECT_EQ(CardX(t.e(), "Mazzo_Vis", 1, 0, true), 200 + kStep);
    t.Put("Mazzo_Vis", {7, 8});
    EXPECT_EQ(CardAt(t.e(), 200 + kStep + 1, 30).code, 8);
    EXPECT_EQ(CardX(t.e(), "Mazzo_Vis", 1, 0, true), 200 + 2 * kStep);
    t.Put("Mazzo_Vis", {7, 8, 9});
    EXPECT_EQ(CardX(t.e(), "Mazzo_Vis", 1, 0, true), 200 + 2 * kStep) << "a fourth card takes the top slot";
}

TEST_F(WasteFan, OtherPilesAndGamesStaySquared) {
    t.Put("Mazzo", {1, 2, 3, 4}).Put("Mazzo_Vis", {5, 6, 7, 8});
    EXPECT_EQ(CardX(t.e(), "Mazzo", 0, 0, false), 100) << "the stock never fans";
    t.Rule(21, 1);
    EXPECT_EQ(CardX(t.e(), "Mazzo_Vis", 1, 0, false), 200) << "one card a press";
    t.Rule(21, 3).Rule(7, 1);
    EXPECT_EQ(CardX(t.e(), "Mazzo_Vis", 1, 0, false), 200) << "a waste shown by its back";
    EXPECT_EQ(CardAt(t.e(), 201, 30).code, 8);
}

TEST_F(WasteFan, SmallCardsKeepAStepWideEnoughForTheIndex) {
    t.Fans(1, 3, 3, 'L');
    t.Put("Mazzo_Vis", {1, 2, 3});
    EXPECT_EQ(CardX(t.e(), "Mazzo_Vis", 1, 0, false), 200 + 2 * 9);
    t.Fans(1, 3, 3, 'M');
    EXPECT_EQ(CardX(t.e(), "Mazzo_Vis", 1, 0, false), 200 + 2 * 13);
}

}  // namespace
}  // namespace velmora::layout_test
