#include "engine/play/pairing_rules.h"

#include <gtest/gtest.h>

#include <tuple>

#include "selection_fixture.h"

namespace velmora::play_test {
namespace {

TEST(JudgePairing, EachGameCodeAcceptsAndCompletesByItsRule) {
    struct Case {
        const char* what;
        int code, target;  // R[47], R[38]
        std::vector<int> selection;
        bool accepted, complete;
    };
    const Case cases[] = {
        {"pair of one rank", 14, 1, {H(5), D(5)}, true, true},
        {"court cards count ten", 20, 1, {H(K), D(Q), C(10)}, true, true},
        {"elevens: a Jack cannot join a number card", 26, 11, {H(5), C(J)}, false, false},
        {"elevens: Jack, Queen and King", 17, 11, {H(J), D(Q), S(K)}, true, true},
        {"elevens: two Jacks", 17, 11, {H(J), H(J) + 52}, false, false},
        {"nines: the ten is a court card", 24, 9, {H(10), D(J), C(Q), S(K)}, true, true},
        {"eighteen: nothing joins an Ace", 18, 18, {S(A), H(5)}, false, false},
        {"eighteen: a court card and three", 18, 18, {H(K), D(5), C(6), S(7)}, true, true},
        {"fifteens: any number adding up", 1, 15, {H(4), D(5), C(6)}, true, true},
        {"fifteens: nine and ten", 1, 15, {H(9), D(10)}, false, false},
        {"tens: a third number card", 1, 10, {H(1), D(2), C(3)}, false, false},
        {"balance: numbers meet the court", 41, 1, {H(5), D(6), C(J)}, true, true},
        {"other codes: a King alone makes 13", 0, 13, {S(K)}, true, true},
        {"left open: never accepted", 21, 13, {S(K)}, false, false},
    };
    for (const Case& c : cases) {
        SelectionTable t;
        t.Rule(47, c.code).Rule(38, c.target);
        const SelectionVerdict v = JudgePairing(t.e(), c.selection);
        EXPECT_EQ(v.accepted, c.accepted) << c.what;
        EXPECT_EQ(v.complete, c.complete) << c.what;
    }
}

TEST(JudgePairing, BandPairsLieTwoPilesApartInOneBand) {
    using Case = std::tuple<const char*, const char*, bool>;
    for (auto [first, second, pairs] : {Case{"Fila1", "Fila3", true}, Case{"Fila1", "Fila2", false},
                                        Case{"Fila6", "Fila8", false}, Case{"Fila20", "Fila22", true}}) {
        SelectionTable t;
        t.Rule(47, 47).Rule(38, 1).Rule(304, 22);
        t.Put(first, {H(5)}).Put(second, {D(5)});
        EXPECT_EQ(JudgePairing(t.e(), {H(5), D(5)}).complete, pairs) << first << " " << second;
    }
}

}  // namespace
}  // namespace velmora::play_test
