#include "engine/play/pointer.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/model/piles.h"
#include "selection_fixture.h"

namespace velmora::play_test {
namespace {

// Free-cell rules: foundations up in suit from the Ace, tableaus down in
// alternating colours, one-card reserves; double clicks to the foundations.
class PointerTable : public SelectionTable {
public:
    PointerTable() {
        for (int f = 0; f < 4; ++f) Rule(48 + f, 1).Rule(64 + f, 1).Rule(80 + f, 0);
        for (int i = 0; i < 8; ++i) Rule(128 + i, -1).Rule(184 + i, 3);
        Rule(31, 13).Rule(12, -1);
        e().params.ParamWrite(249, 1, "Y");
        e().params.ParamWrite(255, 1, "Y");
        Put("Fila1", {C(5), H(A)}).Put("Fila2", {S(8)}).Put("Fila3", {D(7), C(6)});
    }
    PressResult::Kind Press(const char* pile, int card) { return PointerPress(e(), pile, card, Button::Left, false).kind; }
};

TEST(PointerPress, GameStateFlagsComeFirst) {
    PointerTable t;
    t.e().flags.Set(flag::kBusy, true);
    EXPECT_EQ(t.Press("Fila2", S(8)), PressResult::Beep);
    EXPECT_EQ(t.view.beeps, 1);
    t.e().flags.Set(flag::kBusy, false);
    EXPECT_TRUE(PointerDoubleClick(t.e(), "Fila1", H(A)));
    EXPECT_EQ(t.Press("Fila2", S(8)), PressResult::Nothing) << "the double click's second press";
    EXPECT_EQ(t.Press("Fila2", S(8)), PressResult::PickUp);
    EXPECT_EQ(t.Press("Fila3", C(6)), PressResult::Nothing) << "a run is being carried";
    t.e().flags.Set(flag::kInProgress, false);
    PointerRelease(t.e(), {PressResult::PickUp, S(8), "Fila2"}, {}, false);
    EXPECT_EQ(t.Press("Fila3", C(6)), PressResult::Nothing) << "no game in progress";
}

TEST(PointerPress, RunsArePickedUpAndDroppedOrReturnedWithABeep) {
    PointerTable t;
    const PressResult run = PointerPress(t.e(), "Fila3", D(7), Button::Left, false);
    ASSERT_EQ(run.kind, PressResult::PickUp);
    EXPECT_FALSE(PointerRelease(t.e(), run, {{kKindTableau, 0, 90}}, true));
    EXPECT_EQ(t.view.beeps, 1);
    const PressResult again = PointerPress(t.e(), "Fila3", D(7), Button::Left, false);
    EXPECT_TRUE(PointerRelease(t.e(), again, {{kKindTableau, 0, 90}, {kKindTableau, 1, 80}}, true));
    EXPECT_EQ(t.Pile("Fila2"), t.Codes({S(8), D(7), C(6)}));
    t.FaceDown(H(A));
    EXPECT_EQ(t.Press("Fila1", H(A)), PressResult::Handled);
    EXPECT_EQ(t.e().cards.FaceChar(H(A)), kFaceUp) << "a face-down top card is turned, not picked";
    t.Rule(24, 1).Rule(25, 2);
    EXPECT_EQ(t.Press("Fila1", H(A)), PressResult::Peek) << "a locked tableau shows its card";
}

TEST(PointerPress, ClickToMoveGamesMoveByPressAndStillTurnTheirStock) {
    PointerTable t;
    t.Rule(36, 1).Rule(9, 1).Rule(21, 1);
    t.Put("Mazzo", {D(2)});
    EXPECT_EQ(t.Press("Fila1", H(A)), PressResult::Handled);
    EXPECT_EQ(t.Pile("Dest1"), t.Codes({H(A)}));
    EXPECT_EQ(t.Press("Mazzo", D(2)), PressResult::Handled);
    EXPECT_EQ(t.Pile("Mazzo_Vis"), t.Codes({D(2)}));
}

TEST(PointerPress, SecondWasteGamesPlayNeighbouringRanksAtOnce) {
    struct Case {
        int code, top, card;  // R[47], the second waste's top card, the card pressed
        bool plays;
    };
    for (const Case& c : {Case{2, H(K), S(Q), true}, Case{2, H(K), S(A), false}, Case{2, H(A), S(K), false},
                          Case{15, H(K), S(A), true}, Case{15, H(A), S(K), true}, Case{12, H(6), S(8), false}}) {
        PointerTable t;
        t.Rule(47, c.code);
        t.Put("Mazzo_Waste", {c.top}).Put("Fila4", {c.card});
        EXPECT_EQ(t.Press("Fila4", c.card), c.plays ? PressResult::Handled : PressResult::Beep) << c.code;
        EXPECT_EQ(t.Pile("Fila4").empty(), c.plays) << c.code << " " << c.card;
    }
}

// A run that stays in the hand goes back before automatic play moves
// anything, so the window never draws an automatic move over it.
TEST(PointerRelease, ARunThatStaysIsPutBackBeforeAutomaticPlay) {
    for (const bool moved : {false, true}) {
        PointerTable t;
        t.e().play.autoplay_enabled = true;
        int put_back = 0;
        std::string foundation_then = "unset";
        const PressResult run = PointerPress(t.e(), "Fila2", S(8), Button::Left, false);
        ASSERT_EQ(run.kind, PressResult::PickUp);
        PointerRelease(t.e(), run, {{kKindTableau, 0, 90}}, moved, [&] {
            ++put_back;
            foundation_then = t.Pile("Dest1");
            EXPECT_EQ(t.e().main_game.Field(field::kDraggedCard), 0);
        });
        EXPECT_EQ(put_back, 1) << moved;
        EXPECT_EQ(foundation_then, "") << moved;
        EXPECT_EQ(t.Pile("Dest1"), t.Codes({H(A)})) << "automatic play ran after it";
        EXPECT_EQ(t.view.beeps, moved ? 1 : 0);
    }
    PointerTable t;
    int put_back = 0;
    const PressResult run = PointerPress(t.e(), "Fila3", D(7), Button::Left, false);
    EXPECT_TRUE(PointerRelease(t.e(), run, {{kKindTableau, 1, 90}}, true, [&] { ++put_back; }));
    EXPECT_EQ(put_back, 0) << "a dropped run is the move's to draw";
}

}  // namespace
}  // namespace velmora::play_test
