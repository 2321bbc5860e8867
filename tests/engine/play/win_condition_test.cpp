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
