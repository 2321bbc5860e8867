// Safe automatic play: which rule the game's tableau gives, and which cards
// it keeps on the table.
#include <gtest/gtest.h>

#include "auto_moves_fixture.h"
#include "engine/play/auto_moves.h"
#include "engine/play/safe_autoplay.h"

namespace velmora::play_test {
namespace {

using SafeAutoplay = FreecellTest;

TEST_F(SafeAutoplay, RuleFollowsTheTableauBuildingAndTheSetting) {
    EXPECT_EQ(AutoplayHomeRule(e()), HomeRule::AlternateColours);
    e().params.ParamWrite(param::kSafeAutoplay, 1, "N");
    EXPECT_EQ(AutoplayHomeRule(e()), HomeRule::Greedy) << "the player chose greedy play";
    e().params.ParamWrite(param::kSafeAutoplay, 1, "Y");
    for (int pile = 0; pile < 8; ++pile) t.Rule(184 + pile, 2);
    EXPECT_EQ(AutoplayHomeRule(e()), HomeRule::AnySuit);
    for (int pile = 0; pile < 8; ++pile) t.Rule(184 + pile, 0);
    EXPECT_EQ(AutoplayHomeRule(e()), HomeRule::Greedy) << "in suit: nothing to keep back";
    for (int pile = 0; pile < 8; ++pile) t.Rule(184 + pile, 3);

    // Where the safe rule has nothing to go by, play stays greedy.
    const std::vector<std::pair<int, int>> greedy_rows = {
        {191, 2},   // one pile builds otherwise
        {157, 1},   // one pile builds up
        {215, 1},   // one pile wraps at the ends
        {49, 5},    // a foundation starts from the 5
        {65, 0},    // a foundation goes down
        {82, 3},    // a foundation alternates colours
        {47, 32},   // no card goes onto the tableau by a drop
        {32, 0},    // the tableau takes no cards
        {304, 0},   // no tableau at all
    };
    for (const auto& [entry, value] : greedy_rows) {
        const int kept = e().R(entry);
        t.Rule(entry, value);
        EXPECT_EQ(AutoplayHomeRule(e()), HomeRule::Greedy) << "R[" << entry << "] = " << value;
        t.Rule(entry, kept);
    }
    EXPECT_EQ(AutoplayHomeRule(e()), HomeRule::AlternateColours);
}

// Hearts to the 2 and the Ace of spades home; the black twos still in play.
class ThreeOfHearts : public FreecellTest {
protected:
    void SetUp() override {
        FreecellTest::SetUp();
        t.Put("Dest1", {H(A), H(2)}).Put("Dest4", {S(A)});
        t.Put("Fila1", {H(3)}).Put("Fila2", {C(2), D(9)}).Put("Fila3", {S(2), H(10)}).Put("Fila4", {C(A), S(9)});
    }
    void BlackTwosHome() {
        t.Put("Dest3", {C(A), C(2)}).Put("Dest4", {S(A), S(2)});
        t.Put("Fila2", {D(9)}).Put("Fila3", {H(10)}).Put("Fila4", {S(9)});
    }
};

TEST_F(ThreeOfHearts, StaysWhileABlackTwoIsInPlayAndGoesOnceBothAreHome) {
    EXPECT_FALSE(SafeToSendHome(e(), HomeRule::AlternateColours, H(3)));
    EXPECT_FALSE(AutoPlayRound(e()));
    EXPECT_EQ(Where(H(3)), "Fila1");
    // One two home is not enough.
    t.Put("Dest4", {S(A), S(2)}).Put("Fila3", {H(10)});
    EXPECT_FALSE(AutoPlayRound(e()));
    EXPECT_EQ(Where(H(3)), "Fila1");
    BlackTwosHome();
    EXPECT_TRUE(AutoPlayRound(e()));
    EXPECT_EQ(Where(H(3)), "Dest1");
}

TEST_F(ThreeOfHearts, GreedyPlayAndADoubleClickSendItAtOnce) {
    EXPECT_TRUE(SendCardAway(e(), H(3), "Fila1", true, false, false, true, false)) << "the player's choice";
    EXPECT_EQ(Where(H(3)), "Dest1");
    t.Put("Dest1", {H(A), H(2)}).Put("Fila1", {H(3)});
    e().params.ParamWrite(param::kSafeAutoplay, 1, "N");
    EXPECT_TRUE(AutoPlayRound(e()));
    EXPECT_EQ(Where(H(3)), "Dest1");
}

TEST_F(ThreeOfHearts, CardsInTheStockAndCellsAreInPlayTheSecondWasteIsNot) {
    BlackTwosHome();
    t.Put("Dest4", {S(A)}).Put("Mazzo", {S(2)});
    EXPECT_FALSE(AutoPlayRound(e())) << "a two in the stock";
    t.Put("Mazzo", {}).Put("Appogg2", {S(2), D(8)});
    EXPECT_FALSE(SafeToSendHome(e(), HomeRule::AlternateColours, H(3))) << "a two in a cell";
    t.Put("Appogg2", {}).Put("Mazzo_Waste", {S(2)});
    EXPECT_TRUE(SafeToSendHome(e(), HomeRule::AlternateColours, H(3))) << "out of play";
}

TEST_F(ThreeOfHearts, RedCardsBelowDoNotHoldItBackUnlessAnySuitBuilds) {
    BlackTwosHome();
    t.Put("Fila5", {D(2), D(K)});
    EXPECT_TRUE(SafeToSendHome(e(), HomeRule::AlternateColours, H(3)));
    EXPECT_FALSE(SafeToSendHome(e(), HomeRule::AnySuit, H(3))) << "the 2 of diamonds could go on it";
    for (int pile = 0; pile < 8; ++pile) t.Rule(184 + pile, 2);
    EXPECT_FALSE(AutoPlayRound(e()));
    EXPECT_EQ(Where(H(3)), "Fila1");
    // In suit, only the 2 of hearts could go on it, and that is home.
    for (int pile = 0; pile < 8; ++pile) t.Rule(184 + pile, 0);
    EXPECT_TRUE(AutoPlayRound(e()));
    EXPECT_EQ(Where(H(3)), "Dest1");
}

TEST_F(SafeAutoplay, AcesAndTwosAlwaysGoAndJokersAreNoHindrance) {
    t.Put("Fila1", {C(A), H(A)}).Put("Fila2", {S(A), D(2)}).Put("Dest2", {D(A)});
    EXPECT_TRUE(AutoPlayRound(e()));
    EXPECT_EQ(Where(H(A)), "Dest1");
    EXPECT_EQ(Where(D(2)), "Dest2") << "the black Aces still in play do not hold a two";
    EXPECT_TRUE(SafeToSendHome(e(), HomeRule::AlternateColours, kJoker));
}

}  // namespace
}  // namespace velmora::play_test
