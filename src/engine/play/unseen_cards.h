#pragma once
// The card counter's figures: the cards the player has not seen yet, which
// are those lying face down anywhere on the table (the stock included), by
// rank and suit. Two decks count twice over; jokers are counted apart.

#include <array>

#include "engine/model/engine.h"

namespace velmora {

struct UnseenCards {
    static constexpr int kRanks = 13;
    static constexpr int kSuits = 4;  // hearts, diamonds, clubs, spades

    // count[rank - 1][suit]
    std::array<std::array<int, kSuits>, kRanks> count{};
    int jokers = 0;

    int At(int rank, int suit) const { return count[static_cast<size_t>(rank - 1)][static_cast<size_t>(suit)]; }
    int RankTotal(int rank) const;
    int SuitTotal(int suit) const;
    // Every unseen card, jokers included.
    int Total() const;
    bool operator==(const UnseenCards&) const = default;
};

// Counts each card of the table once, where it lies; an empty table counts
// nothing.
UnseenCards CountUnseenCards(const Engine& e);

}  // namespace velmora
