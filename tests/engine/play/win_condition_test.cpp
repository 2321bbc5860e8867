#include "engine/play/win_condition.h"

#include <gtest/gtest.h>

#include "play_table.h"

namespace velmora::play_test {
namespace {

TEST(WinCondition, ByGameCode) {
    struct Row {
        std::string what;
        int code;
        std::function<void(Table&)> setup;
        bool won;
    };
    const auto one_each = All({On("Fila1", {H(2)}), On("Fila2", {H(3)}), On("Fila3", {H(4)}), On("Fila4", {H(5)}),
                               On("Fila5", {H(6)}), On("Fila6", {H(7)}), On("Fila7", {H(8)}), On("Fila8", {H(A)})});
    const auto aces = All({On("Fila1", {H(A)}), On("Fila2", {D(A)}), On("Fila3", {C(A)}), On("Fila4", {S(A)}),
                           On("Fila5", {H(A) + 52}), On("Fila6", {D(A) + 52}), On("Fila7", {C(A) + 52}),
                           On("Fila8", {S(A) + 52})});
    // Bottom cards in place (code t + 1 or t + 14 on tableau t) on the first
    // seven tableaus, not on the eighth.
    const auto bottoms = All({On("Fila1", {H(A)}), On("Fila2", {H(2)}), On("Fila3", {D(3)}),
                              On("Fila4", {H(4)}), On("Fila5", {D(5)}), On("Fila6", {H(6)}), On("Fila7", {H(7)}),
                              On("Fila8", {H(9)})});
    auto rows_of_four = [](int cards) {
        return [cards](Table& t) {
            t.Rule(304, 24);
            for (int p = 0; p < 24; ++p) {
                std::string pile;
                for (int k = 0; k < cards; ++k) pile += CardCodeText(53 + (4 * p + k) % 52);
                t.e().piles.tableau[static_cast<size_t>(p)] = pile;
            }
        };
    };
    const std::vector<Row> rows = {
        {"cleared table, second waste not looked at", 0, On("Mazzo_Waste", {H(A)}), true},
        {"a reserve card", 13, On("Appogg4", {H(A)}), false},
        {"slots only count as empty", 4, On("Fila2", {0, 0}), true},
        {"but not by default", 0, On("Fila2", {0, 0}), false},
        {"every tableau holds a card", 9, one_each, true},
        {"four left on the first tableau", 21, On("Fila1", {H(A), H(2), H(3), H(4)}), true},
        {"one card each", 27, one_each, true},
        {"one card each, not all Aces", 31, one_each, false},
        {"never ends", 32, [](Table&) {}, false},
        {"nine down to the Ace", 43, On("Fila3", {S(9), H(8), H(7), D(6), H(5), H(4), H(3), H(2), H(A)}), true},
        {"four tableaus hold cards", 45, All({one_each, On("Fila1", {}), On("Fila2", {}), On("Fila3", {}), On("Fila4", {})}),
         true},
        // The score games need a target: with none they would be won at once.
        {"no target score", 36, [](Table&) {}, false},
        {"target score reached", 35, All({Set(46, -22), On("Mazzo_Waste", {H(2), H(3), H(4)}), On("Fila1", {H(K)})}), true},
        // The counterpart of each rule above, and the codes no game uses yet.
        {"a stock card", 0, On("Mazzo", {H(A)}), false},
        {"a waste card", 0, On("Mazzo_Vis", {H(A)}), false},
        {"a tableau card", 0, On("Fila8", {H(A)}), false},
        {"a card among the slots", 4, On("Fila2", {0, H(A)}), false},
        {"slots only, but a reserve card", 4, All({On("Fila2", {0}), On("Appogg1", {H(A)})}), false},
        {"one tableau empty", 9, All({one_each, On("Fila8", {})}), false},
        {"five on the first tableau", 21, On("Fila1", {H(A), H(2), H(3), H(4), H(5)}), false},
        {"four, but the stock holds cards", 21, All({On("Fila1", {H(A)}), On("Mazzo", {H(9)})}), false},
        {"code 22: four left on the first tableau", 22, On("Fila1", {H(A), H(2), H(3), H(4)}), true},
        {"code 22: five on the first tableau", 22, On("Fila1", {H(A), H(2), H(3), H(4), H(5)}), false},
        {"code 22: the stock holds cards", 22, All({On("Fila1", {H(A)}), On("Mazzo", {H(9)})}), false},
        {"one tableau holds two", 27, All({one_each, On("Fila3", {H(4), S(4)})}), false},
        {"one tableau empty", 27, All({one_each, On("Fila3", {})}), false},
        {"an Ace on every tableau", 31, aces, true},
        {"Aces, but the stock holds cards", 31, All({aces, On("Mazzo", {H(9)})}), false},
        {"Aces, one tableau holds two", 31, All({aces, On("Fila2", {D(A), S(9)})}), false},
        {"never ends, even cleared", 44, [](Table&) {}, false},
        {"never ends, even cleared", 46, [](Table&) {}, false},
        {"never ends, even cleared", 48, [](Table&) {}, false},
        {"target score not reached", 35, All({Set(46, -21), On("Mazzo_Waste", {H(2), H(3), H(4)}), On("Fila1", {H(K)})}),
         false},
        {"score 0 reaches -1", 36, Set(46, -1), true},
        {"score 0 does not reach 1", 40, Set(46, 1), false},
        {"no target score", 42, Set(46, 0), false},
        {"-52 reaches -52", 37, Set(46, -52), true},
        {"-52 does not reach -51", 39, Set(46, -51), false},
        {"seven bottoms in place", 34, All({Set(46, -52 + 70), bottoms}), true},
        {"the eighth is not", 34, All({Set(46, -52 + 80), bottoms}), false},
        {"all tableaus empty", 47, Set(46, 208), true},
        {"foundations 2 .. 4 empty", 41, All({On("Dest1", {H(A)}), On("Fila1", {H(2)})}), true},
        {"the last foundation in use holds a card", 41, On("Dest4", {H(A)}), false},
        {"a foundation not in use holds a card", 41, On("Dest5", {H(A)}), true},
        {"nine cards, not down to the Ace", 43, On("Fila3", {S(9), H(8), H(7), D(6), H(5), H(4), H(3), H(A), H(2)}), false},
        {"eight down to the Ace", 43, On("Fila3", {H(8), H(7), D(6), H(5), H(4), H(3), H(2), H(A)}), false},
        {"five tableaus hold cards", 45, All({one_each, On("Fila1", {}), On("Fila2", {}), On("Fila3", {})}), false},
        {"three tableaus hold cards", 45,
         All({one_each, On("Fila1", {}), On("Fila2", {}), On("Fila3", {}), On("Fila4", {}), On("Fila5", {})}), false},
        {"four cards on each of 24 tableaus", 49, rows_of_four(4), true},
        {"one of them holds three", 49, All({rows_of_four(4), On("Fila24", {H(A), H(2), H(3)})}), false},
        {"one of them holds five", 49, All({rows_of_four(4), On("Fila1", {H(A), H(2), H(3), H(4), H(5)})}), false},
    };
    for (const Row& row : rows) {
        Table t;
        t.Rule(47, row.code).Rule(307, 52);
        row.setup(t);
        EXPECT_EQ(IsGameWon(t.e()), row.won) << row.what << " (code " << row.code << ")";
    }
}

}  // namespace
}  // namespace velmora::play_test
