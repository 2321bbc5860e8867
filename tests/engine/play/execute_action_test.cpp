#include "engine/play/execute_action.h"

#include <gtest/gtest.h>

#include "auto_moves_fixture.h"
#include "execute_action_fixture.h"

namespace velmora::play_test {
namespace {

struct Execute : ::testing::Test {
    void SetUp() override { FreecellGame(t); }
    Table t;
    Engine& e = t.e();
};

TEST_F(Execute, MovesAreOneStepEach) {
    SoundLog sounds(e);
    t.Put("Fila1", {S(9), H(A)}).Put("Fila2", {C(9), H(8), S(7)}).Put("Fila3", {D(10)});
    EXPECT_TRUE(ExecuteAction(e, H(A), "Dest1"));
    EXPECT_TRUE(ExecuteAction(e, S(9), "Dest_Autoplay02"));
    EXPECT_TRUE(ExecuteAction(e, H(8), "Fila3"));
    EXPECT_EQ(Cards(e, "Dest2"), std::vector<int>{S(9)});
    EXPECT_EQ(Cards(e, "Fila3"), (std::vector<int>{D(10), H(8), S(7)})) << "the run keeps its order";
    EXPECT_EQ(Steps(e), 3);
    EXPECT_EQ(sounds.names, (std::vector<std::string>{"Foundation", "Autoplay", "Tableau"}));
    EXPECT_EQ(StoredScore(e), 10 - 52);
    ASSERT_TRUE(ExecuteAction(e, S(9), "Fila3"));
    EXPECT_EQ(StoredScore(e), 5 - 52) << "a foundation card taken back costs its five points";
}

// Autoplay turns the exposed card inside its own step; by hand the turn is
// a step of its own.
TEST(ExecuteFaceUp, ExposedCardTurnsAsItsOwnStepOnlyByHand) {
    for (bool autoplay : {false, true}) {
        Table t;
        FreecellGame(t);
        t.e().play.autoplay_checked = autoplay;
        t.Put("Fila1", {S(5), H(4)}).Put("Fila2", {C(5)}).FaceDown(S(5));
        EXPECT_TRUE(ExecuteAction(t.e(), H(4), "Fila2"));
        EXPECT_EQ(Steps(t.e()), autoplay ? 1 : 2);
        EXPECT_EQ(t.e().cards.IsFaceDown(S(5)), autoplay);
    }
}

TEST_F(Execute, FillTableausRunsOnceAfterTheFirstMove) {
    t.Rule(40, 1).Put("Mazzo", {C(2), C(3), C(4)}).Put("Fila1", {H(A)});
    for (int n = 3; n <= 8; ++n) t.Put("Fila" + std::to_string(n), {D(n)});
    ASSERT_TRUE(ExecuteAction(e, H(A), "Dest1"));
    EXPECT_EQ(Cards(e, "Fila2"), std::vector<int>{C(3)});
    EXPECT_EQ(Steps(e), 1) << "the fill belongs to the first move";
    ASSERT_TRUE(ExecuteAction(e, C(3), "Appogg1"));
    EXPECT_EQ(Cards(e, "Mazzo"), std::vector<int>{C(2)}) << "never again in this game";
}

TEST_F(Execute, GridJumpClearsTheCellJumpedOverInTheSameStep) {
    t.Rule(27, 3).Rule(304, 9).Rule(186, 71).Put("Fila1", {H(5)}).Put("Fila2", {S(6)});
    EXPECT_TRUE(ExecuteAction(e, H(5), "Fila3"));
    EXPECT_TRUE(Cards(e, "Fila2").empty());
    EXPECT_EQ(Cards(e, "Mazzo_Waste"), std::vector<int>{S(6)});
    EXPECT_EQ(Steps(e), 1);
}

TEST_F(Execute, ExchangeWithALoneCardOffItsBase) {
    t.Rule(47, 49).Rule(129, 2).Put("Fila1", {H(5)}).Put("Fila2", {S(9)});
    EXPECT_TRUE(ExecuteAction(e, H(5), "Fila2"));
    EXPECT_EQ(Cards(e, "Fila1"), std::vector<int>{S(9)});
    EXPECT_EQ(Cards(e, "Fila2"), std::vector<int>{H(5)});
    t.Put("Fila1", {D(3), H(5)}).Put("Fila2", {S(9)});
    EXPECT_TRUE(ExecuteAction(e, H(5), "Fila2"));
    EXPECT_EQ(Cards(e, "Fila1"), (std::vector<int>{D(3), S(9)})) << "no card under the source is lost";
}

// Pile numbers outside the game's piles, malformed keywords and cards on no
// pile do nothing, and read nothing out of bounds.
TEST_F(Execute, OddKeywordsAndCardsChangeNothing) {
    t.Put("Fila1", {H(4)}).Put("Mazzo", {C(2), C(3)});
    for (int n = 0; n < 8; ++n) t.Rule(240 + n, 1).Rule(278 + n, 1);
    const std::vector<std::string> before = Position(e);
    for (const char* k : {"Fila99", "Fila0", "Fila9", "Fila-1", "Dest17", "Dest5", "Dest_Autoplay99", "Appogg77",
                          "Appogg5", "Add_Tableau_77", "Add_Tableau_", "Add_Reserve_", "Add_Reserve_9", "Unknown", ""})
        EXPECT_FALSE(ExecuteAction(e, H(4), k)) << k;
    for (int card : {0, -7, 500, S(K), 60}) EXPECT_FALSE(ExecuteAction(e, card, "Fila2")) << card;
    EXPECT_EQ(Position(e), before);
    EXPECT_EQ(Steps(e), 0);
}

}  // namespace
}  // namespace velmora::play_test
