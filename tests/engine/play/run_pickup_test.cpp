#include <gtest/gtest.h>

#include "engine/model/pile_string.h"
#include "engine/model/piles.h"
#include "engine/play/pickup_rules.h"
#include "engine/play/run_checks.h"
#include "play_table.h"

namespace velmora::play_test {
namespace {

TEST(RunLength, EveryLimitOfTheRunRule) {
    struct Row {
        const char* what;
        int rule;
        int bottom;  // on Fila1 = C(K) H(Q) S(J) H(10) | Fila2 = D(5) S(4) | Fila3 = H(3)
        bool empty_destination;
        bool allowed;
    };
    // One empty tableau (the fourth of five) and one empty reserve (the third).
    const Row rows[] = {
        {"-1 unlimited", -1, C(K), false, true},
        {"-12 a King's run", -12, C(K), false, true},
        {"-12 otherwise one card", -12, H(Q), false, false},
        {"-12 one card", -12, H(10), false, true},
        {"-13 a whole pile", -13, C(K), false, true},
        {"-13 not part of one", -13, S(J), false, false},
        {"-13 one card", -13, S(4), false, true},
        {"-5 onto a card: r + e + 1", -5, H(Q), false, true},
        {"-5 onto a card: not more", -5, C(K), false, false},
        {"-5 onto an empty pile: r + e", -5, S(J), true, true},
        {"-5 onto an empty pile: not more", -5, H(Q), true, false},
        {"-6 r + e", -6, S(J), false, true},
        {"-6 not more", -6, H(Q), false, false},
        {"other negative: e", -3, H(10), false, true},
        {"other negative: not more", -3, S(J), false, false},
        {"n", 3, H(Q), false, true},
        {"n: not more", 3, C(K), false, false},
        {"0: nothing at all", 0, H(3), false, false},
    };
    for (const Row& row : rows) {
        Table t;
        t.Rule(304, 5).Rule(305, 3).Rule(12, row.rule);
        t.Put("Fila1", {C(K), H(Q), S(J), H(10)}).Put("Fila2", {D(5), S(4)}).Put("Fila3", {H(3)});
        t.Put("Fila5", {D(7)}).Put("Appogg1", {D(9)}).Put("Appogg2", {D(8)});
        EXPECT_EQ(IsRunLengthAllowed(t.e(), row.bottom, row.empty_destination), row.allowed) << row.what;
        EXPECT_EQ(t.e().main_game.Field(field::kRunTopCard), PileTop(*t.e().piles.Pile(
                      ListId::Tableau, LocateCard(t.e(), row.bottom) - 1)))
            << row.what;
    }
}

TEST(RunLength, FreeCellCounts) {
    // Two free reserves, one empty tableau: four cards onto a card, three
    // onto the empty tableau.
    Table t;
    t.Rule(12, -5).Rule(304, 3).Rule(305, 2);
    t.Put("Fila1", {H(9), S(8), H(7), S(6), H(5)}).Put("Fila2", {C(2)});
    EXPECT_EQ(RunLengthLimit(t.e(), S(8), false), 4);
    EXPECT_EQ(RunLengthLimit(t.e(), S(8), true), 3);
    t.Put("Fila3", {D(2)});
    EXPECT_EQ(RunLengthLimit(t.e(), S(8), false), 3);
}

TEST(RunFrom, CardsAboveOnTableausAndReservesOnly) {
    Table t;
    t.Put("Fila1", {C(K), H(Q), S(J)}).Put("Appogg2", {D(3), D(4)}).Put("Mazzo_Vis", {S(2), S(3)});
    EXPECT_EQ(RunFrom(t.e(), H(Q)), (std::vector<int>{H(Q), S(J)}));
    EXPECT_EQ(RunFrom(t.e(), D(3)), (std::vector<int>{D(3), D(4)}));
    EXPECT_EQ(RunFrom(t.e(), S(2)), (std::vector<int>{S(2)}));
    EXPECT_TRUE(RunFrom(t.e(), H(5)).empty());
    EXPECT_FALSE(IsValidRun(t.e(), H(Q), 28));
}

class PickUp : public ::testing::Test {
protected:
    void SetUp() override {
        t.Rule(12, -1).Rule(2, 1).Rule(184, 3).Rule(185, 3);
        t.Put("Fila1", {D(9), C(K), H(Q), S(J)}).Put("Fila2", {H(5), S(8)}).FaceDown(D(9));
        t.Put("Mazzo_Vis", {H(2), H(3)}).Put("Appogg1", {C(4), C(5)}).Put("Dest1", {S(A), S(2)});
        t.Put("Mazzo", {D(2)});
    }
    bool Can(std::string_view pile, int position) { return CanPickUp(t.e(), *ParsePileName(pile), position); }
    Table t;
};

TEST_F(PickUp, TableauTopsAndRuns) {
    EXPECT_TRUE(Can("Fila1", 3));
    EXPECT_TRUE(Can("Fila1", 2)) << "a valid run";
    EXPECT_TRUE(Can("Fila1", 1));
    EXPECT_FALSE(Can("Fila1", 0)) << "face down";
    EXPECT_FALSE(Can("Fila2", 0)) << "S8 on H5 is no sequence";
    EXPECT_FALSE(Can("Fila1", 4)) << "beyond the pile";
    t.Rule(12, 2);
    EXPECT_FALSE(Can("Fila1", 1)) << "too long";
    t.Rule(12, -1).Rule(3, 8);
    EXPECT_TRUE(Can("Fila2", 0)) << "slot layouts pick any face-up card";
    t.Rule(3, 1).Put("Fila2", {H(5), S(8)}).FaceDown(S(8));
    EXPECT_FALSE(Can("Fila2", 1)) << "a face-down top is turned, not picked";
}

TEST_F(PickUp, LockedTableausAndPressesThatDoNotDrag) {
    t.Rule(24, 1).Rule(25, 2);
    EXPECT_FALSE(Can("Fila1", 3)) << "tableau 1 < 1 * 2";
    EXPECT_TRUE(Can("Fila2", 1));
    t.Rule(24, 0);
    for (int special : {2, 12, 15, 3, 4, 33}) {
        t.Rule(47, special);
        EXPECT_FALSE(Can("Fila1", 3)) << special;
    }
    t.Rule(47, 0).Rule(36, 1);
    EXPECT_FALSE(Can("Mazzo_Vis", 1)) << "click-to-move";
    t.Rule(36, 0).Rule(38, 13);
    EXPECT_FALSE(Can("Appogg1", 1)) << "pairing";
}

TEST_F(PickUp, WasteReserveFoundationAndStock) {
    EXPECT_TRUE(Can("Mazzo_Vis", 1));
    EXPECT_FALSE(Can("Mazzo_Vis", 0));
    t.Rule(7, 1);
    EXPECT_FALSE(Can("Mazzo_Vis", 1));
    EXPECT_FALSE(Can("Mazzo", 0));

    EXPECT_TRUE(Can("Appogg1", 1));
    EXPECT_FALSE(Can("Appogg1", 0));
    t.FaceDown(C(5));
    EXPECT_FALSE(Can("Appogg1", 1));
    t.Rule(13, -11);
    EXPECT_TRUE(Can("Appogg1", 0)) << "any card";
    EXPECT_TRUE(Can("Appogg1", 1)) << "face down too";
    t.Rule(13, -14);
    EXPECT_FALSE(Can("Appogg1", 1));

    struct Row {
        int rule;
        std::vector<int> pile;
        bool top_allowed;
    };
    const Row rows[] = {{1, {S(A)}, true},          {2, {S(A)}, false},         {2, {S(A), S(2)}, true},
                        {3, {S(A), S(2)}, false},   {3, {S(A), kJoker}, true}, {0, {S(A)}, false}};
    for (const Row& row : rows) {
        t.Rule(17, row.rule);
        t.e().piles.foundations[0].clear();
        for (int code : row.pile) t.e().piles.foundations[0] += CardCodeText(code);
        EXPECT_EQ(Can("Dest1", static_cast<int>(row.pile.size()) - 1), row.top_allowed) << row.rule;
        EXPECT_FALSE(Can("Dest1", -1));
    }
    t.Rule(17, 1).Put("Dest1", {S(A), S(2)});
    EXPECT_FALSE(Can("Dest1", 0)) << "only the top";
}

}  // namespace
}  // namespace velmora::play_test
