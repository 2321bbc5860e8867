// The compiled position: its way to and from the engine's table, and its
// key, which takes piles that play alike in any order but nothing else.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "session.h"
#include "solver/compiled_model.h"
#include "solver/position_key.h"

namespace velmora::solver {
namespace {

using cli::Session;

TEST(CompiledPosition, GoesToTheEngineAndBackUnchanged) {
    Session s;
    for (int game : {1, 2, 3, 4, 5}) {
        s.Lines("new " + std::to_string(game) + " 3");
        const CompiledModel model(s.engine());
        Engine table;
        model.ToEngine(model.Root(), table);
        EXPECT_EQ(PositionKey(table), PositionKey(s.engine())) << game;
        EXPECT_EQ(PositionFromEngine(table, model.rules()).ExactHash(model.rules()), model.Root().ExactHash(model.rules()));
    }
}

TEST(CompiledPosition, KeyTakesAlikePilesInAnyOrderAndNothingMore) {
    Session s;
    s.Lines("new 1 5");
    ASSERT_EQ(s.Say("drop " + s.State("Fila1").substr(s.State("Fila1").rfind(' ') + 1, 3) + " Appogg1"), "moved");
    Engine swapped;
    CopyQuietly(s.engine(), swapped);
    std::swap(swapped.piles.tableau[0], swapped.piles.tableau[5]);
    std::swap(swapped.piles.reserves[0], swapped.piles.reserves[3]);
    const CompiledModel model(s.engine());
    const CompiledRules& rules = model.rules();
    const CompiledPosition original = model.Root();
    const CompiledPosition other = PositionFromEngine(swapped, rules);
    EXPECT_EQ(other.Key(rules), original.Key(rules));
    EXPECT_NE(other.ExactHash(rules), original.ExactHash(rules));

    // A card moved is another position, however the piles are ordered.
    CompiledPosition moved = original;
    moved.MoveCards(rules.Tableau(2), moved.Count(rules.Tableau(2)) - 1, rules.Reserve(1));
    EXPECT_NE(moved.Key(rules), original.Key(rules));
    // Klondike's redeals are unlimited: the pass counter plays no part.
    s.Lines("new 2 5");
    const CompiledModel klondike(s.engine());
    CompiledPosition later = klondike.Root();
    later.passes += 3;
    EXPECT_EQ(later.Key(klondike.rules()), klondike.Root().Key(klondike.rules()));
    EXPECT_NE(later.ExactHash(klondike.rules()), klondike.Root().ExactHash(klondike.rules()));
}

}  // namespace
}  // namespace velmora::solver
