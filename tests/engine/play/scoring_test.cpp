#include "engine/play/scoring.h"

#include <gtest/gtest.h>

#include "auto_moves_fixture.h"

namespace velmora::play_test {
namespace {

using Scoring = FreecellTest;

int Score(Engine& e) {
    RecomputeScore(e);
    return StoredScore(e);
}

TEST_F(Scoring, StandardFormula) {
    EXPECT_EQ(Score(e()), -52);
    NearlyWon(t, 0);
    EXPECT_EQ(Score(e()), 208);
    EXPECT_EQ(e().params.ParamRead(param::kScore, 6), "208");

    PutSuit(t, "Dest4", S, 12);
    t.Put("Fila1", {S(K)});
    EXPECT_EQ(Score(e()), 203) << "a foundation card taken back costs its five points";
    t.Put("Mazzo_Waste", {H(A) + 52}).Rule(44, 4).Rule(310, 2);
    EXPECT_EQ(Score(e()), 203 + 5 + 20 - 10) << "second waste, preset cards, jokers";
    e().params.ParamWrite(param::kScoringScheme, 2, "00");
    EXPECT_EQ(Score(e()), 0) << "scoring off";
}

TEST_F(Scoring, OwnFormulasOfTheGames) {
    struct Row {
        int code;
        std::function<void(Table&)> setup;
        int score;
    };
    const auto scoring_on = [](Table& t) { t.e().params.ParamWrite(param::kScoringScheme, 2, "01"); };
    const std::vector<Row> rows = {
        {32, On("Dest1", {H(A)}), 0},
        // Bottoms in their places (Ace of hearts or diamonds on 1 ...) up to the first that is not.
        {34, All({On("Fila1", {D(A), S(9)}), On("Fila2", {H(2)}), On("Fila3", {C(3)}), On("Fila4", {H(4)})}), -32},
        {37, On("Mazzo_Waste", {H(2), H(3), H(4)}), -42},
        {43, On("Fila2", {S(9), H(8), H(7), D(6), H(5), H(4), H(3), H(2), H(A)}), -52 + 225},
        // Seven Kings on top make 91; the empty eighth tableau ends the count.
        {44, All({On("Fila1", {H(2), H(K)}), On("Fila2", {D(K)}), On("Fila3", {C(K)}), On("Fila4", {S(K)}),
                  On("Fila5", {H(K) + 52}), On("Fila6", {D(K) + 52}), On("Fila7", {C(K) + 52})}), 150},
        {47, On("Mazzo_Waste", {H(2), H(3)}), 208},
        {47, All({On("Mazzo_Waste", {H(2), H(3)}), On("Fila8", {H(4)})}), -42},
        {48, All({On("Dest1", {H(A)}), On("Dest2", {D(A), D(2)})}), -42},
        {49, All({On("Fila1", {H(A), H(2)}), On("Fila24", {S(A)}), Set(304, 24)}), -37},
        // The other codes, and the other side of each formula.
        {34, All({On("Fila1", {D(A)}), On("Fila2", {H(2)}), On("Fila3", {D(3)}), On("Fila4", {H(4)}), On("Fila5", {D(5)}),
                  On("Fila6", {H(6)}), On("Fila7", {H(7)}), On("Fila8", {D(8)})}), -52 + 80},
        {34, All({On("Fila1", {S(A)}), On("Fila2", {H(2)})}), -52},
        {35, On("Mazzo_Waste", {H(2), H(3), H(4)}), 30 - 52},
        {36, On("Dest1", {H(A)}), 0},
        {38, On("Dest1", {H(A)}), 0},
        {40, On("Dest1", {H(A)}), 0},
        {41, On("Dest1", {H(A)}), 0},
        {42, On("Dest1", {H(A)}), 0},
        {39, On("Mazzo_Waste", {H(2), H(3), H(4)}), 7 - 52},
        {39, On("Mazzo_Waste", {H(2), H(3), H(4), H(5)}), 14 - 52},
        {37, On("Mazzo_Waste", {H(2), H(3), H(4), H(5)}), 20 - 52},
        {43, All({On("Fila2", {S(9), H(8), H(7), D(6), H(5), H(4), H(3), H(2), H(A)}),
                  On("Fila5", {C(9), C(8), C(7), C(6), C(5), C(4), C(3), C(2), C(A)})}), -52 + 450},
        {43, On("Fila2", {S(9), H(8), H(7), D(6), H(5), H(4), H(3), H(2)}), -52},
        {44, All({On("Fila1", {H(2), H(Q)}), On("Fila2", {D(K)}), On("Fila3", {C(K)}), On("Fila4", {S(K)}),
                  On("Fila5", {H(K) + 52}), On("Fila6", {D(K) + 52}), On("Fila7", {C(K) + 52})}), -52},
        {44, All({On("Fila2", {D(K)}), On("Fila3", {C(K)}), On("Fila4", {S(K)}), On("Fila5", {H(K) + 52}),
                  On("Fila6", {D(K) + 52}), On("Fila7", {C(K) + 52}), On("Fila8", {S(K) + 52})}), -52},
        {48, All({On("Dest2", {D(A), D(2)}), Set(44, 3)}), 15 + 10 - 52},
        {49, All({On("Fila1", {H(A)}), On("Fila25", {S(A)}), Set(304, 25), Set(44, 2)}), 10 - 52 + 5},
        {47, All({On("Mazzo_Waste", {H(2)}), On("Fila1", {H(4)})}), 5 - 52},
        {0, All({On("Dest5", {H(A)}), On("Dest9", {D(A)}), Set(303, 8), scoring_on}), 5 - 52},
    };
    for (const Row& row : rows) {
        Table fresh;
        fresh.Rule(307, 52).Rule(47, row.code);
        row.setup(fresh);
        EXPECT_EQ(Score(fresh.e()), row.score) << "code " << row.code;
    }
}

TEST_F(Scoring, RowSequences) {
    t.Rule(47, 46);
    PutSuit(t, "Fila1", C, 12, {C(K)});
    EXPECT_EQ(Score(e()), -32 + 10 + 10 * 5) << "ten for the two, five for every card up to the Queen";
    PutSuit(t, "Fila1", C, 3, {0, C(4)});
    EXPECT_EQ(Score(e()), -32 + 10 + 5) << "an empty slot breaks the sequence";
    // The last row's open sequence goes on at the bottom of the first row, up
    // to its first Ace, five points a card.
    t.Put("Fila1", {D(3), D(4), S(A), S(2)}).Put("Fila8", {H(9), D(A), D(2)});
    EXPECT_EQ(Score(e()), -32 + 10 + 10 + 5 + 5);
}

TEST_F(Scoring, RowSequencesBreakAndRestart) {
    t.Rule(47, 46);
    t.Put("Fila1", {C(A), C(2), D(3), C(3)});
    EXPECT_EQ(Score(e()), -32 + 10) << "another suit breaks the sequence";
    t.Put("Fila1", {C(A), C(2), C(4)});
    EXPECT_EQ(Score(e()), -32 + 10) << "a gap in the ranks breaks it";
    t.Put("Fila1", {C(A), C(2), H(A), H(2), H(3)});
    EXPECT_EQ(Score(e()), -32 + 10 + 10 + 5) << "an Ace starts a new one";
    PutSuit(t, "Fila1", C, 12, {C(K), C(A) + 52, C(2) + 52});
    EXPECT_EQ(Score(e()), -32 + 10 + 10 * 5 + 10) << "a King after the Queen starts nothing";
    t.Put("Fila1", {C(2), C(3)}).Put("Fila8", {D(A), C(A)});
    EXPECT_EQ(Score(e()), -32 + 5 + 5) << "the last row's open sequence goes on in the first";
    t.Put("Fila1", {C(2), C(A), C(2) + 52}).Put("Fila8", {C(A) + 52});
    EXPECT_EQ(Score(e()), -32 + 5 + 10) << "up to the first row's first Ace";
    t.Rule(304, 0);
    EXPECT_EQ(Score(e()), -32) << "no rows";
}

TEST_F(Scoring, CodeNineKeepsTheStoredScore) {
    RecomputeScore(e());
    AddFoundationBonus(e(), 3);
    EXPECT_EQ(StoredScore(e()), -37);
    t.Rule(47, 9);
    RecomputeScore(e());
    AddFoundationBonus(e(), 2);
    EXPECT_EQ(StoredScore(e()), -37);
    EXPECT_EQ(rec.Of("score "), (std::vector<std::string>{"-52", "-37"}));
}

}  // namespace
}  // namespace velmora::play_test
