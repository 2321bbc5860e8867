#include "engine/play/drag_moves.h"

#include <gtest/gtest.h>

#include "engine/play/deal_placement.h"
#include "engine/play/drop_checks.h"
#include "engine/play/pickup_rules.h"
#include "play_table.h"

namespace velmora {

void PrintTo(const DragMove& m, std::ostream* os) { *os << m.code << " " << m.from << "->" << m.to; }

namespace play_test {
namespace {

// The rules of a free-cell game: four foundations up in suit from the Ace,
// eight tableaus down in alternating colours taking any card when empty,
// four one-card reserves, runs by free cells and empty tableaus.
void FreeCellRules(Table& t) {
    t.Rule(303, 4).Rule(304, 8).Rule(305, 4);
    for (int f = 0; f < 4; ++f) t.Rule(48 + f, 1).Rule(64 + f, 1).Rule(80 + f, 0);
    for (int i = 0; i < 8; ++i) t.Rule(128 + i, -1).Rule(156 + i, 0).Rule(184 + i, 3).Rule(212 + i, 0);
    for (int r = 0; r < 4; ++r) t.Rule(268 + r, 0);
    t.Rule(31, 13).Rule(32, -1).Rule(2, 1).Rule(12, -5).Rule(13, 0).Rule(17, 0);
}

TEST(ListDragMoves, FreeCellPositionGivesExactlyTheAllowedMoves) {
    Table t;
    FreeCellRules(t);
    t.Put("Dest1", {H(A)});
    t.Put("Fila1", {C(5), H(2)}).Put("Fila2", {D(9), S(3)}).Put("Fila3", {C(K), H(Q), S(J)});
    t.Put("Fila4", {D(4)}).Put("Fila5", {C(8)}).Put("Fila6", {S(2)}).Put("Fila7", {D(6)});
    t.Put("Appogg1", {D(10)}).Put("Appogg2", {C(2)}).Put("Appogg3", {S(A)});
    t.e().main_game.SetField(field::kRunTopCard, 77);

    // One free cell and one empty tableau: runs of 3 onto a card, 2 onto
    // the empty tableau. The whole third pile (3 cards) may be picked up but
    // fits nowhere.
    const std::vector<DragMove> expected = {
        {H(2), "Fila1", "Dest1"},   {H(2), "Fila1", "Fila2"},    {H(2), "Fila1", "Fila8"},
        {H(2), "Fila1", "Appogg4"}, {S(3), "Fila2", "Fila4"},    {S(3), "Fila2", "Fila8"},
        {S(3), "Fila2", "Appogg4"}, {H(Q), "Fila3", "Fila8"},    {S(J), "Fila3", "Fila8"},
        {S(J), "Fila3", "Appogg4"}, {D(4), "Fila4", "Fila8"},    {D(4), "Fila4", "Appogg4"},
        {C(8), "Fila5", "Fila8"},   {C(8), "Fila5", "Appogg4"},  {S(2), "Fila6", "Fila8"},
        {S(2), "Fila6", "Appogg4"}, {D(6), "Fila7", "Fila8"},    {D(6), "Fila7", "Appogg4"},
        {D(10), "Appogg1", "Fila3"}, {D(10), "Appogg1", "Fila8"}, {D(10), "Appogg1", "Appogg4"},
        {C(2), "Appogg2", "Fila8"}, {C(2), "Appogg2", "Appogg4"}, {S(A), "Appogg3", "Dest2"},
        {S(A), "Appogg3", "Dest3"}, {S(A), "Appogg3", "Dest4"},  {S(A), "Appogg3", "Fila1"},
        {S(A), "Appogg3", "Fila8"}, {S(A), "Appogg3", "Appogg4"},
    };
    EXPECT_EQ(ListDragMoves(t.e()), expected);
    EXPECT_EQ(t.e().main_game.Field(field::kRunTopCard), 77) << "listing leaves the run top alone";
}

TEST(ListDragMoves, WasteFoundationsFaceDownCardsAndFirstMoveRule) {
    Table t;
    FreeCellRules(t);
    t.Rule(304, 4).Rule(305, 0).Rule(17, 1).Rule(289, 2);
    t.Put("Mazzo", {C(9)}).Put("Mazzo_Vis", {D(7)}).Put("Dest1", {H(A), H(2)});
    t.Put("Fila1", {S(8), H(3)}).Put("Fila2", {C(6), D(8)}).Put("Fila3", {C(8)}).Put("Fila4", {S(3)});
    t.FaceDown(H(3));
    const std::vector<DragMove> expected = {
        {D(7), "Mazzo_Vis", "Fila3"}, {H(2), "Dest1", "Fila4"}, {D(8), "Fila2", "Mazzo_Vis"},
    };
    EXPECT_EQ(ListDragMoves(t.e()), expected) << "the face-down H3 is turned, not moved";

    // Before the first move only tableau cards to foundations.
    t.Rule(39, 1).Put("Fila1", {S(8), H(3)}).FaceDown(S(8));
    EXPECT_EQ(ListDragMoves(t.e()), (std::vector<DragMove>{{H(3), "Fila1", "Dest1"}}));
    t.e().main_game.SetField(field::kMoveCounter, 1);
    EXPECT_EQ(ListDragMoves(t.e()).size(), 4u);
}

TEST(ListDragMoves, WildRulesAndIndexesStayInBounds) {
    for (int wild : {30000, -30000, 1}) {
        Table t;
        for (int n = 0; n < 402; ++n) t.Rule(n, wild);
        t.Put("Fila1", {S(5), H(4)}).Put("Fila28", {D(2)}).Put("Appogg10", {C(3), C(4)}).Put("Dest16", {H(A)});
        t.Put("Mazzo_Vis", {H(9)});
        ListDragMoves(t.e());
        for (int i : {-1, 16, 28, 10, 30000, -30000}) {
            EXPECT_FALSE(CanDropOnFoundation(t.e(), i, t.Move(H(4)))) << i;
            EXPECT_FALSE(CanDropOnTableau(t.e(), i, t.Move(H(4)))) << i;
            EXPECT_FALSE(CanDropOnReserve(t.e(), i, t.Move(H(4)))) << i;
            EXPECT_FALSE(CanPickUp(t.e(), {ListId::Tableau, i}, 0)) << i;
        }
        EXPECT_FALSE(CanDropOnReserve(t.e(), 0, MoveSpec{109, 0, true}));
    }
}

TEST(ListDragMoves, PileOrderFollowsTheTable) {
    const char* order[] = {"Mazzo", "Mazzo_Vis", "Mazzo_Waste", "Dest1", "Dest2", "Dest16",
                           "Fila1", "Fila9", "Fila10", "Fila28", "Appogg1", "Appogg10", "nonsense"};
    for (size_t k = 1; k < std::size(order); ++k)
        EXPECT_LT(PileSortKey(order[k - 1]), PileSortKey(order[k])) << order[k];
}

TEST(PlaceOnFirstFoundation, MovesTheCardToTheFirstThatAccepts) {
    Table t;
    FreeCellRules(t);
    int bonus = 0;
    auto count = [&bonus](Engine&) { ++bonus; };
    t.Put("Dest1", {H(A)}).Put("Fila1", {D(5), S(A)}).Put("Fila2", {C(A)}).FaceDown(S(A));
    EXPECT_TRUE(PlaceOnFirstFoundation(t.e(), S(A), -1, -1, count));
    EXPECT_EQ(t.e().piles.foundations[1], CardCodeText(S(A)));
    EXPECT_EQ(t.e().piles.tableau[0], CardCodeText(D(5)));
    EXPECT_FALSE(t.e().cards.IsFaceDown(S(A)));
    EXPECT_TRUE(PlaceOnFirstFoundation(t.e(), C(A), 3, 3, count));
    EXPECT_EQ(t.e().piles.foundations[3], CardCodeText(C(A)));
    EXPECT_FALSE(PlaceOnFirstFoundation(t.e(), D(5), -1, -1, count));
    EXPECT_EQ(t.e().piles.tableau[0], CardCodeText(D(5)));
    EXPECT_EQ(bonus, 2);
    EXPECT_TRUE(PlayDealRules().CanPlaceOnFoundation(t.e(), H(2), 0));
    EXPECT_FALSE(PlayDealRules().CanPlaceOnFoundation(t.e(), H(2), 16));
}

}  // namespace
}  // namespace play_test
}  // namespace velmora
