// Foundation 1 of a selection game names the selected cards; a rules row
// that makes such a game send cards to foundation 1 as well must not make
// the log, the selection steps or the moves lose or double those cards.
#include <gtest/gtest.h>

#include "engine/play/execute_action.h"
#include "engine/play/move_log.h"
#include "engine/play/selection.h"
#include "engine/play/selection_pile.h"
#include "engine/play/undo_redo.h"
#include "execute_action_fixture.h"
#include "selection_fixture.h"

namespace velmora::play_test {
namespace {

// Foundation 1 holding the Ace and a mark for a tableau card: the log, the
// selection and clearing it each see the two apart.
TEST(SelectionPileCards, MarksAndCardsOnFoundationOneAreToldApart) {
    SelectionTable t;
    t.Rule(38, 13).Put("Fila1", {C(5), H(7)}).Put("Dest1", {H(A), H(7)});
    Engine& e = t.e();
    EXPECT_EQ(SelectionPileCards(e), SelectionTable::Codes({H(A)}));
    EXPECT_EQ(SelectedCards(e), std::vector<int>{H(7)});
    EXPECT_TRUE(IsSelected(e, H(7)));
    EXPECT_FALSE(IsSelected(e, H(A))) << "a card lying there is not selected";
    EXPECT_EQ(LogSnapshot(e)[kStockAreaPiles], "0011");

    ClearSelection(e);
    EXPECT_EQ(t.Pile("Dest1"), SelectionTable::Codes({H(A)}));
    EXPECT_FALSE(t.view.highlighted[H(7)]);

    // The Ace cannot be selected: the pile would name it twice. A selected
    // card that goes onto foundation 1 is selected no more, for the same
    // reason.
    auto accept = [](const std::vector<int>&) { return SelectionVerdict{true, false}; };
    EXPECT_FALSE(SelectionStep(e, H(A), accept));
    EXPECT_EQ(t.view.beeps, 1);
    ASSERT_TRUE(SelectionStep(e, H(7), accept));
    ASSERT_TRUE(ExecuteAction(e, H(7), "Dest1"));
    EXPECT_EQ(t.Pile("Dest1"), SelectionTable::Codes({H(A), H(7)}));
    EXPECT_TRUE(SelectedCards(e).empty());
    EXPECT_FALSE(t.view.highlighted[H(7)]);
    EXPECT_EQ(t.Pile("Fila1"), SelectionTable::Codes({C(5)}));
}

// A selected card that moves leaves its pile; its mark on foundation 1 is
// never taken for the card.
TEST(SelectionPileCards, AMovedSelectedCardLeavesItsPileNotItsMark) {
    for (const char* from : {"Appogg1", "Mazzo", "Mazzo_Waste"}) {
        SelectionTable t;
        t.Rule(47, 3).Put(from, {S(4)}).Put("Dest1", {S(4)});
        ASSERT_TRUE(ExecuteAction(t.e(), S(4), "Fila2")) << from;
        EXPECT_EQ(t.Pile(from), "") << from;
        EXPECT_EQ(t.Pile("Fila2"), SelectionTable::Codes({S(4)})) << from;
        EXPECT_EQ(SelectedCards(t.e()), std::vector<int>{S(4)}) << from;
    }
}

// Removing a selection moves each selected card to the second waste once,
// a card already there too; the card lying on foundation 1 stays, and undo
// brings everything back.
TEST(SelectionPileCards, RemovingASelectionMovesEachCardOnce) {
    SelectionTable t;
    t.Rule(38, 13).Put("Fila1", {C(5), H(Q)}).Put("Mazzo_Waste", {D(9), S(2)}).Put("Dest1", {H(A), H(Q), S(2)});
    Engine& e = t.e();
    const std::vector<std::string> before = LogSnapshot(e);
    ASSERT_TRUE(RemoveSelection(e));
    EXPECT_EQ(t.Pile("Dest1"), SelectionTable::Codes({H(A)}));
    EXPECT_EQ(t.Pile("Fila1"), SelectionTable::Codes({C(5)}));
    EXPECT_EQ(t.Pile("Mazzo_Waste"), SelectionTable::Codes({D(9), H(Q), S(2)}));
    ASSERT_TRUE(Undo(e));
    EXPECT_EQ(LogSnapshot(e), before);
    EXPECT_EQ(t.Pile("Dest1"), SelectionTable::Codes({H(A)})) << "the card comes back, the marks do not";

    // A card shown twice there (the card and its mark) leaves once.
    t.Put("Dest1", {H(A), H(A)});
    ASSERT_TRUE(RemoveSelection(e));
    EXPECT_EQ(t.Pile("Dest1"), "");
    EXPECT_EQ(t.Pile("Mazzo_Waste"), SelectionTable::Codes({D(9), S(2), H(A)}));
}

}  // namespace
}  // namespace velmora::play_test
