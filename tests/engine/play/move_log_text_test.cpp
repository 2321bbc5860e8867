// The move log's annotations and moves described from the table, at the
// edges the fast paths must read exactly as the whole-text reading did.
#include <gtest/gtest.h>

#include "engine/play/move_description.h"
#include "engine/model/piles.h"
#include "engine/play/move_log.h"
#include "engine/play/undo_redo.h"
#include "play_table.h"

namespace velmora::play_test {
namespace {

// Text after the last comma is no element: every rewrite drops it, a
// side without a comma has nothing to mark.
TEST(MoveLogAnnotations, AnUnterminatedTailIsNoElement) {
    Table t;
    Engine& e = t.e();
    for (int n = 0; n < 3; ++n) PushSnapshot(e, LogSide::Undo, false);
    e.undo.annotations = "001,,abc";
    PopStep(e.undo);
    EXPECT_EQ(e.undo.annotations, "001,");

    e.undo.annotations = "001,002,zz";
    std::vector<std::string> lines;
    std::string mark;
    ASSERT_TRUE(NewestStep(e.undo, lines, mark));
    EXPECT_EQ(mark, "002");
    MergeLastSteps(e, 1);
    EXPECT_EQ(e.undo.annotations, "002,") << "the newer mark folds into the older";

    e.undo.annotations = ",001,001x";
    EXPECT_EQ(CountAnnotations(e, LogSide::Undo, 1), 1);
    AnnotateStep(e, "005");
    EXPECT_EQ(e.undo.annotations, ",005,");

    e.undo.annotations = "xy";
    AnnotateStep(e, "005");
    EXPECT_EQ(e.undo.annotations, "xy") << "no element to mark";
    PopStep(e.undo);
    EXPECT_EQ(e.undo.annotations, "");
}

// Undo takes the step where it lies and hands the position it leaves to
// redo, marks travelling with their steps, over many steps.
TEST(MoveLogAnnotations, UndoAndRedoCarryEveryStepAndMark) {
    Table t;
    Engine& e = t.e();
    e.flags.Set(flag::kInProgress, true);
    std::vector<std::vector<std::string>> positions;
    for (int n = 1; n <= 12; ++n) {
        t.Put("Fila1", {H(n)});
        positions.push_back(LogSnapshot(e));
        PushSnapshot(e, LogSide::Undo, false);
        if (n % 3 == 0) AnnotateStep(e, "001");
    }
    for (int n = 12; n >= 1; --n) {
        ASSERT_TRUE(Undo(e));
        EXPECT_EQ(LogSnapshot(e), positions[static_cast<size_t>(n - 1)]) << n;
    }
    EXPECT_EQ(CountAnnotations(e, LogSide::Redo, 1), 4);
    while (Redo(e)) {
    }
    EXPECT_EQ(e.undo.annotations, ",,001,,,001,,,001,,,001,");
    EXPECT_EQ(e.redo.Steps(), 0);
}

// The first pile holding a card says whether it goes alone; the first pile
// LocateCard searches says where it lies: they need not be the same pile.
TEST(MoveLogAnnotations, DescribedMovesReadTheFirstPileOfEachSearch) {
    Table t;
    t.Put("Mazzo_Waste", {H(4), H(9)}).Put("Fila2", {H(4)});
    const MoveSpec twice = t.Move(H(4));
    EXPECT_EQ(twice.source, 2);
    EXPECT_FALSE(twice.single) << "the second waste comes first in the table";

    t.Put("Fila12", {H(7), H(8)});  // beyond the eight tableaus in use
    const MoveSpec unused = t.Move(H(7));
    EXPECT_EQ(unused.source, kLocNowhere);
    EXPECT_FALSE(unused.single);
    EXPECT_TRUE(t.Move(H(11)).single) << "a card on no pile";
}

}  // namespace
}  // namespace velmora::play_test
