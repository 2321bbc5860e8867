#include "engine/play/drop_checks.h"

#include <gtest/gtest.h>

#include "engine/play/run_checks.h"

#include "play_table.h"

namespace velmora::play_test {
namespace {

// Foundations built up in suit from their base; tableaus down in alternating
// colours, any card on an empty pile.
class Drops : public ::testing::Test {
protected:
    void SetUp() override {
        for (int f = 0; f < 4; ++f) t.Rule(48 + f, 1).Rule(64 + f, 1).Rule(80 + f, 0);
        for (int i = 0; i < 8; ++i) t.Rule(128 + i, -1).Rule(156 + i, 0).Rule(184 + i, 3);
        t.Rule(31, 13).Rule(12, -1);
    }
    bool ToFoundation(int i, int card) { return CanDropOnFoundation(t.e(), i, t.Move(card)); }
    bool ToTableau(int i, int card) { return CanDropOnTableau(t.e(), i, t.Move(card)); }
    bool ToReserve(int i, int card) { return CanDropOnReserve(t.e(), i, t.Move(card)); }
    Table t;
};

TEST_F(Drops, FoundationWithBaseSevenWrapsPastTheKing) {
    t.Rule(48, 7);
    std::vector<int> order;
    for (int r = 7; r <= 13; ++r) order.push_back(H(r));
    for (int r = 1; r <= 6; ++r) order.push_back(H(r));
    std::string pile;
    for (int card : order) {
        EXPECT_FALSE(ToFoundation(0, card == H(7) ? H(8) : H(7) + 52)) << "before " << card;
        EXPECT_TRUE(ToFoundation(0, card)) << card;
        pile += CardCodeText(card);
        t.e().piles.foundations[0] = pile;
    }
    // Full at R[31] = 13: the second deck's 7 would follow the 6 but no room.
    EXPECT_FALSE(ToFoundation(0, H(7) + 52));
    t.Rule(31, 14);
    EXPECT_TRUE(ToFoundation(0, H(7) + 52));
}

TEST_F(Drops, FoundationRules) {
    t.Put("Fila1", {S(9), H(A)});
    EXPECT_TRUE(ToFoundation(0, H(A)));
    EXPECT_FALSE(CanDropOnFoundation(t.e(), 0, MoveSpec{H(A), 1, false})) << "runs never";
    EXPECT_FALSE(ToFoundation(4, H(A))) << "foundation not in use";
    t.Put("Dest2", {D(A)});
    EXPECT_FALSE(ToFoundation(1, D(A))) << "its own pile";

    t.Rule(80, 10);
    EXPECT_TRUE(ToFoundation(0, S(Q)));
    EXPECT_FALSE(ToFoundation(0, S(K)));
    t.Put("Dest1", {H(2)});
    EXPECT_FALSE(ToFoundation(0, S(Q)));

    t.Rule(80, 22).Put("Dest1", {}).Put("Fila2", {S(J)}).Put("Fila3", {C(A)});
    EXPECT_TRUE(ToFoundation(0, S(5))) << "a higher spade shows";
    EXPECT_TRUE(ToFoundation(0, C(9))) << "a club Ace shows";
    EXPECT_FALSE(ToFoundation(0, D(5)));
    EXPECT_FALSE(ToFoundation(0, S(A))) << "never an Ace";

    // Codes 20 and 29 ignore the capacity; 20 stops at 52 cards.
    std::string full;
    for (int k = 0; k < 13; ++k) full += CardCodeText(H(k + 1));
    t.Rule(80, 20).e().piles.foundations[0] = full;
    EXPECT_TRUE(ToFoundation(0, S(A)));
    t.Rule(80, 2).Rule(48, 7);
    EXPECT_FALSE(ToFoundation(0, S(A))) << "an Ace would follow, but the foundation is full";
    t.Rule(80, 29);
    EXPECT_TRUE(ToFoundation(0, H(K) + 52));
    std::string fifty_two;
    for (int k = 0; k < 51; ++k) fifty_two += CardCodeText(53 + k);
    t.Rule(80, 20).e().piles.foundations[0] = fifty_two + CardCodeText(S(K));
    EXPECT_FALSE(ToFoundation(0, D(A)));
}

TEST_F(Drops, TableauRules) {
    t.Put("Fila1", {H(9)}).Put("Fila2", {S(8)});
    EXPECT_TRUE(ToTableau(0, S(8)));
    EXPECT_FALSE(ToTableau(8, S(8))) << "tableau not in use";
    t.FaceDown(H(9));
    EXPECT_FALSE(ToTableau(0, S(8))) << "face-down top";
    t.Rule(47, 40);
    EXPECT_TRUE(ToTableau(0, S(8)));
    t.Rule(47, 0).Put("Fila1", {D(2), C(3), H(9)});
    t.Rule(32, 3);
    EXPECT_FALSE(ToTableau(0, S(8))) << "full";
    t.Rule(32, 4);
    EXPECT_TRUE(ToTableau(0, S(8)));

    // Code 34: runs only onto an empty pile.
    t.Rule(32, -1).Rule(184, 34).Rule(186, 34);
    t.Put("Fila1", {H(9)}).Put("Fila2", {S(K), S(8), H(7)}).Put("Fila4", {C(8)});
    EXPECT_FALSE(ToTableau(0, S(8)));
    EXPECT_TRUE(ToTableau(0, C(8))) << "one card";
    t.Put("Fila3", {});
    EXPECT_TRUE(ToTableau(2, S(8)));
}

TEST_F(Drops, RunsMustBeSequencesByTheDestinationsRule) {
    t.Rule(2, 1).Put("Fila1", {D(10)}).Put("Fila2", {C(K), S(9), H(8), C(7)});
    EXPECT_TRUE(ToTableau(0, S(9)));
    t.Put("Fila2", {C(K), S(9), D(8), D(7)});
    EXPECT_FALSE(ToTableau(0, S(9))) << "D7 on D8 is no alternating step";
    t.Rule(2, 0);
    EXPECT_TRUE(ToTableau(0, S(9))) << "no run check";
    t.Rule(2, 10).Put("Fila1", {H(10)}).Put("Fila2", {C(K), S(9), S(8), S(7)});
    EXPECT_TRUE(ToTableau(0, S(9))) << "R[2] = 10 checks the run by suit";
    t.Put("Fila2", {C(K), S(9), H(8), S(7)});
    EXPECT_FALSE(ToTableau(0, S(9)));
}

TEST_F(Drops, RunLengthByFreeCellsAndEmptyTableaus) {
    // Two free reserves and one empty tableau.
    t.Rule(12, -5).Rule(305, 2);
    for (int i = 0; i < 8; ++i) t.Put(PileName({ListId::Tableau, i}), {D(K) + 52 - i});
    t.Put("Fila1", {S(10)}).Put("Fila2", {C(K), H(9), S(8), H(7), S(6), H(5)}).Put("Fila8", {});
    // Onto a card: r + e + 1 = 4, checked when the run is picked up.
    EXPECT_TRUE(IsRunLengthAllowed(t.e(), S(8), false));
    EXPECT_FALSE(IsRunLengthAllowed(t.e(), H(9), false));
    // Onto the empty tableau: r + e = 3.
    EXPECT_TRUE(ToTableau(7, H(7)));
    EXPECT_FALSE(ToTableau(7, S(8)));
    EXPECT_EQ(t.e().main_game.Field(field::kRunTopCard), H(5));
}

TEST_F(Drops, NeverBackOntoItsOwnPile) {
    t.Put("Fila1", {S(9), H(8)}).Put("Fila2", {S(K), H(Q)}).Put("Appogg1", {D(4)});
    t.Rule(184, 2).Rule(156, 2).Rule(185, 12).Rule(268, 12);
    EXPECT_FALSE(ToTableau(0, H(8))) << "a card on itself";
    EXPECT_FALSE(ToTableau(0, S(9))) << "a run onto its own top";
    EXPECT_FALSE(ToTableau(1, H(Q))) << "code 12 takes anything but itself";
    EXPECT_TRUE(ToTableau(1, H(8)));
    EXPECT_FALSE(ToReserve(0, D(4))) << "a reserve taking anything, but not its own card";
    EXPECT_TRUE(ToReserve(0, H(8)));
}

TEST_F(Drops, ReserveRules) {
    struct Row {
        const char* what;
        int rule;
        MoveSpec move;
        bool empty;
        bool accepted;
    };
    const MoveSpec lone_king{S(K), 2, true}, lone_five{S(5), 2, true}, run{S(5), 2, false};
    const MoveSpec waste_card{S(5), -98, true}, lone_jack{S(J), 2, true}, lone_queen{S(Q), 2, true};
    const MoveSpec reserve_five{S(5), -23, true};
    const Row rows[] = {
        {"4 nothing", 4, lone_five, true, false},
        {"8 a King", 8, lone_king, false, true},
        {"8 not a five", 8, lone_five, true, false},
        {"12 anything", 12, run, false, true},
        {"85 the waste card", 85, waste_card, false, true},
        {"85 nothing else", 85, lone_five, true, false},
        {"13 one card", 13, lone_five, false, true},
        {"13 not a run", 13, run, true, false},
        {"88 a Jack into an empty reserve", 88, lone_jack, true, true},
        {"88 not into a full one", 88, lone_jack, false, false},
        {"89 a Queen", 89, lone_queen, true, true},
        {"89 not a Jack", 89, lone_jack, true, false},
        {"90 a King", 90, lone_king, true, true},
        {"90 not a Queen", 90, lone_queen, true, false},
        {"9 a face card", 9, lone_queen, true, true},
        {"9 not a five", 9, lone_five, true, false},
        {"81 not from a tableau", 81, lone_five, true, false},
        {"81 from another reserve", 81, reserve_five, true, true},
        {"0 a single card into an empty reserve", 0, lone_five, true, true},
        {"0 not a run", 0, run, true, false},
        {"0 not onto a card", 0, lone_five, false, false},
    };
    for (const Row& row : rows) {
        t.Rule(269, row.rule).Put("Appogg2", {}).Put("Appogg1", {});
        if (!row.empty) t.Put("Appogg2", {D(2)});
        EXPECT_EQ(CanDropOnReserve(t.e(), 1, row.move), row.accepted) << row.what;
    }
    // The first reserve's size limits rules 8 and 13.
    t.Rule(269, 8).Put("Appogg1", {D(2), D(3), D(4)});
    EXPECT_FALSE(CanDropOnReserve(t.e(), 1, lone_king));
    t.Rule(269, 13).Put("Appogg1", {D(2), D(3), D(4), D(5), D(6)});
    EXPECT_FALSE(CanDropOnReserve(t.e(), 1, lone_five));
    EXPECT_FALSE(CanDropOnReserve(t.e(), 4, lone_five)) << "reserve not in use";
}

TEST_F(Drops, WasteAndDispatchByName) {
    t.Put("Mazzo_Vis", {H(5)}).Put("Fila1", {H(6)}).Put("Fila2", {H(K)}).Rule(289, 2);
    EXPECT_TRUE(CanDropOnWaste(t.e(), t.Move(H(6))));
    EXPECT_FALSE(CanDropOnWaste(t.e(), t.Move(H(K))));
    t.Put("Mazzo_Vis", {H(A)});
    EXPECT_TRUE(CanDropOnWaste(t.e(), t.Move(H(K)))) << "King and Ace neighbour";
    t.Rule(290, 4);
    EXPECT_FALSE(CanDropOnWaste(t.e(), t.Move(H(K))));

    t.Put("Fila3", {S(9)});
    EXPECT_TRUE(CanDropOnPile(t.e(), t.Move(H(A)), "Dest1"));
    EXPECT_TRUE(CanDropOnPile(t.e(), t.Move(H(A)), "Dest01"));
    EXPECT_TRUE(CanDropOnPile(t.e(), t.Move(H(8) + 52), "Fila3"));
    EXPECT_TRUE(CanDropOnPile(t.e(), t.Move(H(A)), "Appogg1"));
    for (const char* name : {"Mazzo_Vis", "Mazzo", "Dest_Autoplay1", "Fila", "Appogg11", ""})
        EXPECT_FALSE(CanDropOnPile(t.e(), t.Move(H(A)), name)) << name;
}

}  // namespace
}  // namespace velmora::play_test
