// What an empty pile accepts, rule by rule; and the four-suit groups.

#include <gtest/gtest.h>

#include "engine/play/rule_context.h"
#include "play_table.h"

namespace velmora::play_test {
namespace {

// A card onto empty tableau 0 (code 2) with empty rule `rule`.
Case Onto(std::string what, int rule, int moving, bool accepted) {
    return Case(std::move(what), 2, kNone, moving, accepted).Empty(rule);
}

// Four foundations sharing the letter of `rule`.
std::function<void(Table&)> Letters(int rule) {
    return All({Set(48, rule), Set(49, rule), Set(50, rule), Set(51, rule)});
}

// The first two foundations share the letter of `rule`, the others not.
std::function<void(Table&)> Pair(int rule) { return All({Set(48, rule), Set(49, rule), Set(50, 0), Set(51, 0)}); }

TEST(EmptyRules, RanksAndLetters) {
    auto waste = On("Mazzo_Vis", {S(9)});
    auto stock = On("Mazzo", {S(9)});
    auto tableau = On("Fila2", {S(9)});
    auto reserve = On("Appogg1", {S(9)});
    auto foundation = On("Dest1", {S(9)});
    Check({
        Onto("-1 any card", -1, S(9), true),
        Onto("rank", 5, S(5), true),
        Onto("another rank", 5, S(6), false),
        Onto("rank, but any card with base -1", 5, S(6), true).Base(-1),
        Onto("an unknown value is a rank nobody has", 50, S(6), false),
        Onto("an unknown value with base -1", 50, S(6), true).Base(-1),
        Onto("Q: an Ace", 'Q', S(A), true).Fnd().With(Letters('Q')),
        Onto("Q: not a 2", 'Q', S(2), false).Fnd().With(Letters('Q')),
        Onto("Q: colours stay balanced", 'Q', H(A) + 52, false)
            .Fnd().With(All({Letters('Q'), On("Dest2", {H(A)}), On("Dest3", {D(A)})})),
        Onto("Q: the other colour", 'Q', S(A), true)
            .Fnd().With(All({Letters('Q'), On("Dest2", {H(A)}), On("Dest3", {D(A)})})),
        Onto("Q: suits may repeat", 'Q', S(A) + 52, true).Fnd().With(All({Letters('Q'), On("Dest2", {S(A)})})),
        Onto("T: a King", 'T', H(K), true).Fnd().With(All({Letters('T'), On("Dest2", {S(K)})})),
        Onto("T: no suit twice", 'T', S(K) + 52, false).Fnd().With(All({Letters('T'), On("Dest2", {S(K)})})),
        Onto("U: an Ace of a new suit", 'U', D(A), true).Fnd().With(All({Letters('U'), On("Dest2", {S(A)})})),
        Onto("U: not a King", 'U', D(K), false).Fnd().With(Letters('U')),
        Onto("Z: a 2", 'Z', C(2), true).Fnd().With(Letters('Z')),
        Onto("Z: no suit twice", 'Z', C(2) + 52, false).Fnd().With(All({Letters('Z'), On("Dest4", {C(2)})})),
        // Two foundations share the letter: one red and one black card at most.
        Onto("Q: a second black", 'Q', C(A), false).Fnd().With(All({Pair('Q'), On("Dest2", {S(A)})})),
        Onto("Q: a black beside a red", 'Q', C(A), true).Fnd().With(All({Pair('Q'), On("Dest2", {H(A)})})),
        Onto("Q: a second red", 'Q', D(A), false).Fnd().With(All({Pair('Q'), On("Dest2", {H(A)})})),
        Onto("T: a second black", 'T', C(K), false).Fnd().With(All({Pair('T'), On("Dest2", {S(K)})})),
        Onto("T: a second red", 'T', D(K), false).Fnd().With(All({Pair('T'), On("Dest2", {H(K)})})),
        Onto("T: a red beside a black", 'T', D(K), true).Fnd().With(All({Pair('T'), On("Dest2", {S(K)})})),
        Onto("U: a second black", 'U', C(A), false).Fnd().With(All({Pair('U'), On("Dest2", {S(A)})})),
        Onto("U: a second red", 'U', D(A), false).Fnd().With(All({Pair('U'), On("Dest2", {H(A)})})),
        Onto("U: a black beside a red", 'U', C(A), true).Fnd().With(All({Pair('U'), On("Dest2", {H(A)})})),
        Onto("Z: a second black", 'Z', C(2), false).Fnd().With(All({Pair('Z'), On("Dest2", {S(2)})})),
        Onto("Z: a second red", 'Z', D(2), false).Fnd().With(All({Pair('Z'), On("Dest2", {H(2)})})),
        Onto("Z: a red beside a black", 'Z', D(2), true).Fnd().With(All({Pair('Z'), On("Dest2", {S(2)})})),
        Onto("Z: not an Ace", 'Z', D(A), false).Fnd().With(Pair('Z')),
        Onto("T: not an Ace", 'T', D(A), false).Fnd().With(Pair('T')),
        Onto("Q: not a King", 'Q', D(K), false).Fnd().With(Pair('Q')),
        // Only the foundations in use and sharing the letter count.
        Onto("Q: a foundation of another letter", 'Q', C(A), true)
            .Fnd().With(All({Pair('Q'), Set(50, 'U'), On("Dest3", {S(A)})})),
        Onto("Q: a foundation not in use", 'Q', C(A), true)
            .Fnd().With(All({Pair('Q'), Set(303, 2), Set(50, 'Q'), On("Dest3", {S(A)})})),
        Onto("Q: a joker at the bottom has no colour", 'Q', C(A), true)
            .Fnd().With(All({Pair('Q'), On("Dest2", {kJoker, S(2)})})),
        Onto("Q: a letter on one foundation alone takes nothing", 'Q', C(A), false).Fnd().With(Set(48, 'Q')),
        Onto("R: nothing", 'R', S(9), false),
        Onto("S: nothing", 'S', S(A), false),
        Onto("V: a card moved alone", 'V', S(9), true).With(tableau),
        Onto("V: not a run", 'V', S(9), false).With(On("Fila2", {S(9), H(8)})),
        Onto("W: from the waste", 'W', S(9), true).With(waste),
        Onto("W: from the stock", 'W', S(9), true).With(stock),
        Onto("W: not from a tableau", 'W', S(9), false).With(tableau),
        Onto("W: not from a reserve", 'W', S(9), false).With(reserve),
        Onto("W: not from a foundation", 'W', S(9), false).With(foundation),
        Onto("W: not from nowhere", 'W', S(9), false),
        Onto("X: from a reserve", 'X', S(9), true).With(reserve),
        Onto("X: not from a tableau", 'X', S(9), false).With(tableau),
        Onto("\\: anything while no foundation is started", '\\', S(9), true),
        Onto("\\: the started rank", '\\', S(3), true).With(On("Dest2", {D(3)})),
        Onto("\\: not another rank", '\\', S(4), false).With(On("Dest2", {D(3)})),
        Onto("]: the first from a reserve", ']', S(9), true).With(reserve),
        Onto("]: the first not from the waste", ']', S(9), false).With(waste),
        Onto("]: then the started rank from anywhere", ']', S(9), true).With(All({waste, On("Dest3", {D(9)})})),
        Onto("`: from a reserve while reserves hold cards", '`', S(9), true).With(reserve),
        Onto("`: not from the waste then", '`', S(9), false).With(All({waste, On("Appogg3", {D(2)})})),
        Onto("`: from the waste once reserves are empty", '`', S(9), true).With(waste),
        Onto("`: never from a tableau", '`', S(9), false).With(tableau),
    });
}

TEST(EmptyRules, FourSuitGroups) {
    Table t;
    t.Put("Dest2", {H(A)}).Put("Dest3", {S(A), S(2)});
    EXPECT_TRUE(FourSuitCheck(t.e(), 0, D(A)));
    EXPECT_FALSE(FourSuitCheck(t.e(), 0, S(A) + 52));
    // In the first group the moving card replaces the destination's suit.
    EXPECT_TRUE(FourSuitCheck(t.e(), 1, D(2)));
    // Foundations 4-7 form the second group; 0-3 do not count there.
    EXPECT_TRUE(FourSuitCheck(t.e(), 4, H(A) + 52));
    t.Put("Dest6", {H(5)});
    EXPECT_FALSE(FourSuitCheck(t.e(), 4, H(A) + 52));
    EXPECT_FALSE(FourSuitCheck(t.e(), 16, H(A)));
}

}  // namespace
}  // namespace velmora::play_test
