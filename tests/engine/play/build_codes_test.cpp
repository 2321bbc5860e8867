// Every build code, with cases it accepts and cases it refuses.

#include <gtest/gtest.h>

#include "play_table.h"

namespace velmora::play_test {
namespace {

// Cards used as "some other card" in pile setups.
constexpr int kFiller1 = D(K) + 52;
constexpr int kFiller2 = C(K) + 52;

TEST(BuildCodes, RankArithmetic) {
    Check({
        Case("4 never", 4, H(9), S(8), false),
        Case("5 never", 5, kNone, S(8), false),
        Case("7 drop: empty pile, empty stock", 7, kNone, S(8), true),
        Case("7 drop: not while the stock holds cards", 7, kNone, S(8), false).With(On("Mazzo", {D(2)})),
        Case("7 drop: never onto a card", 7, H(9), S(8), false),
        Case("7 run check: as 2", 7, H(9), S(8), true).Deal(),
        Case("8 as 2", 8, H(9), S(8), true),
        Case("8 as 2, refusing", 8, H(9), S(7), false),
        Case("11 same suit down", 11, H(10), H(9) + 52, true),
        Case("11 other suit", 11, H(10), S(9), false),
        Case("11 no Queen on King", 11, H(K), H(Q) + 52, false),
        Case("12 always", 12, H(2), S(9), true),
        Case("14 on a drop an empty pile is -1: Ace", 14, kNone, S(A), true),
        Case("14 on a drop: not a 2", 14, kNone, S(2), false),
        Case("14 at the deal an empty pile is 0: 2", 14, 0, S(2), true).Deal(),
        Case("14 at the deal: not an Ace", 14, 0, S(A), false).Deal(),
        Case("14 by two", 14, H(5), S(7), true),
        Case("14 wraps", 14, H(Q), S(A), true),
        Case("15 by three", 15, H(5), S(8), true),
        Case("15 not by two", 15, H(5), S(7), false),
        Case("16 by four", 16, H(5), S(9), true),
        Case("16 not by three", 16, H(5), S(8), false),
        Case("20 empty: Ace", 20, kNone, S(A), true),
        Case("20 empty: nothing else", 20, kNone, S(2), false),
        Case("20 Ace on King", 20, H(K), S(A), true),
        Case("21 suits differ", 21, H(9), S(8), true),
        Case("21 same suit", 21, H(9), H(8) + 52, false),
        Case("21 empty by rule", 21, kNone, S(K), true).Empty(K),
        Case("24 same suit", 24, H(9), H(8) + 52, true),
        Case("24 other suit", 24, H(9), S(8), false),
        Case("24 no Queen on King", 24, H(K), H(Q) + 52, false),
        Case("24 empty by rule, any suit", 24, kNone, S(5), true),
        Case("25 up by two", 25, H(5), H(7) + 52, true).Up(),
        Case("25 direction decides", 25, H(5), H(7) + 52, false),
        Case("25 empty by rule", 25, kNone, S(3), true).Empty(3),
        Case("61 2 on King", 61, H(K), H(2) + 52, true).Up(),
        Case("61 Ace on Queen", 61, H(Q), H(A) + 52, true).Up(),
        Case("61 wrap in suit only", 61, H(K), S(2), false).Up(),
        Case("26 short tableau, up", 26, H(9), S(10), true).With(On("Fila1", {H(9)})),
        Case("26 short tableau, down", 26, H(9), S(8), true).With(On("Fila1", {kFiller1, H(9)})),
        Case("26 three cards", 26, H(9), S(8), false).With(On("Fila1", {kFiller1, kFiller2, H(9)})),
        Case("26 never empty", 26, kNone, S(8), false),
        Case("27 alternating from a tableau", 27, H(9), S(8), true).With(On("Fila2", {S(8)})),
        Case("27 not from a reserve", 27, H(9), S(8), false).With(On("Appogg1", {S(8)})),
        Case("28 empty: anything", 28, kNone, S(8), true).Empty(5),
        Case("28 2 on Ace", 28, H(A), S(2), true),
        Case("28 no King on Ace", 28, H(A), S(K), false),
        Case("60 same suit either way", 60, H(9), H(10) + 52, true),
        Case("60 other suit", 60, H(9), S(8), false),
        Case("30 follows a falling pile", 30, H(8), H(7) + 52, true).With(On("Fila1", {H(9), H(8)})),
        Case("30 not against it", 30, H(8), H(9) + 52, false).With(On("Fila1", {H(9), H(8)})),
        Case("30 one card: either way", 30, H(9), H(8) + 52, true).With(On("Fila1", {H(9)})),
        Case("30 no King on Ace", 30, H(A), H(K) + 52, false).With(On("Fila1", {H(A)})),
        Case("31 same suit down", 31, H(9), H(8) + 52, true),
        Case("31 other suit", 31, H(9), S(8), false),
        Case("32 same suit up", 32, H(8), H(9) + 52, true),
        Case("32 never on a King", 32, H(K), H(A) + 52, false),
        Case("34 down any suit", 34, H(9), H(8) + 52, true),
        Case("34 not up", 34, H(9), S(10), false).Up(),
        Case("34 empty by rule", 34, kNone, S(8), false).Empty(9),
        Case("35 either way", 35, H(9), S(10), true),
        Case("35 King on Ace", 35, H(A), S(K), true),
        Case("35 not by two", 35, H(9), S(J), false),
        Case("39 empty: Ace", 39, kNone, S(A), true),
        Case("39 empty: not a 2", 39, kNone, S(2), false),
        Case("39 up", 39, H(5), S(6), true),
        Case("39 no Queen", 39, H(J), S(Q), false),
        Case("43 same suit by two", 43, H(5), H(7) + 52, true),
        Case("43 other suit", 43, H(5), S(7), false),
        Case("43 not by one", 43, H(5), H(6) + 52, false),
        Case("43 empty by rule", 43, kNone, S(2), true).Empty(2),
        Case("44 up any suit", 44, H(5), S(6), true),
        Case("44 no King", 44, H(Q), S(K), false),
        Case("73 rank of the pile number", 73, H(9), S(5), true).Pile(4),
        Case("73 other rank", 73, H(9), S(4), false).Pile(4),
        Case("76 empty tableau", 76, kNone, S(K), true),
        Case("76 lower", 76, H(9), S(3), true).With(On("Fila1", {H(9)})),
        Case("76 not higher", 76, H(9), S(10), false).With(On("Fila1", {H(9)})),
        Case("78 empty: Ace", 78, kNone, S(A), true),
        Case("78 Ace on King", 78, H(K), S(A), true),
        Case("78 same suit up", 78, H(9), H(10) + 52, true),
        Case("78 other suit", 78, H(9), S(10), false),
        Case("86 empty: Ace", 86, kNone, S(A), true),
        Case("86 empty: not a 2", 86, kNone, S(2), false),
        Case("86 hearts then clubs", 86, H(5), C(6), true),
        Case("86 hearts not then diamonds", 86, H(5), D(6), false),
        Case("87 empty: anything", 87, kNone, S(7), true),
        Case("87 clubs then diamonds, down", 87, C(6), D(5), true),
        Case("87 clubs not then hearts", 87, C(6), H(5), false),
        Case("92 Ace", 92, H(9), S(A), true),
        Case("92 only an Ace", 92, kNone, S(2), false),
        Case("94 alternating down", 94, H(5), S(4), true),
        Case("94 colours must differ", 94, H(5), D(4), false),
        Case("94 King on every Ace", 94, H(A), S(K), true),
        Case("94 King on the diamond Ace", 94, D(A), S(K), true),
        Case("94 empty from the waste while reserves are empty", 94, kNone, S(4), true)
            .With(On("Mazzo_Vis", {S(4)})),
        Case("94 empty: not from the waste while a reserve holds cards", 94, kNone, S(4), false)
            .With(All({On("Mazzo_Vis", {S(4)}), On("Appogg2", {H(2)})})),
        Case("94 empty: not from a tableau", 94, kNone, S(4), false).With(On("Fila3", {S(4)})),
        Case("95 same suit up", 95, H(5), H(6) + 52, true),
        Case("95 Ace on every King", 95, S(K), S(A) + 52, true),
        Case("95 empty: Ace", 95, kNone, S(A), true),
        Case("95 empty: not a 2", 95, kNone, S(2), false),
    });
}

TEST(BuildCodes, OtherPilesByIndex) {
    auto hearts = [](int n) {
        return [n](Table& t) {
            std::string pile;
            for (int r = 1; r <= n; ++r) pile += CardCodeText(r <= 13 ? H(r) : H(27 - r) + 52);
            t.e().piles.foundations[0] = pile;
        };
    };
    auto many = [](std::string_view name, int n) {
        return [name, n](Table& t) {
            std::string pile;
            for (int k = 0; k < n; ++k) pile += CardCodeText(53 + k);
            *t.e().piles.Pile(ParsePileName(name)->list, ParsePileName(name)->index) = pile;
        };
    };
    Check({
        Case("29 up while short", 29, H(5), H(6) + 52, true).Fnd().With(hearts(5)),
        Case("29 a second King after 13", 29, H(K), H(K) + 52, true).Fnd().With(hearts(13)),
        Case("29 only a King after 13", 29, H(K), H(Q) + 52, false).Fnd().With(hearts(13)),
        Case("29 down after 14", 29, H(K) + 52, H(Q) + 52, true).Fnd().With(hearts(14)),
        Case("29 empty by its letter rule", 29, kNone, H(A), true).Fnd().Empty(1),
        Case("36 empty: the base rank", 36, kNone, S(5), true).Fnd().Base(5),
        Case("36 empty: another rank", 36, kNone, S(6), false).Fnd().Base(5),
        Case("36 needs the previous foundation", 36, kNone, S(5), false).Fnd(1).Base(5),
        Case("36 previous started", 36, kNone, S(5), true).Fnd(1).Base(5).With(On("Dest1", {D(5)})),
        Case("36 down", 36, H(9), S(8), true).Fnd(),
        Case("36 not up", 36, H(9), S(10), false).Fnd(),
        Case("37 doubles", 37, H(3), S(6), true).Fnd(),
        Case("37 not by two", 37, H(3), S(5), false).Fnd(),
        Case("37 King once the first foundation holds 48", 37, H(3), S(K), true).Fnd(1).With(many("Dest1", 48)),
        Case("37 no King before", 37, H(3), S(K), false).Fnd(1).With(many("Dest1", 47)),
        Case("41 same suit by two", 41, H(5), H(7) + 52, true).Fnd(),
        Case("41 other suit", 41, H(5), S(7), false).Fnd(),
        Case("41 empty: its base and a new suit", 41, kNone, S(3), true)
            .Fnd().With(All({Set(48, 3), On("Dest2", {H(3)})})),
        Case("41 empty: a suit already started", 41, kNone, S(3), false)
            .Fnd().With(All({Set(48, 3), On("Dest2", {S(3) + 52})})),
        Case("41 empty: another rank", 41, kNone, S(4), false).Fnd().With(Set(48, 3)),
        Case("42 same suit up", 42, H(5), H(6) + 52, true).Fnd(),
        Case("42 King when the seventh foundation shows one", 42, H(Q), H(K) + 52, true)
            .Fnd().With(On("Dest7", {S(K)})),
        Case("42 no King otherwise", 42, H(Q), H(K) + 52, false).Fnd(),
        Case("42 never empty", 42, kNone, S(A), false).Fnd(),
        Case("46 up any suit", 46, H(5), S(6), true).Fnd(),
        Case("46 no Queen", 46, H(J), S(Q), false).Fnd(),
        Case("49 needs its tableau", 49, H(5), S(6), false).Fnd(),
        Case("49 tableau holds cards", 49, H(5), S(6), true).Fnd().With(On("Fila1", {D(9)})),
        Case("51 tableau of the suit", 51, H(5), S(6), true).Fnd().With(On("Fila1", {S(9)})),
        Case("51 tableau of another suit", 51, H(5), S(6), false).Fnd().With(On("Fila1", {D(9)})),
        Case("47 down", 47, H(5), S(4), true).Fnd(),
        Case("47 no Queen", 47, H(K), S(Q), false).Fnd(),
        Case("50 tableau eight to the left", 50, H(5), S(4), true).Fnd(8).With(On("Fila1", {D(9)})),
        Case("50 that tableau empty", 50, H(5), S(4), false).Fnd(8),
        Case("50 no such tableau", 50, H(5), S(4), false).Fnd(3),
        Case("52 its bottom suit", 52, H(5), S(4), true).Fnd(8).With(On("Fila1", {S(9)})),
        Case("52 another suit", 52, H(5), S(4), false).Fnd(8).With(On("Fila1", {D(9)})),
        Case("53 first foundation complete", 53, H(5), S(6), true).Fnd(1).With(hearts(13)),
        Case("53 first foundation incomplete", 53, H(5), S(6), false).Fnd(1).With(hearts(12)),
        Case("53 empty: its base", 53, kNone, S(4), true).Fnd().With(Set(48, 4)),
        Case("77 empty: Ace", 77, kNone, S(A), true).Fnd(),
        Case("77 rank by fours", 77, S(A), C(2), true).Fnd().With(many("Dest1", 5)),
        Case("77 not the next rank too early", 77, S(A), C(3), false).Fnd().With(many("Dest1", 5)),
        Case("82 same suit, stock and waste empty", 82, H(5), H(6) + 52, true).Fnd().Up(),
        Case("82 not while the stock holds cards", 82, H(5), H(6) + 52, false).Fnd().Up().With(On("Mazzo", {D(2)})),
        Case("82 empty: a new suit", 82, kNone, S(A), true).Fnd().Empty(1).With(On("Dest2", {H(A)})),
        Case("82 empty: a suit already there", 82, kNone, S(A), false).Fnd().Empty(1).With(On("Dest2", {S(A) + 52})),
        Case("83 down", 83, H(6), S(5), true).Fnd(2).With(On("Dest3", {H(6)})),
        Case("83 foundation done at its number", 83, H(5), S(4), false).Fnd(4).With(On("Dest5", {H(6), H(5)})),
        Case("83 the seventh done only with 13 cards", 83, H(7), S(6), true).Fnd(6).With(On("Dest7", {H(8), H(7)})),
        Case("83 the seventh with 13 cards", 83, H(7), S(6), false)
            .Fnd(6).With(On("Dest7", {53, 54, 55, 56, 57, 58, 59, 60, 61, 62, 63, 64, H(7)})),
        Case("96 empty: a new suit", 96, kNone, H(A), true).Fnd().Empty(1).With(On("Dest2", {S(A)})),
        Case("96 empty: a suit already there", 96, kNone, H(A), false).Fnd().Empty(1).With(On("Dest2", {H(A) + 52})),
        Case("96 same suit up", 96, H(5), H(6) + 52, true).Fnd().Up(),
    });
}

TEST(BuildCodes, WhereTheCardComesFrom) {
    auto waste = On("Mazzo_Vis", {S(9)});
    auto tableau = On("Fila2", {S(8)});
    auto reserve = On("Appogg1", {S(8)});
    Check({
        Case("17 from the waste", 17, H(9), S(9), true).With(waste),
        Case("17 not from a tableau", 17, H(9), S(8), false).With(tableau),
        Case("18 tableau card onto an empty tableau", 18, kNone, S(8), true).With(tableau),
        Case("18 tableau card onto a card", 18, H(9), S(8), false).With(All({tableau, On("Fila1", {H(9)})})),
        Case("19 from the waste", 19, H(9), S(9), true).With(waste),
        Case("19 not from a reserve", 19, H(9), S(8), false).With(reserve),
        Case("33 onto one card", 33, H(9), S(9), true).With(All({waste, On("Fila1", {H(9)})})),
        Case("33 not onto two", 33, H(9), S(9), false).With(All({waste, On("Fila1", {kFiller1, H(9)})})),
        Case("33 not from a tableau", 33, kNone, S(8), false).With(tableau),
        Case("23 same suit up, waste empty", 23, H(5), H(6) + 52, true),
        Case("23 not while the waste holds cards", 23, H(5), H(6) + 52, false).With(waste),
        Case("23 never empty", 23, kNone, S(A), false),
        Case("38 onto a lone King", 38, S(K), H(5), true).With(On("Fila1", {S(K)})),
        Case("38 no Queen onto it", 38, S(K), H(Q), false).With(On("Fila1", {S(K)})),
        Case("38 empty: a King", 38, kNone, H(K), true),
        Case("38 not while the waste holds cards", 38, kNone, H(K), false).With(waste),
        Case("48 onto a lone Queen", 48, S(Q), H(5), true).With(On("Fila1", {S(Q)})),
        Case("48 no Queen onto it", 48, S(Q), D(Q), false).With(On("Fila1", {S(Q)})),
        Case("48 empty: a Queen", 48, kNone, H(Q), true),
        Case("45 empty: a King", 45, kNone, H(K), true),
        Case("45 empty: not a Queen", 45, kNone, H(Q), false),
        Case("45 onto a lone card", 45, H(9), S(3), true).With(On("Fila1", {H(9)})),
        Case("45 down onto a pile", 45, H(9), S(8), true).With(On("Fila1", {kFiller1, H(9)})),
        Case("45 not otherwise", 45, H(9), S(3), false).With(On("Fila1", {kFiller1, H(9)})),
        Case("40 rank of the deal counter", 40, H(9), S(5), true).With([](Table& t) { t.e().deal_counter = 18; }),
        Case("40 another rank", 40, H(9), S(6), false).With([](Table& t) { t.e().deal_counter = 18; }),
        Case("40 King at multiples of 13", 40, H(9), S(K), true).With([](Table& t) { t.e().deal_counter = 26; }),
        Case("40 anything with one card left", 40, H(9), S(6), true).With(On("Mazzo", {D(2)})),
        Case("54 down", 54, H(5), S(4), true),
        Case("54 King on Ace with wrap 1", 54, H(A), S(K), true).With(Set(212, 1)),
        Case("54 no King on Ace without", 54, H(A), S(K), false),
        Case("54 empty: its rank from the waste", 54, kNone, S(9), true).With(All({waste, Set(128, 9)})),
        Case("54 empty: another rank", 54, kNone, S(9), false).With(All({waste, Set(128, 8)})),
        Case("54 empty: not from a tableau", 54, kNone, S(8), false).With(All({tableau, Set(128, -1)})),
        Case("55 same colour up", 55, H(5), D(6), true),
        Case("55 other colour", 55, H(5), S(6), false),
        Case("55 empty: the lone waste card", 55, kNone, S(9), true).With(All({waste, Set(128, -1)})),
        Case("55 empty: not another card", 55, kNone, S(8), false).With(All({waste, tableau, Set(128, -1)})),
        Case("55 empty: not while the waste holds two", 55, kNone, S(9), false)
            .With(All({On("Mazzo_Vis", {D(2), S(9)}), Set(128, -1)})),
        Case("56 same rank from a tableau to the right", 56, H(8), S(8), true).Pile(1).With(tableau),
        Case("56 not from the left", 56, H(8), S(8), false).Pile(2).With(tableau),
        Case("56 never empty", 56, kNone, S(8), false).Pile(1).With(tableau),
        Case("79 up below twelve cards", 79, H(5), S(6), true).Fnd().With(On("Dest1", {H(4), H(5)})),
        Case("79 twelve cards: not from the waste", 79, H(5), S(6), false).Fnd().With(All({
            On("Dest1", {53, 54, 55, 56, 57, 58, 59, 60, 61, 62, 63, H(5)}), On("Mazzo_Vis", {S(6)})})),
        Case("79 twelve cards: from its own reserve", 79, H(5), S(6), true).Fnd().With(All({
            On("Dest1", {53, 54, 55, 56, 57, 58, 59, 60, 61, 62, 63, H(5)}), On("Appogg1", {S(6)})})),
        Case("79 twelve cards: not from another reserve", 79, H(5), S(6), false).Fnd().With(All({
            On("Dest1", {53, 54, 55, 56, 57, 58, 59, 60, 61, 62, 63, H(5)}), On("Appogg2", {S(6)})})),
        Case("80 empty tableau", 80, kNone, S(9), true).With(waste),
        Case("80 same suit, not by one", 80, S(A), S(9), false).With(All({waste, On("Fila1", {S(A)})})),
        Case("80 King on Ace", 80, S(A) + 52, S(K), true).With(All({On("Mazzo_Vis", {S(K)}), On("Fila1", {S(A) + 52})})),
        Case("80 not from a tableau", 80, kNone, S(8), false).With(tableau),
        Case("81 empty reserve of the index", 81, H(5), S(9), true).With(waste),
        Case("81 reserve holds cards: same suit", 81, S(10), S(9), true).With(All({waste, On("Appogg1", {D(2)})})),
        Case("81 reserve holds cards: other suit", 81, H(10), S(9), false).With(All({waste, On("Appogg1", {D(2)})})),
    });
}

}  // namespace
}  // namespace velmora::play_test
