#include "engine/play/selection.h"

#include <gtest/gtest.h>

#include "engine/play/move_log.h"
#include "engine/play/pointer.h"
#include "selection_fixture.h"

namespace velmora::play_test {
namespace {

// Elevens (code 26): two number cards adding to 11, or Jack, Queen, King.
class Elevens : public ::testing::Test {
protected:
    Elevens() {
        t.Rule(38, 11).Rule(47, 26).Rule(304, 4).Rule(303, 1);
        t.Put("Fila1", {C(2), H(5)}).Put("Fila2", {D(6)}).Put("Fila3", {C(J)}).Put("Fila4", {S(9)});
    }
    bool Press(const char* pile, int card) { return PressInPairingGame(t.e(), card, pile); }
    SelectionTable t;
};

TEST_F(Elevens, ClickingASelectedCardDeselectsItAndARefusedCardBeeps) {
    EXPECT_TRUE(Press("Fila1", H(5)));
    EXPECT_TRUE(t.view.highlighted[H(5)]);
    EXPECT_TRUE(Press("Fila1", H(5)));
    EXPECT_EQ(t.Pile("Dest1"), "");
    EXPECT_FALSE(t.view.highlighted[H(5)]);
    EXPECT_EQ(t.view.beeps, 0);
    Press("Fila1", H(5));
    EXPECT_FALSE(Press("Fila3", C(J))) << "a Jack cannot join a number card";
    EXPECT_EQ(t.view.beeps, 1);
    EXPECT_EQ(t.Pile("Dest1"), t.Codes({H(5)}));
    t.FaceDown(S(9));
    EXPECT_TRUE(Press("Fila4", S(9))) << "a face-down top card is turned instead";
    EXPECT_EQ(t.e().cards.FaceChar(S(9)), kFaceUp);
    EXPECT_EQ(t.Pile("Dest1"), t.Codes({H(5)}));
}

TEST_F(Elevens, ACompleteSelectionGoesFaceUpToTheSecondWasteAsOneStep) {
    Press("Fila1", H(5));
    Press("Fila2", D(6));
    EXPECT_EQ(t.Pile("Dest1"), "");
    EXPECT_EQ(t.Pile("Fila1"), t.Codes({C(2)}));
    EXPECT_EQ(t.Pile("Mazzo_Waste"), t.Codes({H(5), D(6)}));
    EXPECT_EQ(t.e().undo.Steps(), 1);
    std::vector<std::string> lines;
    std::string note;
    ASSERT_TRUE(NewestStep(t.e().undo, lines, note));
    EXPECT_EQ(lines[kStockAreaPiles + kFoundationPiles + 1], CardCodeText(D(6)) + "1");
}

// The press that completes a removal fills its gaps, within the same step:
// the window holds back the pointer's release while the removal runs, so
// the release is no place to count on.
TEST_F(Elevens, GapsLeftByARemovalFillFromTheStockOnThePressItself) {
    const auto press = [&](const char* pile, int card) {
        EXPECT_EQ(PointerPress(t.e(), pile, card, Button::Left, false).kind, PressResult::Handled);
    };
    t.Rule(22, 3).Put("Mazzo", {S(3), H(K), C(4)});
    press("Fila2", D(6));
    press("Fila1", H(5));
    EXPECT_EQ(t.Pile("Fila1"), t.Codes({C(2)})) << "a pile that still holds a card is no gap";
    EXPECT_EQ(t.Pile("Fila2"), t.Codes({C(4)}));
    EXPECT_EQ(t.e().cards.FaceChar(C(4)), kFaceUp);
    EXPECT_EQ(t.Pile("Mazzo"), t.Codes({S(3), H(K)}));
    EXPECT_EQ(t.e().undo.Steps(), 1);
    press("Fila1", C(2));
    press("Fila4", S(9));
    EXPECT_EQ(t.Pile("Fila1"), t.Codes({H(K)}));
    EXPECT_EQ(t.Pile("Fila4"), t.Codes({S(3)}));
    EXPECT_EQ(t.Pile("Mazzo"), "");
    EXPECT_EQ(t.e().undo.Steps(), 2);
}

// The grid layout keeps its cells in the first tableau's string: a removed
// card goes with the empty slot below it, never with a card, and a card
// from another pile leaves that pile.
TEST(RemoveSelection, GridCardsLeaveWithTheirSlotAndNoCardIsLostOrDoubled) {
    SelectionTable t;
    t.Rule(38, 10).Rule(3, 8).Rule(304, 2);
    t.Put("Fila1", {H(9), H(4), 0, H(6)}).Put("Fila2", {S(4)});
    PressInPairingGame(t.e(), H(4), "Fila1");
    PressInPairingGame(t.e(), H(6), "Fila1");
    EXPECT_EQ(t.Pile("Fila1"), t.Codes({H(9)}));
    t.Put("Fila1", {H(9), 0, H(6)});
    PressInPairingGame(t.e(), S(4), "Fila2");
    PressInPairingGame(t.e(), H(6), "Fila1");
    EXPECT_EQ(t.Pile("Fila1") + "|" + t.Pile("Fila2"), t.Codes({H(9)}) + "|");
    EXPECT_EQ(t.Pile("Mazzo_Waste"), t.Codes({H(4), H(6), S(4), H(6)}));
}

}  // namespace
}  // namespace velmora::play_test
