// Foundations of complete suit runs (foundation build code 98) and decks of
// fewer suits (deal style 17 and 18) in play.

#include "engine/play/suit_runs.h"

#include <gtest/gtest.h>

#include "auto_moves_fixture.h"
#include "engine/model/suit_map.h"
#include "engine/play/drop_checks.h"
#include "engine/play/execute_action.h"
#include "engine/play/run_checks.h"
#include "engine/play/stock.h"
#include "engine/play/undo_redo.h"
#include "execute_action_fixture.h"

namespace velmora::play_test {
namespace {

// Three piles built down in any suit, runs of one suit, two foundations
// of complete runs; scoring on, autoplay not enabled.
struct SuitRuns : ::testing::Test {
    void SetUp() override {
        FreecellGame(t);
        e.play.autoplay_enabled = false;
        t.Rule(303, 2).Rule(304, 3).Rule(305, 0).Rule(2, 10).Rule(12, -1).Rule(48, 1);
        for (int f = 0; f < 2; ++f) t.Rule(64 + f, 0).Rule(80 + f, kSuitRunFoundation);
        for (int i = 0; i < 3; ++i) t.Rule(184 + i, 2);
    }
    // The King down to `low` of a suit, King at the bottom.
    static std::vector<int> Down(int (*suit)(int), int low) {
        std::vector<int> cards;
        for (int r = 13; r >= low; --r) cards.push_back(suit(r));
        return cards;
    }
    void Lay(std::string_view pile, std::vector<int> under, const std::vector<int>& run) {
        under.insert(under.end(), run.begin(), run.end());
        std::string& text = *e.piles.Pile(ParsePileName(pile)->list, ParsePileName(pile)->index);
        text.clear();
        for (int card : under) {
            text += CardCodeText(card);
            e.cards.SetFaceState(card, kFaceUp);
        }
    }
    Table t;
    Engine& e = t.e();
};

TEST_F(SuitRuns, TheMoveThatCompletesARunSendsItHomeInItsStep) {
    Lay("Fila1", {C(2)}, Down(S, 2));
    t.FaceDown(C(2));
    t.Put("Fila2", {D(9), S(A)});
    ASSERT_TRUE(ExecuteAction(e, S(A), "Fila1"));
    EXPECT_EQ(Cards(e, "Dest1"), Down(S, 1)) << "the King at the bottom, the Ace on top";
    EXPECT_EQ(Cards(e, "Fila1"), std::vector<int>{C(2)});
    EXPECT_FALSE(e.cards.IsFaceDown(C(2))) << "the card under the run turns up";
    EXPECT_EQ(StoredScore(e), 13 * 5 - 52);

    // The face-up turn is its own step; one more undo puts the run back.
    ASSERT_TRUE(Undo(e));
    ASSERT_TRUE(Undo(e));
    EXPECT_TRUE(Cards(e, "Dest1").empty());
    EXPECT_EQ(Cards(e, "Fila2"), (std::vector<int>{D(9), S(A)}));
    EXPECT_EQ(PileCount(e.piles.tableau[0]), 13);
}

TEST_F(SuitRuns, OnlyThirteenFaceUpCardsOfOneSuitKingToAceMakeARun) {
    Lay("Fila1", {H(4), D(7)}, Down(C, 1));
    EXPECT_EQ(CompleteRunKing(e, 0), C(K)) << "cards under the run do not matter";

    std::vector<int> mixed = Down(C, 1);
    mixed[6] = S(7);
    Lay("Fila2", {}, mixed);
    EXPECT_EQ(CompleteRunKing(e, 1), 0) << "one card of another suit";

    Lay("Fila3", {}, Down(H, 1));
    t.FaceDown(H(9));
    EXPECT_EQ(CompleteRunKing(e, 2), 0) << "a face-down card";
    Lay("Fila3", {}, Down(H, 2));
    EXPECT_EQ(CompleteRunKing(e, 2), 0) << "no Ace";
    Lay("Fila3", {}, {H(Q), H(J), H(10), H(9), H(8), H(7), H(6), H(5), H(4), H(3), H(2), H(A)});
    EXPECT_EQ(CompleteRunKing(e, 2), 0) << "no King";
    EXPECT_EQ(CompleteRunKing(e, 27), 0) << "an empty pile";
}

TEST_F(SuitRuns, ARunOfCardsThatShowOneSuitCounts) {
    // Diamonds show as hearts in a deck of hearts and spades.
    std::vector<int> run = Down(H, 1);
    for (int k : {1, 4, 12}) run[static_cast<size_t>(k)] = D(13 - k);
    Lay("Fila1", {}, run);
    EXPECT_EQ(CompleteRunKing(e, 0), 0) << "four suits: not one suit";
    t.Rule(33, kDeckHeartsAndSpades);
    EXPECT_EQ(CompleteRunKing(e, 0), H(K));
    run[3] = C(10);
    Lay("Fila1", {}, run);
    EXPECT_EQ(CompleteRunKing(e, 0), 0) << "a club shows as a spade";
    t.Rule(33, kDeckSpadesOnly);
    EXPECT_EQ(CompleteRunKing(e, 0), H(K));
}

TEST_F(SuitRuns, TheFoundationsTakeNothingByHand) {
    t.Put("Fila1", {S(K)}).Put("Fila2", {S(A)});
    for (int card : {S(K), S(A)}) EXPECT_FALSE(CanDropOnFoundation(e, 0, t.Move(card))) << card;
    Lay("Fila3", {}, Down(S, 1));
    EXPECT_FALSE(CanDropOnFoundation(e, 0, t.Move(S(K)))) << "not even a whole run";
}

TEST_F(SuitRuns, RunsWaitWhileEveryFoundationOfThisCodeIsFull) {
    Lay("Dest1", {}, Down(D, 1));
    t.Rule(81, 0);  // foundation 2 builds by suit: never takes a run
    Lay("Fila1", {}, Down(S, 2));
    t.Put("Fila2", {S(A)});
    ASSERT_TRUE(ExecuteAction(e, S(A), "Fila1"));
    EXPECT_EQ(PileCount(e.piles.tableau[0]), 13);
    EXPECT_TRUE(Cards(e, "Dest2").empty());
}

TEST_F(SuitRuns, AStockDealThatCompletesRunsSendsThemHomeInTheSameStep) {
    e.main_game.SetField(field::kPassCounter, 1);
    for (int i = 0; i < 3; ++i) t.Rule(240 + i, 2);
    Lay("Fila1", {}, Down(S, 2));
    Lay("Fila2", {}, Down(H, 2));
    t.Put("Fila3", {C(5)});
    for (int card : {D(3), H(A), S(A)}) {  // the top card goes to Fila1
        e.piles.stock_area[kStockIndex] += CardCodeText(card);
        t.FaceDown(card);
    }
    const bool pressed = PressStock(e);
    ASSERT_TRUE(ReleaseStock(e) || pressed);
    EXPECT_EQ(Cards(e, "Dest1"), Down(S, 1));
    EXPECT_EQ(Cards(e, "Dest2"), Down(H, 1));
    EXPECT_TRUE(e.piles.tableau[0].empty());
    EXPECT_EQ(Steps(e), 1);
    EXPECT_FALSE(e.flags.Get(flag::kFinished)) << "Fila3 still holds cards";
}

TEST_F(SuitRuns, SendingTheLastRunHomeWinsTheGame) {
    Lay("Fila1", {}, Down(S, 2));
    t.Put("Fila2", {S(A)});
    ASSERT_TRUE(ExecuteAction(e, S(A), "Fila1"));
    EXPECT_TRUE(e.flags.Get(flag::kFinished));
}

// Building by suit and moving runs of one suit follow the suits the cards
// show.
TEST(FewerSuits, SuitsAndColoursAreTheShownOnes) {
    auto Fits = [](int style, int code, int target, int moving) {
        Table t;
        t.Rule(33, style);
        t.Put("Fila1", {target}).Put("Fila2", {moving});
        PlaceInputs in = TableauDropInputs(t.e(), 0, moving);
        in.build_code = code;
        return CanPlaceCard(t.e(), in, t.Move(moving)).accepted;
    };
    EXPECT_FALSE(Fits(0, 0, H(6), D(5)));
    EXPECT_TRUE(Fits(kDeckHeartsAndSpades, 0, H(6), D(5)));
    EXPECT_FALSE(Fits(kDeckHeartsAndSpades, 0, H(6), C(5)));
    EXPECT_TRUE(Fits(kDeckSpadesOnly, 0, H(6), C(5)));
    EXPECT_TRUE(Fits(0, 3, S(6), H(5)));
    EXPECT_FALSE(Fits(kDeckSpadesOnly, 3, S(6), H(5))) << "every card is black";
    EXPECT_TRUE(Fits(kDeckSpadesOnly, 1, S(6), H(5)));
}

TEST(FewerSuits, RunsOfOneShownSuitMoveTogether) {
    for (int style : {0, kDeckHeartsAndSpades, kDeckSpadesOnly}) {
        Table t;
        t.Rule(33, style).Rule(2, 10).Rule(184, 2).Rule(185, 2).Rule(48, 1);
        t.Put("Fila1", {H(9), D(8), H(7)}).Put("Fila2", {S(9), C(8), D(7)});
        EXPECT_EQ(IsValidRun(t.e(), H(9), 0), style != 0) << style;
        EXPECT_EQ(IsValidRun(t.e(), S(9), 1), style == kDeckSpadesOnly) << style;
    }
}

}  // namespace
}  // namespace velmora::play_test
