// Foundation build code 99: a discard pile taking a tableau's top card while
// another tableau shows a higher card of the same suit, Aces high.
#include <gtest/gtest.h>

#include "engine/play/drop_checks.h"
#include "play_table.h"

namespace velmora::play_test {
namespace {

struct OutrankedDiscard : ::testing::Test {
    Table t;
    void SetUp() override {
        t.Rule(303, 1).Rule(304, 4).Rule(48, -1).Rule(80, 99).Rule(31, 48);
        t.Put("Fila1", {S(2), H(5)}).Put("Fila2", {H(9)}).Put("Fila3", {C(K)}).Put("Fila4", {C(A)});
    }
    bool Discard(int card) { return CanDropOnFoundation(t.e(), 0, t.Move(card)); }
};

TEST_F(OutrankedDiscard, AHigherCardOfTheSuitOnAnotherPileLetsATopCardGo) {
    EXPECT_TRUE(Discard(H(5))) << "the Nine of hearts outranks it";
    EXPECT_FALSE(Discard(H(9))) << "no higher heart on top";
    EXPECT_TRUE(Discard(C(K))) << "the Ace counts above the King";
    EXPECT_FALSE(Discard(C(A))) << "nothing outranks an Ace";
    t.Put("Dest1", {D(3)});
    EXPECT_TRUE(Discard(H(5))) << "the discard's own top card does not matter";
}

TEST_F(OutrankedDiscard, OnlyTopCardsOfTheTableauCount) {
    EXPECT_FALSE(Discard(S(2))) << "a covered card is not discarded";
    t.Put("Fila2", {H(9), D(4)});
    EXPECT_FALSE(Discard(H(5))) << "the Nine is covered";
    t.Put("Fila2", {H(9)}).FaceDown(H(9));
    EXPECT_FALSE(Discard(H(5))) << "a face-down card outranks nothing";
    t.Put("Fila2", {}).Rule(304, 1);
    t.Put("Fila3", {H(Q)});
    EXPECT_FALSE(Discard(H(5))) << "a pile beyond those in use is not looked at";
}

TEST_F(OutrankedDiscard, CardsFromElsewhereAreRefused) {
    t.Put("Fila2", {H(9)}).Put("Mazzo_Vis", {H(3)});
    EXPECT_FALSE(Discard(H(3))) << "the waste's card";
}

}  // namespace
}  // namespace velmora::play_test
