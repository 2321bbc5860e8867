#pragma once
// The moves of a compiled position, exactly those the rules interpreter
// gives (drags, presses that change the table, double clicks), each with
// the position it leads to after the automatic play, best first.

#include <cstdint>
#include <vector>

#include "solver/compiled_position.h"
#include "solver/compiled_rules.h"
#include "solver/player_moves.h"

namespace velmora::solver {

// One input of the player on a compiled pile number: a drop of `card` on
// `pile`, a press on `pile` (its top card `card`, 0 when empty) or a double
// click on `card` of `pile`.
struct CompiledMove {
    Input::Kind kind = Input::Kind::Press;
    uint8_t card = 0;
    uint8_t pile = 0;
    bool operator==(const CompiledMove&) const = default;
};

struct CompiledChild {
    CompiledMove move;
    uint64_t key = 0;  // CompiledPosition::Key of the position it leads to
    int score = 0;
    bool won = false;
};

// The distinct children of `p` (two moves leading to the same position give
// one child, the first in the interpreter's order), best first.
std::vector<CompiledChild> CompiledChildren(const CompiledRules& rules, const CompiledPosition& p);

// Plays the move and what follows it. False when the move does nothing.
bool PlayCompiledMove(const CompiledRules& rules, CompiledPosition& p, const CompiledMove& move);

// The driver's words of a compiled move.
Input InputOf(const CompiledRules& rules, const CompiledMove& move);

// How promising a position looks (higher first).
int CompiledScore(const CompiledRules& rules, const CompiledPosition& p);

}  // namespace velmora::solver
