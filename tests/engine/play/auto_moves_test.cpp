#include "engine/play/auto_moves.h"

#include <gtest/gtest.h>

#include "auto_moves_fixture.h"
#include "engine/model/piles.h"
#include "engine/play/move_log.h"

namespace velmora::play_test {
namespace {

using AutoMoves = FreecellTest;

DropCandidate Tab(int i, int overlap = 100) { return {kKindTableau, i, overlap}; }
DropCandidate Fnd(int i) { return {kKindFoundation, i, 100}; }

TEST_F(AutoMoves, DropGoesToTheFirstCandidateThatAccepts) {
    // Most overlap first; ties go reserve, foundation, tableau, waste, then the higher index.
    EXPECT_EQ(OrderDropCandidates({{kKindWaste, 0, 5}, Tab(2, 5), Tab(5, 5), {kKindFoundation, 0, 5},
                                   {kKindReserve, 3, 5}, Tab(7, 9)}),
              (std::vector<DropCandidate>{Tab(7, 9), {kKindReserve, 3, 5}, {kKindFoundation, 0, 5}, Tab(5, 5)}));
    t.Put("Fila1", {H(9), S(K)}).Put("Fila4", {H(2)});
    // A King over two empty tableaus alike goes to the first one reported.
    EXPECT_TRUE(TryDropAt(e(), S(K), OrderDropCandidates({Tab(1), Tab(2)}), false));
    EXPECT_EQ(Where(S(K)), "Fila3");
    EXPECT_TRUE(TryDropAt(e(), S(K), {Tab(3, 500), Tab(1)}, false)) << "a refusing pile passes it on";
    EXPECT_EQ(Where(S(K)), "Fila2");
    EXPECT_FALSE(TryDropAt(e(), S(K), {Tab(3)}, false));
}

TEST_F(AutoMoves, DropRulesOfTheGame) {
    t.Rule(39, 1).Put("Fila1", {H(A)}).Put("Appogg1", {D(A)}).Put("Fila2", {S(K)});
    // Before the first move only a tableau card may go, and only to a foundation.
    EXPECT_FALSE(TryDropAt(e(), D(A), {Fnd(1)}, false));
    EXPECT_FALSE(TryDropAt(e(), S(K), {Tab(2)}, false));
    EXPECT_TRUE(TryDropAt(e(), H(A), {Tab(2), {kKindReserve, 1, 100}, Fnd(0)}, false));
    EXPECT_EQ(Where(H(A)), "Dest1");

    t.Rule(47, 32);
    EXPECT_FALSE(TryDropAt(e(), S(K), {Tab(2)}, false)) << "never onto a tableau";
    t.Rule(47, 23);
    EXPECT_TRUE(TryDropAt(e(), S(K), {Tab(2)}, false));
    EXPECT_EQ(CountAnnotations(e(), LogSide::Undo, 1), 1) << "tableau moves are marked";

    t.Rule(289, 2).Put("Mazzo_Vis", {H(5)}).Put("Fila5", {H(6), S(6)});
    EXPECT_FALSE(TryDropAt(e(), H(6), {{kKindWaste, 0, 100}}, false)) << "not a run";
    EXPECT_TRUE(TryDropAt(e(), S(6), {Tab(5)}, false));
    EXPECT_TRUE(TryDropAt(e(), H(6), {{kKindWaste, 0, 100}}, false));
    EXPECT_EQ(Where(H(6)), "Mazzo_Vis");
}

TEST_F(AutoMoves, WinningDropEndsTheGame) {
    NearlyWon(t, 1);
    EXPECT_TRUE(TryDropAt(e(), S(K), {Fnd(3)}, false));
    EXPECT_FALSE(e().flags.Get(flag::kInProgress));
    EXPECT_EQ(StoredScore(e()), 208);
    EXPECT_EQ(rec.calls.back(), "selection");
}

TEST_F(AutoMoves, SendCardAwaySearchOrder) {
    t.Put("Fila1", {H(5)}).Put("Fila3", {S(6)}).Put("Dest1", {H(A), H(2), H(3), H(4)}).Put("Fila4", {C(6)});
    EXPECT_FALSE(SendCardAway(e(), H(5), "Fila1", false, false, true, true, false)) << "a run goes to no foundation";
    EXPECT_TRUE(SendCardAway(e(), H(5), "Fila1", true, true, true, true, false));
    EXPECT_EQ(Where(H(5)), "Dest1") << "foundations first";
    t.Put("Dest1", {H(A), H(2), H(3), H(4)}).Put("Fila1", {H(5)});
    EXPECT_TRUE(SendCardAway(e(), H(5), "Fila1", true, true, true, false, false));
    EXPECT_EQ(Where(H(5)), "Fila3") << "then the built-on tableaus, before the empty ones";
    EXPECT_TRUE(SendCardAway(e(), H(5), "Fila3", true, true, false, false, false));
    EXPECT_EQ(Where(H(5)), "Fila4") << "never back to its own pile";
    EXPECT_TRUE(SendCardAway(e(), H(5), "Fila4", true, false, true, false, false));
    EXPECT_EQ(Where(H(5)), "Appogg1") << "then the reserves";
    t.Put("Fila1", {H(9)}).FaceDown(H(9));
    EXPECT_FALSE(SendCardAway(e(), H(9), "Fila1", true, true, true, true, false)) << "face down";
}

TEST_F(AutoMoves, ClickDestinationsFollowTheSettings) {
    struct Row {
        std::string what;
        ClickKind kind;
        std::function<void(Table&)> setup;
        std::string lands;
        bool ignores_next_press;
    };
    const auto setting = [](int position, const char* value) {
        return [=](Table& t) { t.e().params.ParamWrite(position, 1, value); };
    };
    const std::vector<Row> rows = {
        {"reserves go with the foundations", ClickKind::Double, [](Table&) {}, "Appogg1", true},
        {"tableaus by setting", ClickKind::Double, setting(251, "Y"), "Fila3", true},
        {"double click switched off", ClickKind::Double, setting(249, "N"), "Fila1", false},
        {"click-to-move games", ClickKind::Right, Set(36, 1), "Fila3", false},
        {"no tableau card leaves without a run limit", ClickKind::Double, Set(12, 0), "Fila1", true},
    };
    for (const Row& row : rows) {
        Table fresh;
        FreecellGame(fresh);
        fresh.Put("Fila1", {S(5)}).Put("Fila3", {H(6)});
        row.setup(fresh);
        ClickMove(fresh.e(), S(5), "Fila1", row.kind);
        EXPECT_EQ(WhereIs(fresh.e(), S(5)), row.lands) << row.what;
        EXPECT_EQ(fresh.e().flags.Get(flag::kIgnoreNextPress), row.ignores_next_press) << row.what;
    }
    EXPECT_FALSE(ClickMove(e(), 0, "Mazzo", ClickKind::Double));
    EXPECT_FALSE(e().flags.Get(flag::kIgnoreNextPress)) << "a double click on the stock only clears it";
}

}  // namespace
}  // namespace velmora::play_test
