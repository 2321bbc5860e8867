#pragma once
// The moves of the removal games on the removal model's position, exactly
// those the rules interpreter offers: the presses that remove cards (a
// selection of up to three presses, each on a card of a higher code than
// the one before), a press on the stock that turns its top card, and a
// press on the empty stock that gathers the waste back.

#include <array>
#include <cstdint>
#include <vector>

#include "solver/player_moves.h"
#include "solver/removal_position.h"
#include "solver/removal_rules.h"

namespace velmora::solver {

// Where a pressed card lies: the stock, the waste or tableau pile t
// (kRemovalTableau + t).
constexpr uint8_t kRemovalStock = 0;
constexpr uint8_t kRemovalWaste = 1;
constexpr uint8_t kRemovalTableau = 2;

struct RemovalMove {
    enum class Kind : uint8_t { Remove, Turn, Gather };
    Kind kind = Kind::Remove;
    uint8_t count = 0;               // cards pressed (Remove), in press order
    std::array<uint8_t, 3> cards{};  // Turn: the stock's top card
    std::array<uint8_t, 3> from{};
};

struct RemovalChild {
    RemovalMove move;
    uint64_t key = 0;  // RemovalPosition::Key of the position it leads to
    int score = 0;     // how promising the move looks (higher first)
    bool won = false;
};

// The children of `p`, won first, then the most promising. With `prune`,
// none when the table can never be cleared, and only the removal of a free
// King when there is one: whatever wins without it wins after it too.
std::vector<RemovalChild> RemovalChildren(const RemovalRules& rules, const RemovalPosition& p, bool prune);
void PlayRemovalMove(const RemovalRules& rules, RemovalPosition& p, const RemovalMove& move);
// The player's inputs of a move, in the driver's words.
Move RemovalInputs(const RemovalMove& move);

}  // namespace velmora::solver
