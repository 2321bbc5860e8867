#pragma once
// The moves of the removal games on the removal model's position, exactly
// those the rules interpreter offers: the presses that remove cards (a
// selection of up to four presses, each on a card of a higher code than
// the one before), a press on the stock that turns its top card or deals,
// a press on the empty stock that gathers the waste back or closes the
// cells up, and a drag of a top card onto the discard or an empty pile.

#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>

#include "solver/player_moves.h"
#include "solver/removal_position.h"
#include "solver/removal_rules.h"

namespace velmora::solver {

// Where a pressed card lies: the stock, the waste or tableau pile t
// (kRemovalTableau + t); where a dragged card goes: the discard when it is
// foundation 1, or tableau pile t.
constexpr uint8_t kRemovalStock = 0;
constexpr uint8_t kRemovalWaste = 1;
constexpr uint8_t kRemovalTableau = 2;
constexpr uint8_t kRemovalDiscard = 255;

// The largest selection a removal game completes (four of a rank).
constexpr int kMostPressed = 4;

struct RemovalMove {
    // Remove: presses on the cards; Turn, Deal: a press on the stock (its
    // top card, 0 when empty) that turns, deals or closes up; Gather: a
    // press on the empty stock; Drag: the top card of `from` onto `to`.
    enum class Kind : uint8_t { Remove, Turn, Gather, Deal, Drag };
    Kind kind = Kind::Remove;
    uint8_t count = 0;                          // cards pressed (Remove), in press order
    std::array<uint8_t, kMostPressed> cards{};  // Turn, Deal, Drag: the one card
    std::array<uint8_t, kMostPressed> from{};
    uint8_t to = 0;
};

// A card to press and where it lies.
struct Pressable {
    int card;
    uint8_t from;
};

// The presses of a removal: a selection is pressed lowest code first.
RemovalMove Removal(std::span<const Pressable> cards);
RemovalMove Removal(std::initializer_list<Pressable> cards);
// The press on the stock (or the drag) of `kind` with its one card.
RemovalMove OneCardMove(RemovalMove::Kind kind, int card, uint8_t from = kRemovalStock, uint8_t to = 0);

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
