#include <gtest/gtest.h>

#include "engine/play/selection.h"
#include "selection_fixture.h"

namespace velmora::play_test {
namespace {

TEST(CloseBandGaps, PacksTheBandInOrderKeepingFacesAndLeavesOtherBands) {
    SelectionTable t;
    t.Rule(304, 21);
    t.Put("Fila2", {H(3), C(4)}).Put("Fila4", {D(9)}).Put("Fila7", {S(2)}).Put("Fila9", {H(K)});
    t.FaceDown(H(3));
    CloseBandGaps(t.e(), 3);
    EXPECT_EQ(t.Pile("Fila1") + "|" + t.Pile("Fila2") + "|" + t.Pile("Fila3") + "|" + t.Pile("Fila7"),
              t.Codes({H(3), C(4)}) + "|" + t.Codes({D(9)}) + "|" + t.Codes({S(2)}) + "|");
    EXPECT_EQ(t.e().cards.FaceChar(H(3)), kFaceDown);
    EXPECT_EQ(t.Pile("Fila9"), t.Codes({H(K)}));
    EXPECT_FALSE(BandHasOnePile(t.e(), 0));
    EXPECT_TRUE(BandHasOnePile(t.e(), 7));
}

}  // namespace
}  // namespace velmora::play_test
