#include <gtest/gtest.h>

#include "engine/play/selection.h"
#include "selection_fixture.h"

namespace velmora::play_test {
namespace {

// A three-row pyramid adding to 13; removed cards leave empty slots.
class Pyramid : public ::testing::Test {
protected:
    Pyramid() {
        t.Rule(47, 4).Rule(3, 4).Rule(304, 3).Rule(303, 1);
        t.Put("Fila1", {H(3)}).Put("Fila2", {D(4), C(9)}).Put("Fila3", {S(K), H(8), D(5)});
    }
    SelectionTable t;
};

TEST_F(Pyramid, ACardIsFreeOnceTheTwoCardsOnItAreGone) {
    EXPECT_TRUE(IsPyramidCardFree(t.e(), 2, 0));
    EXPECT_FALSE(IsPyramidCardFree(t.e(), 1, 0));
    t.Put("Fila3", {0, 0, D(5)});
    EXPECT_TRUE(IsPyramidCardFree(t.e(), 1, 0));
    EXPECT_FALSE(IsPyramidCardFree(t.e(), 1, 1));
    t.Put("Fila2", {0, 0}).Put("Fila3", {0, 0, 0});
    EXPECT_TRUE(IsPyramidCardFree(t.e(), 0, 0));
}

TEST_F(Pyramid, AKingGoesAloneAndTheStockCardOnlyJoinsASelection) {
    EXPECT_TRUE(SelectForSum(t.e(), S(K), "Fila3"));
    EXPECT_EQ(t.Pile("Fila3"), t.Codes({0, H(8), D(5)})) << "an empty slot stays";
    EXPECT_FALSE(SelectForSum(t.e(), D(4), "Fila2")) << "covered";
    t.Put("Mazzo", {C(7)}).Put("Mazzo_Vis", {S(6)});
    EXPECT_FALSE(SelectForSum(t.e(), C(7), "Mazzo"));
    EXPECT_EQ(t.view.beeps, 2);
    SelectForSum(t.e(), S(6), "Mazzo_Vis");
    EXPECT_TRUE(SelectForSum(t.e(), C(7), "Mazzo"));
    EXPECT_EQ(t.Pile("Mazzo") + t.Pile("Mazzo_Vis"), "") << "no empty slots off the pyramid";
    EXPECT_EQ(t.Pile("Mazzo_Waste"), t.Codes({S(K), S(6), C(7)}));
}

}  // namespace
}  // namespace velmora::play_test
