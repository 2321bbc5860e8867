// What a press does on the waste, the reserves and the foundations, by the
// rules entries that decide it; right clicks; the pick-up that starts a
// drag; double clicks on the stock.

#include <gtest/gtest.h>

#include "engine/play/pointer.h"
#include "selection_fixture.h"

namespace velmora::play_test {
namespace {

// Free-cell rules with a game in progress; peeking on, double clicks to the
// foundations, right clicks to the foundations.
class PressTable : public SelectionTable {
public:
    PressTable() {
        for (int f = 0; f < 4; ++f) Rule(48 + f, 1).Rule(64 + f, 1).Rule(80 + f, 0);
        for (int i = 0; i < 8; ++i) Rule(128 + i, -1).Rule(184 + i, 3);
        Rule(31, 13).Rule(12, -1).Rule(14, -1).Rule(2, 1);
        for (int position : {247, 249, 255}) e().params.ParamWrite(position, 1, "Y");
        Put("Fila1", {C(5), H(A)}).Put("Fila2", {S(8)}).Put("Mazzo_Vis", {H(5), H(6)});
        Put("Appogg1", {C(4), C(9)}).Put("Dest2", {S(A), S(2)});
    }
    PressResult Press(std::string_view pile, int card, Button button = Button::Left, bool ctrl = false) {
        return PointerPress(e(), pile, card, button, ctrl);
    }
};

TEST(PointerPiles, PressesByPileAndRules) {
    struct Row {
        const char* what;
        std::vector<std::pair<int, int>> rules;
        const char* pile;
        int card;
        Button button;
        bool ctrl;
        PressResult::Kind kind;
    };
    using K = PressResult::Kind;
    const Row rows[] = {
        {"waste top: picked up", {}, "Mazzo_Vis", H(6), Button::Left, false, K::PickUp},
        {"waste, not the top", {}, "Mazzo_Vis", H(5), Button::Left, false, K::Nothing},
        {"waste card that may not leave", {{7, 1}}, "Mazzo_Vis", H(6), Button::Left, false, K::Nothing},
        {"waste, right button with ctrl: carried", {}, "Mazzo_Vis", H(6), Button::Right, true, K::PickUp},
        {"waste, right button with ctrl, but it may not leave", {{7, 1}}, "Mazzo_Vis", H(6), Button::Right, true,
         K::Nothing},
        {"reserve top: picked up", {}, "Appogg1", C(9), Button::Left, false, K::PickUp},
        {"reserve, not the top", {}, "Appogg1", C(4), Button::Left, false, K::Nothing},
        {"reserve, any card by R[13]", {{13, -11}}, "Appogg1", C(4), Button::Left, false, K::PickUp},
        {"reserve, right button, fan 1: peek", {{5, 1}}, "Appogg1", C(4), Button::Right, true, K::Peek},
        {"reserve, right button, fan 2: peek", {{5, 2}}, "Appogg1", C(4), Button::Right, true, K::Peek},
        {"reserve, right button, fan 3: nothing", {{5, 3}}, "Appogg1", C(4), Button::Right, true, K::Nothing},
        {"reserve, right button, fan 0: nothing", {{5, 0}}, "Appogg1", C(4), Button::Right, true, K::Nothing},
        {"foundation top, taken back by R[17]", {{17, 1}}, "Dest2", S(2), Button::Left, false, K::PickUp},
        {"foundation top, not without it", {{17, 0}}, "Dest2", S(2), Button::Left, false, K::Nothing},
        {"tableau, right button with ctrl: peek", {}, "Fila1", C(5), Button::Right, true, K::Peek},
        {"tableau, right button, no moves in code 32: peek", {{47, 32}}, "Fila1", H(A), Button::Right, false,
         K::Peek},
        {"tableau, right button, no moves in code 46: peek", {{47, 46}}, "Fila1", H(A), Button::Right, false,
         K::Peek},
        {"tableau, right button, no moves in code 33: peek", {{47, 33}}, "Fila1", H(A), Button::Right, false,
         K::Peek},
        {"tableau, right button: sent to the foundation", {}, "Fila1", H(A), Button::Right, false, K::Handled},
        {"right button on no card", {}, "Fila3", 0, Button::Right, false, K::Nothing},
        {"tableau, middle button: peek", {}, "Fila1", C(5), Button::Middle, false, K::Peek},
        {"no pile", {}, "", 0, Button::Left, false, K::Nothing},
    };
    for (const Row& row : rows) {
        PressTable t;
        for (auto [entry, value] : row.rules) t.Rule(entry, value);
        const PressResult r = t.Press(row.pile, row.card, row.button, row.ctrl);
        EXPECT_EQ(r.kind, row.kind) << row.what;
        if (r.kind == K::PickUp || r.kind == K::Peek) {
            EXPECT_EQ(r.card, row.card) << row.what;
            EXPECT_EQ(r.pile, row.pile) << row.what;
        }
        EXPECT_EQ(t.e().main_game.Field(field::kDraggedCard), r.kind == K::PickUp ? row.card : 0) << row.what;
    }
}

TEST(PointerPiles, PeekNeedsAFaceUpCardAndTheSetting) {
    PressTable t;
    t.FaceDown(C(5));
    EXPECT_EQ(t.Press("Fila1", C(5), Button::Right, true).kind, PressResult::Nothing) << "face down";
    t.e().params.ParamWrite(255, 1, "N");
    EXPECT_EQ(t.Press("Fila2", S(8), Button::Right, true).kind, PressResult::Nothing) << "peeking off";
}

TEST(PointerPiles, ARightClickSendsTheCardAway) {
    PressTable t;
    EXPECT_EQ(t.Press("Fila1", H(A), Button::Right).kind, PressResult::Handled);
    EXPECT_EQ(t.Pile("Dest1"), t.Codes({H(A)}));
    EXPECT_FALSE(t.e().flags.Get(flag::kIgnoreNextPress)) << "only a double click ignores the next press";
}

// The empty waste of a redeal game is a second place to ask for the redeal.
TEST(PointerPiles, TheEmptyWasteArmsTheRedeal) {
    PressTable t;
    t.Put("Mazzo_Vis", {}).Rule(15, 1);
    EXPECT_EQ(t.Press("Mazzo_Vis", 0).kind, PressResult::Nothing);
    EXPECT_TRUE(t.e().play.redeal_armed);
    PointerLeftRedealMark(t.e());
    EXPECT_FALSE(t.e().play.redeal_armed) << "leaving the mark gives the redeal up";

    PressTable no_redeal;
    no_redeal.Put("Mazzo_Vis", {});
    no_redeal.Press("Mazzo_Vis", 0);
    EXPECT_FALSE(no_redeal.e().play.redeal_armed);

    PressTable stock_left;
    stock_left.Put("Mazzo_Vis", {}).Put("Mazzo", {D(2)}).Rule(15, 1);
    stock_left.Press("Mazzo_Vis", 0);
    EXPECT_FALSE(stock_left.e().play.redeal_armed) << "not while the stock holds cards";
}

// In the pyramid game the waste card is selected, not dragged.
TEST(PointerPiles, PyramidWasteCardJoinsTheSelection) {
    PressTable t;
    t.Rule(47, 4).Rule(3, 4);
    EXPECT_EQ(t.Press("Mazzo_Vis", H(6)).kind, PressResult::Handled);
    EXPECT_EQ(t.Pile("Dest1"), t.Codes({H(6)}));
}

TEST(PointerPiles, PickUpToDragFollowsThePressRules) {
    PressTable t;
    EXPECT_EQ(PickUpToDrag(t.e(), "Fila2", S(8)).kind, PressResult::PickUp);
    EXPECT_EQ(t.e().main_game.Field(field::kDraggedCard), S(8));
    EXPECT_EQ(PickUpToDrag(t.e(), "Fila1", H(A)).kind, PressResult::Nothing) << "a run is already carried";
    t.e().main_game.SetField(field::kDraggedCard, 0);
    EXPECT_EQ(PickUpToDrag(t.e(), "Fila1", C(5)).kind, PressResult::Nothing) << "not a run";
    EXPECT_EQ(PickUpToDrag(t.e(), "Nowhere", C(5)).kind, PressResult::Nothing);
    t.e().flags.Set(flag::kBusy, true);
    EXPECT_EQ(PickUpToDrag(t.e(), "Fila2", S(8)).kind, PressResult::Beep);
    EXPECT_EQ(t.view.beeps, 1);
    t.e().flags.Set(flag::kBusy, false);
    t.e().flags.Set(flag::kInProgress, false);
    EXPECT_EQ(PickUpToDrag(t.e(), "Fila2", S(8)).kind, PressResult::Nothing);
}

TEST(PointerPiles, DoubleClicks) {
    PressTable t;
    t.e().flags.Set(flag::kIgnoreNextPress, true);
    EXPECT_FALSE(PointerDoubleClick(t.e(), "Mazzo", 0));
    EXPECT_FALSE(t.e().flags.Get(flag::kIgnoreNextPress)) << "a double click on the stock only clears the flag";
    t.e().flags.Set(flag::kBusy, true);
    EXPECT_FALSE(PointerDoubleClick(t.e(), "Fila1", H(A))) << "busy";
    t.e().flags.Set(flag::kBusy, false);
    EXPECT_FALSE(PointerDoubleClick(t.e(), "Fila1", 0)) << "no card";
    EXPECT_FALSE(PointerDoubleClick(t.e(), "Nowhere", H(A)));
    t.e().params.ParamWrite(249, 1, "N");
    EXPECT_FALSE(PointerDoubleClick(t.e(), "Fila1", H(A))) << "double clicks switched off";
    t.e().params.ParamWrite(251, 1, "Y");
    EXPECT_TRUE(PointerDoubleClick(t.e(), "Fila2", S(8))) << "to the tableaus only";
    EXPECT_EQ(t.Pile("Fila3"), t.Codes({S(8)}));
    EXPECT_TRUE(t.e().flags.Get(flag::kIgnoreNextPress));
    t.e().flags.Set(flag::kInProgress, false);
    EXPECT_FALSE(PointerDoubleClick(t.e(), "Fila1", H(A))) << "no game in progress";
}

}  // namespace
}  // namespace velmora::play_test
