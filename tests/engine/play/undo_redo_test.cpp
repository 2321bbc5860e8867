#include "engine/play/undo_redo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "auto_moves_fixture.h"
#include "engine/play/drag_moves.h"
#include "engine/play/execute_action.h"
#include "engine/play/move_log.h"
#include "engine/play/stock.h"
#include "execute_action_fixture.h"

namespace velmora::play_test {
namespace {

struct UndoRedo : ::testing::Test {
    void SetUp() override {
        FreecellGame(t);
        t.Put("Fila1", {S(9), H(A)});
    }
    Engine& e() { return t.e(); }
    Table t;
};

TEST_F(UndoRedo, WalksBackAndForthAndFollowsTheScore) {
    ASSERT_TRUE(ExecuteAction(e(), H(A), "Dest1"));
    AnnotateStep(e(), "001");
    EXPECT_TRUE(Undo(e()));
    EXPECT_EQ(Cards(e(), "Fila1"), (std::vector<int>{S(9), H(A)}));
    EXPECT_EQ(StoredScore(e()), -52);
    EXPECT_FALSE(Undo(e()));
    EXPECT_TRUE(Redo(e()));
    EXPECT_EQ(StoredScore(e()), -47);
    EXPECT_EQ(CountAnnotations(e(), LogSide::Undo, 1), 1) << "the mark travels with its step";
    ASSERT_TRUE(Undo(e()));
    ASSERT_TRUE(ExecuteAction(e(), H(A), "Appogg1"));
    EXPECT_FALSE(Redo(e())) << "a new move clears redo";
}

TEST_F(UndoRedo, NothingOnceTheGameEndedAndTheSelectionIsDropped) {
    t.Rule(38, 13).Put("Fila2", {C(5)});
    ASSERT_TRUE(ExecuteAction(e(), H(A), "Fila3"));
    t.Put("Dest1", {C(5)});
    e().flags.Set(flag::kInProgress, false);
    EXPECT_FALSE(Undo(e()));
    e().flags.Set(flag::kInProgress, true);
    EXPECT_TRUE(Undo(e()));
    EXPECT_TRUE(Cards(e(), "Dest1").empty()) << "the log keeps no selection";
    EXPECT_EQ(Cards(e(), "Fila2"), std::vector<int>{C(5)});
}

// Thousands of random moves, undos, redos and gap fills keep every card on
// exactly one pile, and undoing everything gives back the dealt position.
TEST(UndoRedoPlay, RandomPlayConservesCardsAndUndoesToTheDeal) {
    Table t;
    FreecellGame(t);
    Engine& e = t.e();
    e.play.autoplay_checked = false;  // exposed cards turn as steps of their own
    t.Rule(22, 3);
    std::mt19937 random(7);
    std::vector<int> deck(52);
    std::iota(deck.begin(), deck.end(), 1);
    std::shuffle(deck.begin(), deck.end(), random);
    // Six cards a tableau, the lower two face down, and four in the stock.
    for (size_t n = 0; n < deck.size(); ++n) {
        std::string& pile = n < 48 ? e.piles.tableau[n % 8] : e.piles.stock_area[kStockIndex];
        pile += CardCodeText(deck[n]);
        e.cards.SetFaceState(deck[n], n < 16 || n >= 48 ? kFaceDown : kFaceUp);
    }
    const std::vector<std::string> dealt = Position(e);

    for (int n = 0; n < 3000; ++n) {
        const int choice = static_cast<int>(random() % 10);
        if (choice < 6) {
            const std::vector<DragMove> moves = ListDragMoves(e);
            if (!moves.empty()) {
                const DragMove& move = moves[random() % moves.size()];
                EXPECT_TRUE(ExecuteAction(e, move.code, move.to)) << move.code << " to " << move.to;
                FillGaps(e);
            }
        } else if (choice < 8) {
            Undo(e);
        } else {
            Redo(e);
        }
        ASSERT_TRUE(EachCardOnce(e, 52)) << "after action " << n;
    }
    while (Redo(e)) {}
    const std::vector<std::string> last = Position(e);
    while (Undo(e)) {}
    EXPECT_EQ(Position(e), dealt);
    while (Redo(e)) {}
    EXPECT_EQ(Position(e), last);
}

}  // namespace
}  // namespace velmora::play_test
