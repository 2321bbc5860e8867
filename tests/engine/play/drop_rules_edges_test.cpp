// The edges of the drop, run and pick-up checks that no catalogue game
// meets yet: the waste as a destination, foundation code 22, capacities,
// the rarer run limits and the piles beyond those a game uses.

#include <gtest/gtest.h>

#include "engine/play/drop_checks.h"
#include "engine/play/pickup_rules.h"
#include "engine/play/run_checks.h"
#include "play_table.h"

namespace velmora::play_test {
namespace {

TEST(DropRulesEdges, OntoTheWaste) {
    struct Row {
        const char* what;
        std::function<void(Table&)> setup;
        MoveSpec move;
        bool accepted;
    };
    const auto waste_five = On("Mazzo_Vis", {D(2), H(5)});
    const std::vector<Row> rows = {
        {"one below in suit", waste_five, {H(4), 1, true}, true},
        {"one above in suit", waste_five, {H(6) + 52, 1, true}, true},
        {"two above", waste_five, {H(7), 1, true}, false},
        {"another suit", waste_five, {D(6), 1, true}, false},
        {"not a run", waste_five, {H(4), 1, false}, false},
        {"not a joker", waste_five, {kJoker, 1, true}, false},
        {"no card", waste_five, {0, 1, true}, false},
        {"not onto an empty waste", On("Mazzo_Vis", {}), {H(4), 1, true}, false},
        {"not its own card", On("Mazzo_Vis", {H(4), H(5)}), {H(4), -98, true}, false},
        {"a King on an Ace", On("Mazzo_Vis", {S(A)}), {S(K), 1, true}, true},
        {"an Ace on a King", On("Mazzo_Vis", {S(K)}), {S(A) + 52, 1, true}, true},
        {"not a Queen on an Ace", On("Mazzo_Vis", {S(A)}), {S(Q), 1, true}, false},
        {"only with R[289] = 2", All({waste_five, Set(289, 1)}), {H(4), 1, true}, false},
        {"never with R[290] = 4", All({waste_five, Set(290, 4)}), {H(4), 1, true}, false},
        {"R[290] other than 4", All({waste_five, Set(290, 3)}), {H(4), 1, true}, true},
    };
    for (const Row& row : rows) {
        Table t;
        t.Rule(289, 2);
        row.setup(t);
        EXPECT_EQ(CanDropOnWaste(t.e(), row.move), row.accepted) << row.what;
    }
}

// Code 22: a card goes to the foundation while some tableau shows a higher
// card of its suit, or its Ace.
TEST(DropRulesEdges, FoundationCodeTwentyTwo) {
    struct Row {
        const char* what;
        std::function<void(Table&)> setup;
        int card;
        bool accepted;
    };
    const std::vector<Row> rows = {
        {"a higher card of the suit", On("Fila3", {H(9)}), H(5), true},
        {"the same rank does not count", On("Fila3", {H(5) + 52}), H(5), false},
        {"a lower card does not count", On("Fila3", {H(4)}), H(5), false},
        {"the Ace of the suit counts", On("Fila3", {H(A)}), H(5), true},
        {"another suit's Ace does not", On("Fila3", {S(A)}), H(5), false},
        {"only the top card counts", On("Fila3", {H(9), S(2)}), H(5), false},
        {"a tableau not in use does not", All({On("Fila9", {H(9)}), Set(304, 8)}), H(5), false},
        {"the last tableau in use does", On("Fila8", {H(9)}), H(5), true},
        {"a King under the Ace", On("Fila3", {H(A)}), H(K), true},
    };
    for (const Row& row : rows) {
        Table t;
        t.Rule(80, 22).Rule(31, 13);
        row.setup(t);
        EXPECT_EQ(CanDropOnFoundation(t.e(), 0, t.Move(row.card)), row.accepted) << row.what;
    }
}

TEST(DropRulesEdges, CapacitiesCountExactly) {
    Table t;
    t.Rule(80, 12).Rule(184, 12).Rule(31, 3).Rule(32, 2);
    t.Put("Dest1", {H(2), H(3)}).Put("Fila1", {S(2)});
    EXPECT_TRUE(CanDropOnFoundation(t.e(), 0, t.Move(D(7)))) << "two of three";
    EXPECT_TRUE(CanDropOnTableau(t.e(), 0, t.Move(D(7)))) << "one of two";
    t.Put("Dest1", {H(2), H(3), H(4)}).Put("Fila1", {S(2), S(3)});
    EXPECT_FALSE(CanDropOnFoundation(t.e(), 0, t.Move(D(7)))) << "three of three";
    EXPECT_FALSE(CanDropOnTableau(t.e(), 0, t.Move(D(7)))) << "two of two";
    t.Rule(32, 0).Put("Fila1", {});
    EXPECT_FALSE(CanDropOnTableau(t.e(), 0, t.Move(D(7)))) << "a capacity of none";
    t.Rule(31, 0).Put("Dest1", {});
    EXPECT_FALSE(CanDropOnFoundation(t.e(), 0, t.Move(D(7))));
    t.Rule(80, 29).Rule(48, 1);
    EXPECT_TRUE(CanDropOnFoundation(t.e(), 0, t.Move(D(A)))) << "code 29 ignores the capacity";
    t.Rule(80, 20);
    EXPECT_TRUE(CanDropOnFoundation(t.e(), 0, t.Move(D(A)))) << "so does code 20";
}

TEST(RunLimitEdges, RarerLimits) {
    struct Row {
        const char* what;
        int rule;
        int bottom;
        bool empty_destination;
        int empty_tableaus, empty_reserves;  // besides the piles below
        int limit;
    };
    // Fila1 = C(K) H(Q) S(J) H(10); Appogg1 = D(3) D(4).
    const Row rows[] = {
        {"-6 with no empty tableau: r + 1", -6, H(Q), false, 0, 2, 3},
        {"-6 with empty tableaus: r + e", -6, H(Q), false, 2, 1, 3},
        {"-5 with no empty tableau: r + 1", -5, H(Q), false, 0, 2, 3},
        {"-5 onto an empty tableau: r + e", -5, H(Q), true, 2, 1, 3},
        {"-3 with no empty tableau: at least 1", -3, H(Q), false, 0, 3, 1},
        {"-3: e", -3, H(Q), false, 2, 3, 2},
        {"-13 from a reserve: 1", -13, D(3), false, 0, 0, 1},
        {"-12 from a reserve, not a King: 1", -12, D(3), false, 0, 0, 1},
        {"-12 a King: unlimited", -12, C(K), false, 0, 0, -1},
        {"-1: unlimited", -1, H(Q), false, 0, 0, -1},
        {"0: none", 0, H(Q), false, 3, 3, 0},
        {"7: seven", 7, H(Q), false, 0, 0, 7},
    };
    for (const Row& row : rows) {
        Table t;
        // Two tableaus and one reserve always hold cards; the rest are
        // filled until the wanted number stays empty.
        t.Rule(12, row.rule).Rule(304, 2 + row.empty_tableaus).Rule(305, 1 + row.empty_reserves);
        t.Put("Fila1", {C(K), H(Q), S(J), H(10)}).Put("Fila2", {D(9)}).Put("Appogg1", {D(3), D(4)});
        EXPECT_EQ(RunLengthLimit(t.e(), row.bottom, row.empty_destination), row.limit) << row.what;
    }
}

// Free cells and spaces carry a run card by card: (r + 1) doubled for every
// space that takes any card; a space the run goes to holds nothing on the
// way, and a space only a King may fill holds no other card.
TEST(RunLimitEdges, FreeCellsDoubledForEveryOpenSpace) {
    Table t;
    t.Rule(12, -20).Rule(304, 4).Rule(305, 3).Rule(130, -1).Rule(131, -1);
    t.Put("Fila1", {C(K), H(Q), S(J), H(10)}).Put("Fila2", {D(9)}).Put("Appogg1", {D(3)});
    EXPECT_EQ(RunLengthLimit(t.e(), H(Q), false), 12) << "two free cells, two spaces";
    EXPECT_EQ(RunLengthLimit(t.e(), H(Q), true), 6) << "into one of the spaces";
    t.Rule(131, 13);
    EXPECT_EQ(RunLengthLimit(t.e(), H(Q), false), 6) << "one space takes only a King";
    t.Put("Fila3", {S(2)}).Put("Fila4", {S(3)}).Put("Appogg2", {S(4)}).Put("Appogg3", {S(5)});
    EXPECT_EQ(RunLengthLimit(t.e(), H(Q), false), 1) << "nothing free: the top card alone";
    EXPECT_FALSE(IsRunLengthAllowed(t.e(), S(J), false));
    EXPECT_TRUE(IsRunLengthAllowed(t.e(), H(10), false));
}

TEST(PickUpEdges, PilesBeyondThoseInUseAndSlotLayouts) {
    Table t;
    t.Rule(303, 2).Rule(304, 2).Rule(305, 2).Rule(17, 1).Rule(12, -1);
    t.Put("Dest2", {S(A)}).Put("Dest3", {D(A)}).Put("Fila2", {H(5)}).Put("Fila3", {H(6)});
    t.Put("Appogg2", {C(5)}).Put("Appogg3", {C(6)});
    EXPECT_TRUE(CanPickUp(t.e(), {ListId::Foundation, 1}, 0));
    EXPECT_FALSE(CanPickUp(t.e(), {ListId::Foundation, 2}, 0)) << "third foundation not in use";
    EXPECT_TRUE(CanPickUp(t.e(), {ListId::Tableau, 1}, 0));
    EXPECT_FALSE(CanPickUp(t.e(), {ListId::Tableau, 2}, 0)) << "third tableau not in use";
    EXPECT_TRUE(CanPickUp(t.e(), {ListId::Reserve, 1}, 0));
    EXPECT_FALSE(CanPickUp(t.e(), {ListId::Reserve, 2}, 0)) << "third reserve not in use";
    t.Put("Fila2", {H(5), S(9), D(2)}).Rule(2, 1).Rule(184 + 1, 3).Rule(3, 9);
    EXPECT_TRUE(CanPickUp(t.e(), {ListId::Tableau, 1}, 0)) << "fan 9 picks any face-up card";
    t.Rule(3, 7);
    EXPECT_FALSE(CanPickUp(t.e(), {ListId::Tableau, 1}, 0)) << "other fans need a run";
    t.Put("Fila2", {H(5), 0}).Rule(3, 4);
    EXPECT_FALSE(CanPickUp(t.e(), {ListId::Tableau, 1}, 1)) << "an empty slot is no card";
    t.Put("Mazzo_Vis", {H(9)}).Rule(47, 4);
    EXPECT_FALSE(CanPickUp(t.e(), {ListId::Stock, kWasteIndex}, 0)) << "the pyramid selects its waste card";
    t.Rule(47, 3);
    EXPECT_TRUE(CanPickUp(t.e(), {ListId::Stock, kWasteIndex}, 0));
    EXPECT_FALSE(CanPickUp(t.e(), {ListId::Stock, kStockIndex}, 0));
    t.Put("Mazzo_Waste", {H(8)});
    EXPECT_FALSE(CanPickUp(t.e(), {ListId::Stock, kSecondWasteIndex}, 0)) << "the second waste is never dragged";
    t.Rule(24, 2).Rule(25, 1).Rule(47, 0).Put("Fila1", {D(9)}).Put("Fila2", {H(5)});
    EXPECT_FALSE(CanPickUp(t.e(), {ListId::Tableau, 0}, 0)) << "tableau 1 is below 2 * 1";
    EXPECT_TRUE(CanPickUp(t.e(), {ListId::Tableau, 1}, 0)) << "tableau 2 is not below 2 * 1";
}

}  // namespace
}  // namespace velmora::play_test
