// Undo and redo leave the win flag as the restored table says, whichever
// way the flag stood before.

#include <gtest/gtest.h>

#include "auto_moves_fixture.h"
#include "engine/play/execute_action.h"
#include "engine/play/undo_redo.h"
#include "execute_action_fixture.h"

namespace velmora::play_test {
namespace {

TEST(UndoRedoWinFlag, FollowsTheRestoredTable) {
    Table t;
    FreecellGame(t);
    NearlyWon(t, 1);
    Engine& e = t.e();
    ASSERT_TRUE(ExecuteAction(e, S(K), "Dest4"));
    ASSERT_TRUE(e.flags.Get(flag::kFinished));
    ASSERT_TRUE(Undo(e));
    EXPECT_FALSE(e.flags.Get(flag::kFinished)) << "the King is back on the tableau";
    ASSERT_TRUE(Redo(e));
    EXPECT_TRUE(e.flags.Get(flag::kFinished)) << "and on its foundation again";
}

}  // namespace
}  // namespace velmora::play_test
