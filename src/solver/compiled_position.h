#pragma once
// The compiled model's position: the cards of every pile as one-byte codes
// (the top bit marks a face-down card), the stock's pass counter, whether the
// first move is still to be made and whether the game is over. Converts from
// and to the engine's own position.

#include <array>
#include <cstdint>
#include <vector>

#include "engine/model/engine.h"
#include "engine/model/pile_names.h"
#include "solver/card_codes.h"
#include "solver/compiled_rules.h"

namespace velmora::solver {

constexpr uint8_t kFaceDownBit = 0x80;
constexpr int kMostCards = 104;

inline int CodeOf(uint8_t card) { return card & 0x7f; }
inline bool IsDown(uint8_t card) { return (card & kFaceDownBit) != 0; }

class PileHashes;

class CompiledPosition {
  public:
    CompiledPosition() { start_.fill(0); }

    int Count(int pile) const { return start_[static_cast<size_t>(pile) + 1] - start_[static_cast<size_t>(pile)]; }
    bool Empty(int pile) const { return Count(pile) == 0; }
    uint8_t At(int pile, int i) const { return cards_[static_cast<size_t>(start_[static_cast<size_t>(pile)] + i)]; }
    // The code of the top card; 0 for an empty pile.
    int Top(int pile) const { return Empty(pile) ? 0 : CodeOf(At(pile, Count(pile) - 1)); }
    bool TopDown(int pile) const { return !Empty(pile) && IsDown(At(pile, Count(pile) - 1)); }
    // Where the card lies: pile and place; false when it is nowhere.
    bool Find(int code, int& pile, int& at) const;

    void Push(int pile, uint8_t card);
    uint8_t Pop(int pile);
    // The cards from place `at` up go onto `to`, face up, in their order.
    void MoveCards(int from, int at, int to) { MoveBlock(from, at, Count(from) - at, to); }
    // The card at place `at` alone goes onto `to`, face up; those above it stay.
    void MoveCard(int from, int at, int to) { MoveBlock(from, at, 1, to); }
    void TurnUp(int pile, int at) { cards_[static_cast<size_t>(start_[static_cast<size_t>(pile)] + at)] &= 0x7f; }

    int passes = 0;
    bool first_move = true;
    bool over = false;  // the game was won and has ended

    // The position exactly, every pile in its place. Given the pile hashes
    // of a position a move or two away, the piles both hold alike are not
    // hashed again (the answers are the same).
    uint64_t ExactHash(const CompiledRules& rules, const PileHashes* near = nullptr) const;
    // Both at once, each pile hashed once.
    void Hashes(const CompiledRules& rules, uint64_t& exact, uint64_t& key, const PileHashes* near = nullptr) const;
    // The position up to the order of piles that play alike (foundations of
    // one base rank, the tableau piles, whose rules are all the same, and the
    // free cells) and up to which deck a card comes from, without what
    // changes no move (the first-move mark, unlimited passes).
    uint64_t Key(const CompiledRules& rules, const PileHashes* near = nullptr) const;
    // The key with the stock and the waste taken as one line of cards in the
    // order they are turned, wherever the point between them lies: one key for
    // the positions a stock's pass cycle goes round.
    uint64_t CycleKey(const CompiledRules& rules, const PileHashes* near = nullptr) const;

    // Every pile, counter and mark alike.
    bool operator==(const CompiledPosition& other) const;
    // The pile holds the same cards, faces included, in both positions.
    bool SamePile(const CompiledPosition& other, int pile) const;

  private:
    friend class PileHashes;
    void MoveBlock(int from, int at, int n, int to);
    uint64_t PileHash(int pile, bool fold_twins) const;
    uint64_t StockLineHash(bool fold_twins) const;
    void AllHashes(const CompiledRules& rules, bool fold_stock, uint64_t& exact, uint64_t* key,
                   const PileHashes* near) const;

    std::array<uint8_t, kMostCards> cards_{};
    std::array<uint8_t, kMaxCompiledPiles + 1> start_;
};

// The hash of every pile of one position, taken once, for hashing the
// positions its moves lead to: they share most of its piles.
class PileHashes {
  public:
    PileHashes(const CompiledRules& rules, const CompiledPosition& p);

  private:
    friend class CompiledPosition;
    CompiledPosition position_;
    std::array<uint64_t, kMaxCompiledPiles> plain_{};
    std::array<uint64_t, kMaxCompiledPiles> twins_{};  // with twin cards keyed alike
};

// The position on the table of `e` (whose rules compiled to `rules`).
CompiledPosition PositionFromEngine(const Engine& e, const CompiledRules& rules);
// `out` becomes `root` with the piles, faces and counters of `p`.
void PositionToEngine(const CompiledPosition& p, const CompiledRules& rules, const Engine& root, Engine& out);
// The engine's pile of a compiled pile number.
PileRef EnginePile(const CompiledRules& rules, int pile);

}  // namespace velmora::solver
