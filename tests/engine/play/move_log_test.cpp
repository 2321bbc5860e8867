#include "engine/play/move_log.h"

#include <gtest/gtest.h>

#include "execute_action_fixture.h"

namespace velmora::play_test {
namespace {

// Each step adds every line; foundation 1 is stored empty where it holds the
// selection (a mark for a card that lies on its own pile).
TEST(MoveLog, StepsStoreEveryLineButTheSelection) {
    struct Case {
        int entry, value;
        bool stored;
    };
    for (const Case& c : {Case{38, 13, false}, Case{47, 3, false}, Case{47, 4, false}, Case{47, 5, true}}) {
        Table t;
        t.Rule(c.entry, c.value).Put("Dest1", {H(5)}).Put("Fila1", {H(5)}).Put("Fila28", {H(7)}).FaceDown(H(7));
        PushSnapshot(t.e(), LogSide::Undo, false);
        const MoveLogSide& undo = t.e().undo;
        EXPECT_EQ(undo.stock_area.size() + undo.foundations.size() + undo.tableau.size() + undo.reserves.size(), 57u);
        EXPECT_EQ(undo.tableau.back(), "0070");
        EXPECT_EQ(undo.foundations[0].empty(), !c.stored) << c.entry << " = " << c.value;
        EXPECT_EQ(undo.annotations, ",");
    }
}

// Collapsing steps keeps the position before the first of them whole, even
// the last pile of each list.
TEST(MoveLog, CollapsedStepsKeepTheOldestPositionWhole) {
    for (bool merge : {false, true}) {
        Table t;
        t.Put("Fila1", {H(9)});
        const std::vector<std::string> before = Position(t.e());
        PushSnapshot(t.e(), LogSide::Undo, false);
        t.Put("Fila28", {H(9)}).Put("Fila1", {});
        PushSnapshot(t.e(), LogSide::Undo, false);
        t.Put("Mazzo_Waste", {H(9)}).Put("Fila28", {});
        PushSnapshot(t.e(), LogSide::Undo, false);
        merge ? MergeLastSteps(t.e(), 2) : DropLastSteps(t.e(), 2);
        std::vector<std::string> lines;
        std::string mark;
        ASSERT_TRUE(NewestStep(t.e().undo, lines, mark));
        EXPECT_EQ(lines, before) << (merge ? "merge" : "drop");
        DropLastSteps(t.e(), 5);
        EXPECT_EQ(t.e().undo, MoveLogSide{}) << "trimming stops at an empty log";
    }
}

TEST(MoveLog, MarksAreCountedAndSurviveCollapsing) {
    Table t;
    Engine& e = t.e();
    for (int n = 0; n < 2; ++n) PushSnapshot(e, LogSide::Undo, false);
    AnnotateStep(e, "001");
    PushSnapshot(e, LogSide::Undo, false);
    DropLastSteps(e, 1);
    EXPECT_EQ(e.undo.annotations, ",001,") << "a mark is not lost to a step folded into it";
    PushSnapshot(e, LogSide::Undo, false);
    AnnotateStep(e, "002");
    MergeLastSteps(e, 1);
    EXPECT_EQ(e.undo.annotations, ",002,") << "the newer mark wins";
    EXPECT_EQ(CountAnnotations(e, LogSide::Undo, 2), 1);
}

}  // namespace
}  // namespace velmora::play_test
