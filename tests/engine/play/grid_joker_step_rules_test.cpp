// The grid rules, the joker foundations and the builds by one or two and
// by three from a base.

#include <gtest/gtest.h>

#include "engine/play/grid_rules.h"
#include "play_table.h"

namespace velmora::play_test {
namespace {

// A grid of three columns over nine tableaus, the moving card on tableau
// `from` (1-based) and every cell in `full` holding a card.
std::function<void(Table&)> Grid(int from, std::initializer_list<int> full) {
    const std::vector<int> cells(full);
    return [from, cells](Table& t) {
        t.Rule(27, 3).Rule(304, 9);
        for (int cell : cells) t.e().piles.tableau[static_cast<size_t>(cell - 1)] = CardCodeText(60 + cell);
        t.e().piles.tableau[static_cast<size_t>(from - 1)] = CardCodeText(S(9));
    };
}

TEST(GridRules, NeighboursAndJumps) {
    Check({
        Case("70 from the left", 70, kNone, S(9), true).Pile(4).With(Grid(4, {})),
        Case("70 from the right", 70, kNone, S(9), true).Pile(4).With(Grid(6, {})),
        Case("70 from above", 70, kNone, S(9), true).Pile(4).With(Grid(2, {})),
        Case("70 from below", 70, kNone, S(9), true).Pile(4).With(Grid(8, {})),
        Case("70 not diagonally", 70, kNone, S(9), false).Pile(4).With(Grid(1, {})),
        Case("70 not across a row end", 70, kNone, S(9), false).Pile(3).With(Grid(3, {})),
        Case("70 not onto a card", 70, S(2), S(9), false).Pile(4).With(Grid(4, {5})),
        Case("70 not from the waste", 70, kNone, S(9), false).Pile(4).With(All({Grid(4, {}), On("Fila4", {}), On("Mazzo_Vis", {S(9)})})),
        Case("71 jump right over a card", 71, kNone, S(9), true).Pile(2).With(Grid(1, {2})),
        Case("71 not over an empty cell", 71, kNone, S(9), false).Pile(2).With(Grid(1, {})),
        Case("71 jump up a column", 71, kNone, S(9), true).Pile(0).With(Grid(7, {4})),
        Case("71 not across rows", 71, kNone, S(9), false).Pile(4).With(Grid(3, {4})),
        Case("71 not next door", 71, kNone, S(9), false).Pile(1).With(Grid(1, {})),
    });
    Table t;
    Grid(7, {4})(t);
    PlaceInputs in;
    in.build_code = 71;
    in.moving = S(9);
    in.pile = 0;
    const PlaceResult jump = CanPlaceCard(t.e(), in, t.Move(S(9)));
    EXPECT_TRUE(jump.accepted);
    EXPECT_EQ(jump.jumped_tableau, 3);
    EXPECT_EQ(GridJumpedCell(t.e(), 0, 7), 3);
    EXPECT_EQ(GridJumpedCell(t.e(), 0, -98), -1);
}

TEST(JokerFoundations, JokersStandInForCards) {
    Check({
        Case("72 no joker onto an empty foundation", 72, kNone, kJoker, false).Fnd().With(Set(48, 1)),
        Case("75 a joker may start one", 75, kNone, kJoker, true).Fnd().With(Set(48, 1)),
        Case("72 a joker onto a card", 72, H(4), kJoker, true).Fnd().With(All({Set(48, 1), On("Dest1", {H(4)})})),
        Case("empty: the base rank", 72, kNone, H(A), true).Fnd().With(Set(48, 1)),
        Case("empty: not another", 72, kNone, H(2), false).Fnd().With(Set(48, 1)),
        Case("base -2: anything first", 72, kNone, S(5), true).Fnd().With(Set(48, -2)),
        Case("base -2 fixed by the first card", 72, kNone, H(6), false)
            .Fnd().With(All({Set(48, -2), On("Dest2", {S(5)})})),
        Case("base -2 fixed under a bottom joker", 72, kNone, H(5), true)
            .Fnd().With(All({Set(48, -2), On("Dest2", {kJoker, S(6)})})),
        Case("onto a lone joker: X", 72, kJoker, H(A), true).Fnd().With(All({Set(48, 1), On("Dest1", {kJoker})})),
        Case("onto a lone joker: X + 1", 72, kJoker, H(2), true).Fnd().With(All({Set(48, 1), On("Dest1", {kJoker})})),
        Case("onto a lone joker: not X + 2", 72, kJoker, H(3), false).Fnd().With(All({Set(48, 1), On("Dest1", {kJoker})})),
        Case("onto a joker: two above the card below", 72, kJoker, H(3), true)
            .Fnd().With(All({Set(48, 1), On("Dest1", {H(A), kJoker})})),
        Case("onto a joker: its suit", 72, kJoker, S(3), false)
            .Fnd().With(All({Set(48, 1), On("Dest1", {H(A), kJoker})})),
        Case("onto a joker over a King: 2", 72, kJoker, H(2), true)
            .Fnd().With(All({Set(48, 7), On("Dest1", {H(K), kJoker})})),
        Case("no wrap from an Ace base", 72, kJoker, H(2), false)
            .Fnd().With(All({Set(48, 1), On("Dest1", {H(K), kJoker})})),
        Case("onto a card: same suit up", 72, H(A), H(2), true).Fnd().With(All({Set(48, 1), On("Dest1", {H(A)})})),
        Case("onto a card: other suit", 72, H(A), S(2), false).Fnd().With(All({Set(48, 1), On("Dest1", {H(A)})})),
        Case("the real card takes the joker's rank", 72, H(3), H(2), true)
            .Fnd().With(All({Set(48, 1), On("Dest1", {H(A), kJoker, H(3)})})),
        Case("four foundations: one suit each", 72, kNone, H(A) + 52, false)
            .Fnd().With(All({Set(48, 1), Set(49, 1), On("Dest2", {H(A)})})),
        Case("more foundations: no suit check", 72, kNone, H(A) + 52, true)
            .Fnd().With(All({Set(48, 1), Set(49, 1), Set(303, 5), On("Dest2", {H(A)})})),
    });
}

TEST(StepRules, ByOneOrTwoAndByThree) {
    Check({
        Case("91 before a step: by one", 91, H(5), S(6), true).Fnd(),
        Case("91 before a step: by two", 91, H(5), S(7), true).Fnd(),
        Case("91 before a step: not by three", 91, H(5), S(8), false).Fnd(),
        Case("91 before a step: 2 on King", 91, H(K), S(2), true).Fnd(),
        Case("91 before a step: Ace on Queen", 91, H(Q), S(A), true).Fnd(),
        Case("91 step two fixed", 91, H(5), D(7), true).Fnd(1).With(On("Dest1", {S(2), S(4)})),
        Case("91 step two: not by one", 91, H(5), D(6), false).Fnd(1).With(On("Dest1", {S(2), S(4)})),
        Case("91 step two: 2 on King", 91, H(K), D(2), true).Fnd(1).With(On("Dest1", {S(2), S(4)})),
        Case("91 King to Ace is a step of one", 91, H(5), D(6), true).Fnd(1).With(On("Dest1", {S(K), S(A)})),
        Case("91 step one: not by two", 91, H(5), D(7), false).Fnd(1).With(On("Dest1", {S(K), S(A)})),
        Case("91 empty by its rule", 91, kNone, S(A), true).Fnd().Empty(1),
        Case("91 empty: not another rank", 91, kNone, S(2), false).Fnd().Empty(1),
        Case("93 empty: the base", 93, kNone, S(A), true).With(Set(128, 1)),
        Case("93 empty: not another", 93, kNone, S(4), false).With(Set(128, 1)),
        Case("93 on the base: by three in suit", 93, H(A), H(4), true).With(All({Set(128, 1), On("Fila1", {H(A)})})),
        Case("93 on the base: not another suit", 93, H(A), S(4), false).With(All({Set(128, 1), On("Fila1", {H(A)})})),
        Case("93 on the base: not by four", 93, H(A), H(5), false).With(All({Set(128, 1), On("Fila1", {H(A)})})),
        Case("93 a lone stranger: the base from a lone tableau of its base", 93, H(4), S(A), true)
            .With(All({Set(128, 1), Set(129, 4), On("Fila1", {H(4)}), On("Fila2", {S(A)})})),
        Case("93 a lone stranger: not from a tableau of another base", 93, H(4), S(A), false)
            .With(All({Set(128, 1), Set(129, 2), On("Fila1", {H(4)}), On("Fila2", {S(A)})})),
        Case("93 a lone stranger: not from a longer tableau", 93, H(4), S(A), false)
            .With(All({Set(128, 1), Set(129, 4), On("Fila1", {H(4)}), On("Fila2", {D(9), S(A)})})),
    });
}

}  // namespace
}  // namespace velmora::play_test
