#pragma once
// The removal model's position: the stock, the waste, the discard pile and
// the tableau piles (a pyramid row keeps its emptied slots as 0) as card
// codes, bottom first, with the stock's pass counter, the first-move mark
// and whether the game is over. Converts from and to the engine's position.

#include <array>
#include <cstdint>

#include "engine/model/engine.h"
#include "solver/removal_rules.h"

namespace velmora::solver {

constexpr int kRemovalDeck = 52;

// The rank of a card code (1 Ace to 13 King), read from a table: the search
// asks for it at every card of every position.
inline int RankOfCode(int code) {
    static constexpr std::array<uint8_t, kRemovalDeck + 1> kRanks = [] {
        std::array<uint8_t, kRemovalDeck + 1> ranks{};
        for (int c = 1; c <= kRemovalDeck; ++c) ranks[static_cast<size_t>(c)] = static_cast<uint8_t>((c - 1) % 13 + 1);
        return ranks;
    }();
    return kRanks[static_cast<size_t>(code)];
}

// A pile of up to `N` cards, bottom first.
template <int N>
struct CardRow {
    std::array<uint8_t, N> cards{};
    uint8_t count = 0;

    bool Empty() const { return count == 0; }
    int Top() const { return count == 0 ? 0 : cards[count - 1u]; }
    void Push(int code) { cards[count++] = static_cast<uint8_t>(code); }
    int Pop() { return cards[--count]; }
};

struct RemovalPosition {
    CardRow<kRemovalDeck> stock;
    CardRow<kRemovalDeck> waste;
    CardRow<kRemovalDeck> discard;
    std::array<CardRow<kMaxPileCards>, kMaxRemovalPiles> piles{};
    uint8_t left = 0;  // cards still to clear: in the stock, the waste and the tableau (the peaks: the rows)
    int16_t passes = 0;
    bool first_move = true;
    bool over = false;  // the game was won and has ended

    // The position up to what never changes the moves that follow: pyramid
    // rows, stock and waste by card; the discard games by rank, with their
    // piles in any order and only the discard's top rank; the peaks as the
    // slots still holding cards, the stock's length and the discard's top
    // rank; the cells as the ranks they show and the stock's length; the
    // touching grid as the rank in each cell and the stock's length; the
    // outranked piles as their cards, in any order, and the stock's length.
    uint64_t Key(const RemovalRules& rules) const;
};

// Whether slot `slot` of row `row` of the peaks holds a card that no card
// of the next row covers.
bool PeakCardFree(const RemovalRules& rules, const RemovalPosition& p, int row, int slot);

// The position on the table of `e` (whose rules compiled to `rules`).
RemovalPosition RemovalFromEngine(const Engine& e, const RemovalRules& rules);
// `out` becomes `root` with the piles, faces, counters and flags of `p`.
void RemovalToEngine(const RemovalPosition& p, const RemovalRules& rules, const Engine& root, Engine& out);

}  // namespace velmora::solver
