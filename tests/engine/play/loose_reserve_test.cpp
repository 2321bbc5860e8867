// Reserve pick-up R[13] = -15: any face-up card of a reserve may be taken
// and goes alone, the cards fanned over it staying in the reserve.
#include <gtest/gtest.h>

#include "auto_moves_fixture.h"
#include "engine/play/auto_moves.h"
#include "engine/play/drag_moves.h"
#include "engine/play/drop_checks.h"
#include "engine/play/execute_action.h"
#include "engine/play/pickup_rules.h"

namespace velmora::play_test {
namespace {

// A bouquet of three cards in reserve 1 (nothing put back into it), a pile
// built down regardless of suit, an empty foundation waiting for its Ace.
struct Bouquet : ::testing::Test {
    Table t;
    void SetUp() override {
        FreecellGame(t);
        t.Rule(305, 1).Rule(268, 4).Rule(13, kReserveAnySingleCard);
        for (int i = 0; i < 8; ++i) t.Rule(184 + i, 2);
        t.Put("Appogg1", {S(9), H(A), C(5)}).Put("Fila1", {D(10)}).Put("Fila2", {S(6)});
    }
    bool Can(int position) { return CanPickUp(t.e(), {ListId::Reserve, 0}, position); }
    std::string Reserve() { return t.e().piles.reserves[0]; }
};

TEST_F(Bouquet, AnyFaceUpCardIsPickedUpAndGoesAlone) {
    EXPECT_TRUE(Can(0));
    EXPECT_TRUE(Can(1));
    EXPECT_TRUE(Can(2));
    t.FaceDown(H(A));
    EXPECT_FALSE(Can(1)) << "a face-down card stays";
    EXPECT_TRUE(t.Move(S(9)).single) << "the cards over it stay, so it moves as one card";
    EXPECT_FALSE(CanPickUp(t.e(), {ListId::Tableau, 0}, -1));
    // The tableau keeps its runs: the rule is the reserve's alone.
    t.Put("Fila3", {D(8), S(7)});
    EXPECT_FALSE(t.Move(D(8)).single);
}

TEST_F(Bouquet, ADragTakesOnlyTheCard) {
    ASSERT_TRUE(CanDropOnTableau(t.e(), 0, t.Move(S(9))));
    ASSERT_TRUE(ExecuteAction(t.e(), S(9), "Fila1"));
    EXPECT_EQ(t.e().piles.tableau[0], "023048");
    EXPECT_EQ(Reserve(), "001031") << "the cards over it stay, in their order";
    // An Ace from the middle goes home: only single cards go to foundations.
    ASSERT_TRUE(CanDropOnFoundation(t.e(), 0, t.Move(H(A))));
    ASSERT_TRUE(ExecuteAction(t.e(), H(A), "Dest1"));
    EXPECT_EQ(Reserve(), "031");
}

TEST_F(Bouquet, OtherRulesStillCarryTheCardsAbove) {
    t.Rule(13, -11);
    EXPECT_FALSE(t.Move(S(9)).single);
    ASSERT_TRUE(ExecuteAction(t.e(), H(A), "Fila2"));
    EXPECT_EQ(Reserve(), "048");
    EXPECT_EQ(t.e().piles.tableau[1], "045001031");
}

TEST_F(Bouquet, DoubleClickAndListedMovesTakeAMiddleCard) {
    EXPECT_TRUE(ClickMove(t.e(), H(A), "Appogg1", ClickKind::Double));
    EXPECT_EQ(WhereIs(t.e(), H(A)), "Dest1");
    EXPECT_EQ(Reserve(), "048031");
    const std::vector<DragMove> moves = ListDragMoves(t.e());
    const DragMove nine{S(9), "Appogg1", "Fila1"};
    EXPECT_NE(std::find(moves.begin(), moves.end(), nine), moves.end()) << "the bottom card of the bouquet";
    for (const DragMove& m : moves) EXPECT_NE(m.to, "Appogg1") << "nothing goes back into the bouquet";
}

}  // namespace
}  // namespace velmora::play_test
