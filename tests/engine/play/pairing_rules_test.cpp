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
        // Every code's other cases.
        {"pairs: one card waits", 16, 1, {H(5)}, true, false},
        {"pairs: two ranks", 14, 1, {H(5), D(6)}, false, false},
        {"pairs: no third card", 16, 1, {H(5), D(5), C(5)}, false, false},
        {"tens: one card waits", 20, 1, {H(K)}, true, false},
        {"tens: two fives", 20, 1, {H(5), D(5)}, true, true},
        {"tens: two court cards", 20, 1, {H(K), D(Q)}, true, true},
        {"tens: eleven", 20, 1, {H(9), D(2)}, true, false},
        {"tens: an Ace counts one", 20, 1, {H(A), D(K)}, true, false},
        {"elevens: a ten and an Ace", 26, 11, {H(10), D(A)}, true, true},
        {"elevens: five and six", 17, 11, {H(5), D(6)}, true, true},
        {"elevens: no third number card", 17, 11, {H(5), D(4), C(A)}, false, false},
        {"elevens: two court cards wait", 26, 11, {H(J), D(Q)}, true, false},
        {"elevens: nine waits", 17, 11, {H(4), D(5)}, true, false},
        {"nines: a single nine", 24, 9, {H(9)}, true, true},
        {"nines: four and five", 24, 9, {H(4), D(5)}, true, true},
        {"nines: three court cards wait", 24, 9, {H(10), D(J), C(Q)}, true, false},
        {"nines: two tens", 24, 9, {H(10), D(10)}, false, false},
        {"nines: a ten never with a number", 24, 9, {H(4), D(10)}, false, false},
        {"eighteen: an Ace alone", 18, 18, {S(A)}, true, true},
        {"eighteen: nineteen", 18, 18, {H(K), D(5), C(6), S(8)}, true, false},
        {"eighteen: two court cards", 18, 18, {H(K), D(Q)}, false, false},
        {"eighteen: four number cards", 18, 18, {H(2), D(3), C(4), S(5)}, false, false},
        {"eighteen: two of a rank", 18, 18, {H(5), D(5)}, false, false},
        {"eighteen: five cards", 18, 18, {H(K), D(2), C(3), S(4), H(6)}, false, false},
        {"eighteen: three cards wait", 18, 18, {H(K), D(5), C(6)}, true, false},
        {"fifteens: four tens", 1, 15, {H(10), D(10), C(10), S(10)}, true, true},
        {"fifteens: three Jacks wait", 1, 15, {H(J), D(J), C(J)}, true, false},
        {"fifteens: two court ranks", 1, 15, {H(J), D(Q)}, false, false},
        {"fifteens: nine and six", 1, 15, {H(9), D(6)}, true, true},
        {"fifteens: fourteen waits", 1, 15, {H(9), D(5)}, true, false},
        {"tens by numbers: four and six", 1, 10, {H(4), D(6)}, true, true},
        {"tens by numbers: one card waits", 1, 10, {H(5)}, true, false},
        {"tens by numbers: four Queens", 1, 10, {H(Q), D(Q), C(Q), S(Q)}, true, true},
        {"other targets: numbers never complete", 1, 13, {H(4), D(9)}, true, false},
        {"other targets: no limit on numbers", 1, 13, {H(A), D(2), C(3)}, true, false},
        {"balance: nothing selected", 41, 1, {}, true, false},
        {"balance: a court card alone", 41, 1, {H(J)}, false, false},
        {"balance: the court side waits", 41, 1, {H(2), H(K)}, true, false},
        {"balance: more than 13 in court cards", 41, 1, {H(5), H(K), D(Q)}, false, false},
        {"balance: a ten alone is a number", 41, 1, {H(10)}, true, false},
        {"balance: eleven against a Jack", 41, 1, {H(10), D(A), C(J)}, true, true},
        {"seven: two cards to the target", 7, 13, {H(6), D(7)}, true, true},
        {"seven: no third card", 7, 13, {H(6), D(6), C(A)}, false, false},
        {"seven: one card waits", 7, 13, {H(6)}, true, false},
        {"eight selects nothing", 8, 13, {S(K)}, false, false},
        {"other codes: any number of cards", 5, 13, {H(6), D(4), C(3)}, true, true},
        {"other codes: not yet", 5, 13, {H(6), D(4)}, true, false},
        {"left open: 22", 22, 13, {S(K)}, false, false},
        {"left open: 23", 23, 13, {S(K)}, false, false},
        {"left open: 25", 25, 13, {S(K)}, false, false},
        {"left open: 45", 45, 13, {S(K)}, false, false},
        {"left open: 48", 48, 13, {S(K)}, false, false},
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
    // The first card is always the five of hearts; the second names its card.
    using Case = std::tuple<const char*, const char*, int, bool>;
    for (auto [first, second, card, pairs] :
         {Case{"Fila1", "Fila3", D(5), true}, Case{"Fila1", "Fila2", D(5), false},
          Case{"Fila6", "Fila8", D(5), false}, Case{"Fila20", "Fila22", D(5), true},
          Case{"Fila1", "Fila3", D(6), false}, Case{"Fila20", "Fila22", S(K), false}}) {
        SelectionTable t;
        t.Rule(47, 47).Rule(38, 1).Rule(304, 22);
        t.Put(first, {H(5)}).Put(second, {card});
        EXPECT_EQ(JudgePairing(t.e(), {H(5), card}).complete, pairs) << first << " " << second << " " << card;
    }
}

}  // namespace
}  // namespace velmora::play_test
