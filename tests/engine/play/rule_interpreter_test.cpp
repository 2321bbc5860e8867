#include "engine/play/rule_interpreter.h"

#include <gtest/gtest.h>

#include "play_table.h"

namespace velmora::play_test {
namespace {

TEST(StandardPath, RankStepsFiltersAndBaseRank) {
    Check({
        Case("down takes one lower", 2, H(9), S(8), true),
        Case("down refuses one higher", 2, H(9), S(10), false),
        Case("up takes one higher", 2, H(9), S(10), true).Up(),
        Case("up refuses one lower", 2, H(9), S(8), false).Up(),
        Case("either takes lower", 2, H(9), S(8), true).Either(),
        Case("either takes higher", 2, H(9), S(10), true).Either(),
        Case("either refuses two away", 2, H(9), S(J), false).Either(),
        Case("same suit", 0, H(9), H(8) + 52, true),
        Case("same suit refuses diamonds", 0, H(9), D(8), false),
        Case("same colour", 1, H(9), D(8), true),
        Case("same colour refuses black", 1, H(9), S(8), false),
        Case("alternating", 3, H(9), S(8), true),
        Case("alternating refuses red", 3, H(9), D(8), false),
        Case("6 never onto a card", 6, H(9), S(8), false),
        Case("6 onto an empty pile by its rule", 6, kNone, S(8), true),
        Case("empty pile by its empty rule", 2, kNone, S(K), true).Empty(K),
        Case("empty pile refuses another rank", 2, kNone, S(Q), false).Empty(K),
        Case("nothing on the base Ace, down", 2, H(A), S(K), false),
        Case("nothing on the base Ace, up", 2, H(A), S(2), false).Up(),
        Case("nothing on the base Ace, either", 2, H(A), S(2), false).Either(),
        Case("base 7: King on Ace", 2, H(A), S(K), true).Base(7),
        Case("base 7: nothing on a 7", 2, H(7), S(6), false).Base(7),
        Case("wrap opens the base Ace", 2, H(A), S(K), true).Wrap(1),
        Case("base Q keeps Aces closed", 2, H(A), S(K), false).Base(81),
        Case("base Q with wrap", 2, H(A), S(K), true).Base(81).Wrap(1),
        Case("up: Ace on a King", 2, H(K), S(A), true).Up(),
        Case("up: only an Ace on a King", 2, H(K), S(Q), false).Up(),
        Case("end reversal: Queen on King going up", 2, H(K), S(Q), true).Up().Wrap(2),
        Case("end reversal: 2 on Ace going down", 2, H(A), S(2), true).Wrap(2),
        Case("end reversal: no King on Ace", 2, H(A), S(K), false).Wrap(2),
        Case("foundation: Ace after King", 0, H(K), H(A) + 52, true).Fnd().Up().Empty(7),
        Case("foundation from the Ace ends at King", 0, H(K), H(A) + 52, false).Fnd().Up().Empty(1),
        Case("foundation down: King after Ace", 0, H(A), H(K) + 52, true).Fnd().Empty(5),
        Case("foundation down from King ends at Ace", 0, H(A), H(K) + 52, false).Fnd().Empty(13),
        Case("foundation down: only a King on Ace", 0, H(A), H(2) + 52, false).Fnd().Empty(5),
        Case("direction 3 refuses", 2, H(9), S(8), false).Dir(3),
        Case("direction -1 refuses", 2, H(9), S(10), false).Dir(-1),
        Case("direction 30000 refuses", 2, H(9), S(8), false).Dir(30000),
        Case("codes without a rule play as 2", 9, H(9), S(8), true),
        Case("codes without a rule play as 2, refusing", 57, H(9), S(7), false),
        Case("90, a high code without a rule, plays as 2", 90, H(9), S(8), true),
        Case("90 plays as 2, refusing", 90, H(9), S(10), false),
        Case("foundation-only code 10 plays as 2 here", 10, H(9), S(8), true),
        Case("foundation-only code 22 plays as 2 here", 22, H(9), S(8), true),
        Case("9 plays as 2 in any suit", 9, H(9), H(8) + 52, true),
        Case("13 plays as 2", 13, H(9), D(8), true),
        Case("13 plays as 2, refusing", 13, H(9), D(10), false),
        Case("8 plays as 2 in any colour", 8, H(9), D(8), true),
        Case("special codes ignore the direction", 14, H(5), S(7), true).Dir(7),
        Case("special codes ignore the direction (28)", 28, H(5), S(4), true).Dir(-4),
    });
}

TEST(CanPlaceCard, CommonStart) {
    auto stock = On("Mazzo", {D(3)});
    auto from_tableau = On("Fila2", {S(8)});
    Check({
        Case("a card on itself", 12, H(5), H(5), false),
        Case("lock 1: tableau to foundation", 12, H(9), S(8), false)
            .Fnd().With(All({stock, from_tableau, [](Table& t) { t.Rule(34, 1); }})),
        Case("lock 1 leaves tableau moves", 12, H(9), S(8), true)
            .With(All({stock, from_tableau, [](Table& t) { t.Rule(34, 1); }})),
        Case("lock 2: tableau anywhere", 12, H(9), S(8), false)
            .With(All({stock, from_tableau, [](Table& t) { t.Rule(34, 2); }})),
        Case("lock 3 ends with the waste", 12, H(9), S(8), true)
            .With(All({from_tableau, [](Table& t) { t.Rule(34, 3); }})),
        Case("lock 3 does not hold waste cards", 12, H(9), S(8), true)
            .With(All({On("Mazzo_Vis", {D(3), S(8)}), [](Table& t) { t.Rule(34, 3); }})),
    });
}

TEST(CanPlaceCard, RefusesInputsOutsideTheirRanges) {
    Check({
        Case("no moving card", 12, H(5), 0, false),
        Case("moving beyond the codes", 12, H(5), 109, false),
        Case("negative moving", 12, H(5), -30000, false),
        Case("target beyond the codes", 12, 109, H(5), false),
        Case("target below -1", 12, -2, H(5), false),
        Case("tableau index 28", 12, H(9), S(8), false).Pile(28),
        Case("negative index", 12, H(9), S(8), false).Pile(-1),
        Case("foundation index 16", 12, H(9), S(8), false).Fnd(16),
        Case("build code 100", 100, H(9), S(8), false),
        Case("build code 30000", 30000, H(9), S(8), false),
        Case("build code -30000", -30000, H(9), S(8), false),
        Case("empty rule 30000", 2, kNone, S(8), false).Empty(30000).Base(-1),
        Case("empty rule -30000", 2, kNone, S(8), false).Empty(-30000).Base(-1),
        Case("grid without columns", 70, kNone, S(8), false)
            .Pile(1).With(All({On("Fila1", {S(8)}), [](Table& t) { t.Rule(27, 0); }})),
        Case("grid with negative columns", 71, kNone, S(8), false)
            .Pile(2).With(All({On("Fila1", {S(8)}), On("Fila2", {H(3)}), [](Table& t) { t.Rule(27, -30000); }})),
    });
}

// Every code against edge inputs and wild rules values: nothing may read
// outside a pile or a list (the sanitizer build watches this).
TEST(CanPlaceCard, SweepsEveryCodeWithoutReadingOutOfBounds) {
    for (int wild : {0, 30000, -30000}) {
        Table t;
        t.Put("Dest1", {kJoker}).Put("Dest2", {H(K), kJoker + 1}).Put("Fila1", {S(5)}).Put("Fila28", {D(2)});
        t.Put("Appogg10", {C(3)}).Put("Mazzo_Vis", {H(9)});
        for (int n = 0; n < 402; ++n)
            if (n < 303 || n > 305) t.Rule(n, wild);
        t.e().deal_counter = wild;
        int accepted = 0;
        for (int code = -2; code <= 101; ++code)
            for (int target : {-1, 0, 1, 52, 104, 108})
                for (int moving : {1, 13, 105, 108})
                    for (int pile : {0, 15, 27})
                        for (bool foundation : {false, true}) {
                            PlaceInputs in;
                            in.build_code = code;
                            in.target = target;
                            in.moving = moving;
                            in.pile = pile;
                            in.foundation = foundation;
                            in.empty_rule = wild;
                            in.base_rank = wild;
                            in.wrap = wild;
                            in.direction = wild;
                            accepted += CanPlaceCard(t.e(), in, t.Move(moving)).accepted;
                        }
        EXPECT_GE(accepted, 0);
    }
}

TEST(CanPlaceCard, DropAndDealInputsReadTheirPiles) {
    Table t;
    t.Rule(48, 1).Rule(49, 7).Rule(81, 3).Rule(65, 2).Rule(213, 2).Rule(129, 4).Rule(157, 1).Rule(185, 0);
    t.Put("Dest2", {H(5)}).Put("Fila2", {S(9)});
    const PlaceInputs f = FoundationDropInputs(t.e(), 1, S(6));
    EXPECT_EQ(f.target, H(5));
    EXPECT_EQ(f.empty_rule, 7);
    EXPECT_EQ(f.base_rank, 7);
    EXPECT_EQ(f.build_code, 3);
    EXPECT_EQ(f.direction, 2);
    EXPECT_EQ(f.wrap, 1);
    const PlaceInputs d = DealPlacementInputs(t.e(), 2, S(6));
    EXPECT_EQ(d.target, 0);
    EXPECT_FALSE(d.drop);
    EXPECT_EQ(d.base_rank, 1);
    const PlaceInputs b = TableauDropInputs(t.e(), 1, S(6));
    EXPECT_EQ(b.target, S(9));
    EXPECT_EQ(b.empty_rule, 4);
    EXPECT_EQ(b.wrap, 2);
    EXPECT_EQ(b.base_rank, 1);
    EXPECT_EQ(TableauDropInputs(t.e(), 0, S(6)).target, -1);
}

}  // namespace
}  // namespace velmora::play_test
