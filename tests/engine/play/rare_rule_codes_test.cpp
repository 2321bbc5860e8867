// The other side of each build code's rule: the edges and the refusals that
// no catalogue game meets yet (wraps, suit cycles, direction changes,
// neighbouring codes), so that every code keeps its rule for the games to
// come.

#include <gtest/gtest.h>

#include "engine/play/grid_rules.h"
#include "engine/play/rule_context.h"
#include "play_table.h"

namespace velmora::play_test {
namespace {

constexpr int kOther = D(K) + 52;  // some card under the top one

TEST(RareRuleCodes, RankAndSuitCodes) {
    Check({
        Case("7 deal time: as 2 in any colour", 7, H(9), D(8), true).Deal(),
        Case("11 no Queen on a Jack, even going up", 11, H(J), H(Q) + 52, false).Up(),
        Case("11 a Jack on a Queen", 11, H(Q), H(J) + 52, true),
        Case("11 a 10 on a Jack", 11, H(J), H(10) + 52, true),
        Case("11 an Ace on a King going up", 11, H(K), H(A) + 52, true).Up().Wrap(1),
        Case("20 up in any suit", 20, H(5), S(6), true),
        Case("20 not down", 20, H(5), S(4), false),
        Case("20 no wrap beyond the Ace on the King", 20, H(K), S(2), false),
        Case("24 no King on a Queen, even going up", 24, H(Q), H(K) + 52, false).Up(),
        Case("24 a Jack on a Queen", 24, H(Q), H(J) + 52, true),
        Case("24 a Queen on a Jack going up", 24, H(J), H(Q) + 52, true).Up(),
        Case("24 a King onto an empty pile", 24, kNone, H(K), true),
        Case("24 a Queen onto an empty pile", 24, kNone, H(Q), true),
        Case("25 down by two", 25, H(7), H(5) + 52, true),
        Case("25 not down by one", 25, H(7), H(6) + 52, false),
        Case("25 not down by three", 25, H(7), H(4) + 52, false),
        Case("25 other suit", 25, H(7), S(5), false),
        Case("25 no 2 on a King", 25, H(K), H(2) + 52, false).Up(),
        Case("61 no 3 on a King", 61, H(K), H(3) + 52, false).Up(),
        Case("61 no 3 on a Queen", 61, H(Q), H(3) + 52, false).Up(),
        Case("61 no 2 on a Jack", 61, H(J), H(2) + 52, false).Up(),
        Case("61 no Ace on a Jack", 61, H(J), H(A) + 52, false).Up(),
        Case("27 alternating only", 27, H(9), D(8), false).With(On("Fila2", {D(8)})),
        Case("27 from the waste", 27, H(9), S(8), true).With(On("Mazzo_Vis", {S(8)})),
        Case("27 not from a foundation", 27, H(9), S(8), false).With(On("Dest1", {S(8)})),
        Case("30 other suit", 30, H(8), S(7), false).With(On("Fila1", {H(9), H(8)})),
        Case("30 never onto an empty pile", 30, kNone, S(7), false),
        Case("30 follows a rising pile", 30, H(8), H(9) + 52, true).With(On("Fila1", {H(7), H(8)})),
        Case("30 not against it", 30, H(8), H(7) + 52, false).With(On("Fila1", {H(7), H(8)})),
        Case("30 two of a rank count as rising", 30, H(8), H(9) + 52, true).With(On("Fila1", {S(8), H(8)})),
        Case("30 one card: the other way", 30, H(9), H(10) + 52, true).With(On("Fila1", {H(9)})),
        Case("30 one card: not by two", 30, H(9), H(J) + 52, false).With(On("Fila1", {H(9)})),
        Case("31 an Ace on a 2", 31, H(2), H(A) + 52, true),
        Case("31 not up", 31, H(9), H(10) + 52, false).Up(),
        Case("31 never onto an empty pile", 31, kNone, H(9), false),
        Case("32 a King on a Queen", 32, H(Q), H(K) + 52, true),
        Case("32 other suit", 32, H(8), S(9), false),
        Case("32 never onto an empty pile", 32, kNone, H(9), false),
        Case("34 no wrap", 34, H(A), S(K), false),
        Case("34 not by two", 34, H(9), S(7), false),
        Case("34 empty by its rule", 34, kNone, S(9), true).Empty(9),
        Case("35 Ace on a King", 35, H(K), S(A), true),
        Case("35 down", 35, H(9), S(8), true),
        Case("35 empty: not another rank", 35, kNone, S(9), false).Empty(8),
        Case("35 empty: its rank", 35, kNone, S(9), true).Empty(9),
        Case("39 no King", 39, H(Q), S(K), false),
        Case("39 not down", 39, H(5), S(4), false),
        Case("44 empty: not a 2", 44, kNone, S(2), false),
        Case("44 empty: an Ace", 44, kNone, S(A), true),
        Case("44 not down", 44, H(5), S(4), false),
        Case("44 a Queen on a Jack", 44, H(J), S(Q), true),
        Case("76 equal rank", 76, H(9), S(9), false).With(On("Fila1", {H(9)})),
        Case("76 the destination tableau decides, not the target", 76, H(9), S(10), true),
        Case("78 not by two", 78, H(9), H(J) + 52, false),
        Case("78 empty: not a 2", 78, kNone, S(2), false),
        Case("78 on a King: not a 2", 78, H(K), H(2) + 52, false),
        Case("86 diamonds then spades", 86, D(5), S(6), true),
        Case("86 spades then hearts", 86, S(5), H(6), true),
        Case("86 diamonds not then clubs", 86, D(5), C(6), false),
        Case("86 spades not then diamonds", 86, S(5), D(6), false),
        Case("86 clubs not then spades", 86, C(5), S(6), false),
        Case("86 up only", 86, H(5), C(4), false),
        Case("87 spades then hearts, down", 87, S(6), H(5), true),
        Case("87 diamonds then spades, down", 87, D(6), S(5), true),
        Case("87 down only", 87, C(6), D(7), false),
        Case("87 hearts then clubs", 87, H(6), C(5), true),
        Case("87 hearts not then spades", 87, H(6), S(5), false),
        Case("92 an Ace onto an empty pile", 92, kNone, S(A), true),
        Case("94 an Ace on a 2", 94, H(2), S(A), true),
        Case("94 a Queen on a King", 94, H(K), S(Q), true),
        Case("94 not up", 94, H(5), S(6), false),
        Case("94 nothing on a joker", 94, kJoker, H(A), false),
        Case("94 empty: from a reserve", 94, kNone, S(4), true).With(On("Appogg2", {S(4)})),
        Case("95 a King on a Queen", 95, S(Q), S(K) + 52, true),
        Case("95 a 2 on an Ace", 95, S(A), S(2) + 52, true),
        Case("95 other suit", 95, S(5), H(6), false),
        Case("95 not down", 95, S(5), S(4) + 52, false),
    });
}

TEST(RareRuleCodes, StandardPathEdges) {
    Check({
        Case("wrap 1 opens the base Ace going up", 2, H(A), S(2), true).Up().Wrap(1),
        Case("base 83 keeps Aces closed", 2, H(A), S(K), false).Base(83),
        Case("base 82 keeps Aces closed", 2, H(A), S(K), false).Base(82),
        Case("base 84 does not", 2, H(A), S(K), true).Base(84),
        Case("base 80 does not", 2, H(A), S(K), true).Base(80),
        Case("wrap -1 counts as none", 2, H(A), S(K), false).Wrap(-1),
        Case("end reversal: down as usual", 2, H(9), S(8), true).Wrap(2),
        Case("end reversal: up as usual", 2, H(9), S(10), true).Up().Wrap(2),
        Case("end reversal: not up when going down", 2, H(9), S(10), false).Wrap(2),
        Case("end reversal: a 2 on an Ace going up", 2, H(A), S(2), true).Up().Wrap(2),
        Case("end reversal: a Queen on a King going down", 2, H(K), S(Q), true).Wrap(2),
        Case("end reversal: no Ace on a King", 2, H(K), S(A), false).Up().Wrap(2),
        Case("end reversal: a King on a Queen going up", 2, H(Q), S(K), true).Up().Wrap(2),
        Case("foundation up: nothing but the next rank", 0, H(5), H(7) + 52, false).Fnd().Up().Empty(1),
        Case("foundation up: the next rank", 0, H(5), H(6) + 52, true).Fnd().Up().Empty(7),
        Case("foundation down: the next rank below", 0, H(7), H(6) + 52, true).Fnd().Empty(13),
        Case("either way on a foundation", 0, H(7), H(8) + 52, true).Fnd().Either().Empty(1),
        Case("either way on a foundation, down", 0, H(7), H(6) + 52, true).Fnd().Either().Empty(1),
        Case("a King under the base on the tableau", 2, H(K), S(Q), true).Base(5),
        Case("nothing on the base King", 2, H(K), S(Q), false).Base(13),
        Case("up: nothing on the base", 2, H(5), S(6), false).Up().Base(5),
    });
}

TEST(RareRuleCodes, FoundationCodes) {
    auto pile = [](std::string_view name, int n) {
        return [name, n](Table& t) {
            std::string text;
            for (int k = 0; k < n; ++k) text += CardCodeText(53 + k);
            *t.e().piles.Pile(ParsePileName(name)->list, ParsePileName(name)->index) = text;
        };
    };
    Check({
        Case("29 other suit", 29, H(5), S(6), false).Fnd().With(On("Dest1", {H(4), H(5)})),
        Case("29 up with twelve cards", 29, H(Q), H(K) + 52, true).Fnd().With(pile("Dest1", 12)),
        Case("29 not down with twelve", 29, H(Q), H(J) + 52, false).Fnd().With(pile("Dest1", 12)),
        Case("29 not up after fourteen", 29, H(Q), H(K) + 52, false).Fnd().With(pile("Dest1", 14)),
        Case("29 empty: not another rank", 29, kNone, H(2), false).Fnd().Empty(1),
        Case("36 empty on a tableau: no previous foundation needed", 36, kNone, S(5), true).Pile(1).Base(5),
        Case("36 King on an Ace", 36, H(A), S(K), true).Fnd(),
        Case("37 empty by its rule", 37, kNone, S(4), true).Fnd().Empty(4),
        Case("37 empty: another rank", 37, kNone, S(5), false).Fnd().Empty(4),
        Case("37 doubles past the King", 37, H(8), S(3), true).Fnd(),
        Case("41 wraps by two", 41, H(Q), H(A) + 52, true).Fnd(),
        Case("41 a King on a Jack", 41, H(J), H(K) + 52, true).Fnd(),
        Case("41 not by one", 41, H(5), H(6) + 52, false).Fnd(),
        Case("41 empty: its own base", 41, kNone, S(3), true).Fnd(1).With(All({Set(49, 3), On("Dest1", {H(3)})})),
        Case("41 empty: the four-suit check", 41, kNone, S(3), false)
            .Fnd(1).With(All({Set(49, 3), On("Dest1", {S(3) + 52})})),
        Case("42 not by two", 42, H(5), H(7) + 52, false).Fnd(),
        Case("42 other suit", 42, H(5), S(6), false).Fnd(),
        Case("42 no King when the seventh shows a Queen", 42, H(Q), H(K) + 52, false)
            .Fnd().With(On("Dest7", {S(Q)})),
        Case("42 the King of the eleventh looks at the seventeenth, which is none", 42, H(Q), H(K) + 52, false)
            .Fnd(10),
        Case("42 the tenth looks at the sixteenth", 42, H(Q), H(K) + 52, true).Fnd(9).With(On("Dest16", {S(K)})),
        Case("46 no King", 46, H(Q), S(K), false).Fnd(),
        Case("46 not down", 46, H(5), S(4), false).Fnd(),
        Case("46 empty: its base", 46, kNone, S(4), true).Fnd(2).With(Set(50, 4)),
        Case("46 empty: another rank", 46, kNone, S(5), false).Fnd(2).With(Set(50, 4)),
        Case("49 empty: its base beside a tableau", 49, kNone, S(4), true).Fnd(1).With(All({Set(49, 4), On("Fila2", {D(9)})})),
        Case("51 another suit at the tableau's bottom", 51, H(5), S(6), false).Fnd().With(On("Fila1", {D(9), S(9)})),
        Case("47 King on an Ace", 47, H(A), S(K), true).Fnd(),
        Case("47 not up", 47, H(5), S(6), false).Fnd(),
        Case("47 empty: its base", 47, kNone, S(K), true).Fnd(3).With(Set(51, 13)),
        Case("47 empty: another rank", 47, kNone, S(Q), false).Fnd(3).With(Set(51, 13)),
        Case("50 the index seven less does not count", 50, H(5), S(4), false).Fnd(8).With(On("Fila2", {D(9)})),
        Case("52 empty: its base, its suit", 52, kNone, S(K), true)
            .Fnd(9).With(All({Set(57, 13), On("Fila2", {S(9)})})),
        Case("53 the first foundation needs nothing", 53, H(5), S(6), true).Fnd(),
        Case("53 first foundation over-full", 53, H(5), S(6), false).Fnd(1).With(pile("Dest1", 14)),
        Case("53 Ace on a King", 53, H(K), S(A), true).Fnd(),
        Case("53 not down", 53, H(5), S(4), false).Fnd(),
        Case("53 empty: another rank", 53, kNone, S(5), false).Fnd().With(Set(48, 4)),
        Case("77 not a 3 after five", 77, S(2), C(3), false).Fnd().With(pile("Dest1", 5)),
        Case("77 a 3 after eight", 77, S(2), C(3), true).Fnd().With(pile("Dest1", 8)),
        Case("77 a 2 after seven", 77, S(2), C(2), true).Fnd().With(pile("Dest1", 7)),
        Case("77 empty: not a 2", 77, kNone, S(2), false).Fnd(),
        Case("82 not while the waste holds cards", 82, H(5), H(6) + 52, false).Fnd().Up().With(On("Mazzo_Vis", {D(2)})),
        Case("82 other suit", 82, H(5), S(6), false).Fnd().Up(),
        Case("82 empty tableau: no four-suit check", 82, kNone, S(A), true).Empty(1).With(On("Dest2", {S(A) + 52})),
        Case("82 empty: by its rule", 82, kNone, S(2), false).Fnd().Empty(1),
        Case("83 King on an Ace", 83, H(A), S(K), true).Fnd(3).With(On("Dest4", {H(2), H(A)})),
        Case("83 not up", 83, H(6), S(7), false).Fnd(2).With(On("Dest3", {H(6)})),
        Case("83 the fifth still takes its 5", 83, H(6), S(5), true).Fnd(4).With(On("Dest5", {H(7), H(6)})),
        Case("83 the first is done at its Ace", 83, H(A), S(K), false).Fnd().With(On("Dest1", {H(2), H(A)})),
        Case("96 other suit", 96, H(5), S(6), false).Fnd().Up(),
        Case("96 same colour is not enough", 96, H(5), D(6), false).Fnd().Up(),
        Case("96 empty tableau: no four-suit check", 96, kNone, H(A), true).Empty(1).With(On("Dest2", {H(A) + 52})),
        Case("96 empty: by its rule", 96, kNone, H(2), false).Fnd().Empty(1),
    });
}

TEST(RareRuleCodes, WhereTheCardComesFrom) {
    auto waste = On("Mazzo_Vis", {S(9)});
    auto tableau = On("Fila2", {S(8)});
    auto reserve = On("Appogg1", {S(8)});
    Check({
        Case("17 from a reserve", 17, H(9), S(8), true).With(reserve),
        Case("17 from nowhere", 17, H(9), S(8), true),
        Case("18 from a reserve onto a card", 18, H(9), S(8), true).With(All({reserve, On("Fila1", {H(9)})})),
        Case("19 not from a tableau", 19, H(9), S(8), false).With(tableau),
        Case("19 from a foundation", 19, H(9), S(8), true).With(On("Dest2", {S(8)})),
        Case("33 onto an empty tableau", 33, kNone, S(9), true).With(waste),
        Case("23 other suit", 23, H(5), S(6), false),
        Case("23 not down", 23, H(5), H(4) + 52, false),
        Case("38 not onto a lone Queen", 38, S(Q), H(5), false).With(On("Fila1", {S(Q)})),
        Case("38 not onto a King with a card under it", 38, S(K), H(5), false).With(On("Fila1", {kOther, S(K)})),
        Case("38 no King onto a lone King", 38, S(K), H(K), false).With(On("Fila1", {S(K)})),
        Case("38 empty: not a Queen", 38, kNone, H(Q), false),
        Case("48 a King onto a lone Queen", 48, S(Q), H(K), true).With(On("Fila1", {S(Q)})),
        Case("48 not onto a lone King", 48, S(K), H(5), false).With(On("Fila1", {S(K)})),
        Case("48 not while the waste holds cards", 48, kNone, H(Q), false).With(waste),
        Case("48 empty: not a King", 48, kNone, H(K), false),
        Case("45 no King onto a lone card", 45, H(9), S(K), false).With(On("Fila1", {H(9)})),
        Case("45 not while the waste holds cards", 45, kNone, H(K), false).With(waste),
        Case("40 not a King between the multiples", 40, H(9), S(K), false).With([](Table& t) { t.e().deal_counter = 25; }),
        Case("40 a King at 13", 40, H(9), S(K), true).With([](Table& t) { t.e().deal_counter = 13; }),
        Case("40 the rank at 1", 40, H(9), S(A), true).With([](Table& t) { t.e().deal_counter = 1; }),
        Case("40 one card in the waste alone", 40, H(9), S(6), true).With(On("Mazzo_Vis", {D(2)})),
        Case("40 not with two cards left", 40, H(9), S(6), false).With(All({On("Mazzo_Vis", {D(2)}), On("Mazzo", {D(3)})})),
        Case("54 not up", 54, H(5), S(6), false),
        Case("54 no King on an Ace with wrap 2", 54, H(A), S(K), false).With(Set(212, 2)),
        Case("54 the wrap flag of the destination", 54, H(A), S(K), true).Pile(1).With(Set(213, 1)),
        Case("54 empty: not from a reserve", 54, kNone, S(8), false).With(All({reserve, Set(128, -1)})),
        Case("54 empty: any rank with -1", 54, kNone, S(9), true).With(All({waste, Set(128, -1)})),
        Case("54 empty: the rule of its own index", 54, kNone, S(9), true).Pile(1).With(All({waste, Set(129, 9)})),
        Case("55 not down", 55, H(5), D(4), false),
        Case("55 empty: another rank", 55, kNone, S(9), false).With(All({waste, Set(128, 8)})),
        Case("55 empty: its rank", 55, kNone, S(9), true).With(All({waste, Set(128, 9)})),
        Case("55 empty: with an empty waste, from a tableau", 55, kNone, S(8), true).With(All({tableau, Set(128, -1)})),
        Case("55 empty: the rule of its own index", 55, kNone, S(9), true).Pile(1).With(All({waste, Set(129, 9)})),
        Case("56 other rank", 56, H(8), S(9), false).Pile(1).With(On("Fila2", {S(9)})),
        Case("56 from its own index", 56, H(8), S(8), true).Pile(1).With(tableau),
        Case("56 not from a reserve", 56, H(8), S(8), false).Pile(1).With(reserve),
        Case("79 empty: its base", 79, kNone, S(4), true).Fnd(1).With(Set(49, 4)),
        Case("79 empty: another rank", 79, kNone, S(5), false).Fnd(1).With(Set(49, 4)),
        Case("79 Ace on a King", 79, H(K), S(A), true).Fnd().With(On("Dest1", {H(Q), H(K)})),
        Case("79 not down", 79, H(5), S(4), false).Fnd().With(On("Dest1", {H(6), H(5)})),
        Case("79 eleven cards: not from its own reserve", 79, H(5), S(6), false).Fnd().With(All({
            On("Dest1", {53, 54, 55, 56, 57, 58, 59, 60, 61, 62, H(5)}), On("Appogg1", {S(6)})})),
        Case("79 eleven cards: from the waste", 79, H(5), S(6), true).Fnd().With(All({
            On("Dest1", {53, 54, 55, 56, 57, 58, 59, 60, 61, 62, H(5)}), On("Mazzo_Vis", {S(6)})})),
        Case("79 second foundation: from the second reserve", 79, H(5), S(6), true).Fnd(1).With(All({
            On("Dest2", {53, 54, 55, 56, 57, 58, 59, 60, 61, 62, 63, H(5)}), On("Appogg2", {S(6)})})),
        Case("80 onto a card: down", 80, S(9), S(8), true).With(All({On("Mazzo_Vis", {S(8)}), On("Fila1", {S(9)})})),
        Case("80 onto a card: up", 80, S(9), S(10), true).With(All({On("Mazzo_Vis", {S(10)}), On("Fila1", {S(9)})})),
        Case("80 onto a card: Ace on a King", 80, S(K), S(A), true)
            .With(All({On("Mazzo_Vis", {S(A)}), On("Fila1", {S(K)})})),
        Case("80 other suit", 80, H(9), S(8), false).With(All({On("Mazzo_Vis", {S(8)}), On("Fila1", {H(9)})})),
        Case("80 onto a card: not from a tableau", 80, S(9), S(8), false).With(All({tableau, On("Fila1", {S(9)})})),
        Case("81 not from a tableau", 81, H(5), S(8), false).With(tableau),
        Case("81 reserve holds cards: King on an Ace", 81, S(A), S(K), true).With(All({waste, On("Appogg1", {D(2)})})),
        Case("81 reserve holds cards: never onto nothing", 81, kNone, S(9), false).With(All({waste, On("Appogg1", {D(2)})})),
        Case("81 beyond the reserves", 81, kNone, S(9), false).Pile(10).With(waste),
        Case("81 the reserve of its own index", 81, kNone, S(9), true).Pile(1).With(All({waste, On("Appogg1", {D(2)})})),
    });
}

TEST(RareRuleCodes, StepsAndBases) {
    Check({
        Case("91 King to 2 is a step of two", 91, H(5), D(7), true).Fnd(1).With(On("Dest1", {S(K), S(2)})),
        Case("91 Queen to Ace is a step of two", 91, H(Q), D(A), true).Fnd(1).With(On("Dest1", {S(Q), S(A)})),
        Case("91 step two: not by one", 91, H(Q), D(K), false).Fnd(1).With(On("Dest1", {S(Q), S(A)})),
        Case("91 step one: Ace on a King", 91, H(K), D(A), true).Fnd(1).With(On("Dest1", {S(3), S(4)})),
        Case("91 step one: no 2 on a King", 91, H(K), D(2), false).Fnd(1).With(On("Dest1", {S(3), S(4)})),
        Case("91 step three", 91, H(5), D(8), true).Fnd(1).With(On("Dest1", {S(2), S(5)})),
        Case("91 step three: not by one", 91, H(5), D(6), false).Fnd(1).With(On("Dest1", {S(2), S(5)})),
        Case("91 the first foundation with two cards decides", 91, H(5), D(7), true)
            .Fnd(2).With(All({On("Dest1", {S(9)}), On("Dest2", {C(2), C(4)}), On("Dest4", {D(2), D(3)})})),
        Case("91 a foundation beyond those in use does not", 91, H(5), D(7), true)
            .Fnd(1).With(All({Set(303, 2), On("Dest3", {C(2), C(3)})})),
        Case("91 before a step: not down", 91, H(5), S(4), false).Fnd(),
        Case("91 before a step: an Ace on a King", 91, H(K), S(A), true).Fnd(),
        Case("91 before a step: no 3 on a King", 91, H(K), S(3), false).Fnd(),
        Case("93 on the base: a second step", 93, H(4), H(7), true).With(All({Set(128, 1), On("Fila1", {H(A), H(4)})})),
        Case("93 a pile not on its base takes nothing", 93, H(4), H(7), false)
            .With(All({Set(128, 1), On("Fila1", {H(2), H(4)})})),
        Case("93 a lone stranger: only the base rank", 93, H(4), S(2), false)
            .With(All({Set(128, 1), Set(129, 4), On("Fila1", {H(4)}), On("Fila2", {S(2)})})),
        Case("93 a lone stranger: not from a reserve", 93, H(4), S(A), false)
            .With(All({Set(128, 1), On("Fila1", {H(4)}), On("Appogg1", {S(A)})})),
        Case("93 the base of its own index", 93, kNone, S(3), true).Pile(2).With(Set(130, 3)),
        Case("93 a lone stranger: the base from the first tableau", 93, H(4), S(A), true)
            .Pile(1).With(All({Set(129, 1), Set(128, 4), On("Fila2", {H(4)}), On("Fila1", {S(A)})})),
        Case("91 empty by its rule, not by a step", 91, kNone, S(5), true).Fnd().Empty(5),
    });
}

TEST(RareRuleCodes, GridCells) {
    struct Row {
        int columns, from, to;
        bool neighbours;
        int jumped;  // the cell jumped over, -1 for none
    };
    const Row rows[] = {
        {3, 5, 6, true, -1},    {3, 6, 5, true, -1},    {3, 3, 4, false, -1},  {3, 4, 3, false, -1},
        {3, 2, 5, true, -1},    {3, 8, 5, true, -1},    {3, 1, 5, false, -1},  {3, 1, 3, false, 2},
        {3, 3, 1, false, 2},    {3, 1, 7, false, 4},    {3, 7, 1, false, 4},   {3, 2, 4, false, -1},
        {3, 3, 5, false, -1},   {4, 1, 9, false, 5},    {4, 9, 1, false, 5},   {3, 0, 1, false, -1},
        {3, 1, 0, false, -1},   {3, 27, 26, true, -1},  {3, 28, 25, true, -1}, {3, 29, 26, false, -1},
        {3, 25, 27, false, 26}, {3, 22, 28, false, 25}, {3, 28, 30, false, -1}, {0, 1, 2, false, -1},
        {0, 5, 5, false, -1},   {1, 1, 2, true, -1},    {1, 1, 3, false, 2},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(GridNeighbours(row.columns, row.from, row.to), row.neighbours)
            << row.columns << ": " << row.from << " -> " << row.to;
        EXPECT_EQ(GridJumpOver(row.columns, row.from, row.to), row.jumped)
            << row.columns << ": " << row.from << " -> " << row.to;
    }
}

TEST(RareRuleCodes, JokerFoundations) {
    Check({
        Case("75 builds up in suit like 72", 75, H(4), H(5), true).Fnd().With(All({Set(48, 1), On("Dest1", {H(4)})})),
        Case("75 not in another suit", 75, H(4), S(5), false).Fnd().With(All({Set(48, 1), On("Dest1", {H(4)})})),
        Case("onto a joker: one above the card below", 72, kJoker, H(2), true)
            .Fnd().With(All({Set(48, 1), On("Dest1", {H(A), kJoker})})),
        Case("onto a joker: not three above", 72, kJoker, H(4), false)
            .Fnd().With(All({Set(48, 1), On("Dest1", {H(A), kJoker})})),
        Case("onto two jokers: three above", 72, kJoker + 1, H(4), true)
            .Fnd().With(All({Set(48, 1), On("Dest1", {H(A), kJoker, kJoker + 1})})),
        Case("only jokers, base fixed later: anything", 72, kJoker, H(9), true).Fnd().With(All({Set(48, -2), On("Dest1", {kJoker})})),
        Case("onto two lone jokers: X + 2", 72, kJoker + 1, H(3), true)
            .Fnd().With(All({Set(48, 1), On("Dest1", {kJoker, kJoker + 1})})),
        Case("onto two lone jokers: not X", 72, kJoker + 1, H(A), false)
            .Fnd().With(All({Set(48, 1), On("Dest1", {kJoker, kJoker + 1})})),
        Case("onto a card: not two above", 72, H(A), H(3), false).Fnd().With(All({Set(48, 1), On("Dest1", {H(A)})})),
        Case("onto a card: Ace on a King with base 7", 72, H(K), H(A), true)
            .Fnd().With(All({Set(48, 7), On("Dest1", {H(Q), H(K)})})),
        Case("onto a card: no Ace on a King with base 1", 72, H(K), H(A) + 52, false)
            .Fnd().With(All({Set(48, 1), On("Dest1", {H(Q), H(K)})})),
        Case("the real card for a joker at the bottom", 72, H(3), H(A), true)
            .Fnd().With(All({Set(48, 1), On("Dest1", {kJoker, H(2), H(3)})})),
        Case("not a card no joker stands for", 72, H(3), H(K), false)
            .Fnd().With(All({Set(48, 1), On("Dest1", {kJoker, H(2), H(3)})})),
        Case("the real card in another suit", 72, H(3), S(2), false)
            .Fnd().With(All({Set(48, 1), On("Dest1", {H(A), kJoker, H(3)})})),
        Case("base -2 under a bottom joker over an Ace: the King", 72, kNone, S(K), true)
            .Fnd().With(All({Set(48, -2), On("Dest2", {kJoker, H(A)})})),
        Case("base -2 under a bottom joker over an Ace: not a 5", 72, kNone, S(5), false)
            .Fnd().With(All({Set(48, -2), On("Dest2", {kJoker, H(A)})})),
        Case("base -2 under a bottom joker over a 2: the Ace", 72, kNone, S(A), true)
            .Fnd().With(All({Set(48, -2), On("Dest2", {kJoker, H(2)})})),
        Case("base -2: a foundation not in use fixes nothing", 72, kNone, S(4), true)
            .Fnd().With(All({Set(48, -2), On("Dest5", {D(9)})})),
        Case("a King on a Queen with base 7", 72, H(Q), H(K), true)
            .Fnd().With(All({Set(48, 7), On("Dest1", {H(J), H(Q)})})),
        Case("base -2 under jokers only: anything", 72, kNone, S(4), true)
            .Fnd().With(All({Set(48, -2), On("Dest2", {kJoker, kJoker + 1})})),
        Case("base -2 from the first foundation that holds cards", 72, kNone, S(4), true)
            .Fnd(1).With(All({Set(49, -2), On("Dest1", {D(4)}), On("Dest3", {C(9)})})),
        Case("a joker onto a tableau is no foundation move", 72, H(4), kJoker, false)
            .With(All({Set(48, 1), On("Fila1", {H(4)}), On("Dest1", {H(4) + 52})})),
        Case("four foundations: the joker passes the suit check", 72, H(4), kJoker, true)
            .Fnd().With(All({Set(48, 1), On("Dest1", {H(4)}), On("Dest2", {S(A)})})),
    });
}

TEST(RareRuleCodes, EmptyRuleEdgesAndFourSuitGroups) {
    Check({
        Case("]: not another rank once started", 2, kNone, S(8), false)
            .Empty(']').With(All({On("Appogg1", {S(8)}), On("Dest3", {D(9)})})),
        Case("\\: every started foundation must match", 2, kNone, S(9), false)
            .Empty('\\').With(All({On("Dest1", {D(9)}), On("Dest3", {D(8)})})),
        Case("\\: the first foundation counts too", 2, kNone, S(4), false).Empty('\\').With(On("Dest1", {D(3)})),
        Case("U: no hearts twice", 2, kNone, H(A) + 52, false)
            .Fnd().Empty('U').With(All({Set(48, 'U'), Set(49, 'U'), Set(50, 'U'), Set(51, 'U'), On("Dest2", {H(A)})})),
        Case("U: hearts beside diamonds", 2, kNone, H(A) + 52, true)
            .Fnd().Empty('U').With(All({Set(48, 'U'), Set(49, 'U'), Set(50, 'U'), Set(51, 'U'), On("Dest2", {D(A)})})),
        Case("\\: only foundations in use count", 2, kNone, S(9), true)
            .Empty('\\').With(All({Set(303, 2), On("Dest1", {D(9)}), On("Dest3", {D(8)})})),
        Case("`: reserves beyond those in use do not count", 2, kNone, S(9), true)
            .Empty('`').With(All({Set(305, 2), On("Mazzo_Vis", {S(9)}), On("Appogg3", {D(2)})})),
        Case("X: from nowhere", 2, kNone, S(9), true).Empty('X'),
        Case("13: a King", 2, kNone, S(K), true).Empty(13),
        Case("1: an Ace", 2, kNone, S(A), true).Empty(1),
        Case("14 is no rank", 2, kNone, S(A), false).Empty(14),
        Case("-2 takes nothing on a tableau", 2, kNone, S(A), false).Empty(-2),
        Case("-2 takes anything with base -1", 2, kNone, S(A), true).Empty(-2).Base(-1),
        Case("127 with base -1", 2, kNone, S(A), true).Empty(127).Base(-1),
        Case("128 is out of range", 2, kNone, S(A), false).Empty(128).Base(-1),
        Case("-3 is out of range", 2, kNone, S(A), false).Empty(-3).Base(-1),
    });
    struct Row {
        const char* what;
        std::vector<std::pair<const char*, std::vector<int>>> foundations;
        int dest, moving;
        bool passes;
    };
    const std::vector<Row> rows = {
        {"a joker on top shows the suit under it", {{"Dest2", {H(A), kJoker}}}, 0, H(5), false},
        {"a joker brings no suit", {{"Dest2", {H(A), kJoker}}}, 0, kJoker, true},
        {"a foundation of jokers only shows none", {{"Dest1", {kJoker}}, {"Dest3", {H(2)}}}, 1, D(5), true},
        {"the moving card takes the destination's place", {{"Dest4", {H(A)}}}, 3, H(5), true},
        {"the fourth belongs to the first group", {{"Dest2", {H(A)}}, {"Dest8", {S(A)}}}, 3, H(5) + 52, false},
        {"the fourth, another suit", {{"Dest2", {H(A)}}, {"Dest8", {S(A)}}}, 3, S(5) + 52, true},
        {"the first group ends at the fourth", {{"Dest5", {D(A)}}}, 0, D(5), true},
        {"beyond the first group the card is one more suit", {{"Dest5", {D(A)}}}, 4, D(5) + 52, false},
        {"the eighth", {{"Dest8", {S(A)}}}, 7, S(5) + 52, false},
        {"the eighth, another suit", {{"Dest8", {S(A)}}}, 7, C(5), true},
        {"foundations past the eighth use the second group", {}, 15, S(5), true},
        {"the second group there too", {{"Dest6", {S(2)}}}, 15, S(5), false},
        {"no foundation 17", {}, 16, S(5), false},
        {"no foundation 0", {}, -1, S(5), false},
    };
    for (const Row& row : rows) {
        Table t;
        for (const auto& [pile, cards] : row.foundations) {
            std::string& text = t.e().piles.foundations[static_cast<size_t>(ParsePileName(pile)->index)];
            for (int card : cards) text += CardCodeText(card);
        }
        EXPECT_EQ(FourSuitCheck(t.e(), row.dest, row.moving), row.passes) << row.what;
    }
}

}  // namespace
}  // namespace velmora::play_test
