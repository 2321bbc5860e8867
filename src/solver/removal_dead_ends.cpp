#include "solver/removal_dead_ends.h"

#include <array>
#include <bit>
#include <cstdint>

namespace velmora::solver {

namespace {

constexpr int kRanks = 13;
constexpr int kMostRows = kMostPyramidRows;
constexpr int kSlots = kMostRows * (kMostRows + 1) / 2;

int Slot(int row, int i) { return row * (row + 1) / 2 + i; }

// Per pyramid slot, the slots that can never be free at the same time as
// it: those it covers, row by row up to the top, and those covering it.
std::array<uint32_t, kSlots> Conflicts() {
    std::array<uint32_t, kSlots> masks{};
    for (int t = 0; t < kMostRows; ++t)
        for (int i = 0; i <= t; ++i)
            for (int u = 0; u < kMostRows; ++u)
                for (int j = 0; j <= u; ++j) {
                    const bool covered = u < t && j >= i - (t - u) && j <= i;
                    const bool covering = u > t && j >= i && j <= i + (u - t);
                    if (covered || covering) masks[static_cast<size_t>(Slot(t, i))] |= uint32_t{1} << Slot(u, j);
                }
    return masks;
}

// A pyramid card is taken with a partner adding to 13 that is free with it:
// a partner it covers or that covers it never is. Stock and waste cards
// always keep one (every removal takes one card of each rank of a pair)
// while the waste can still be gathered; after the last pass the waste is a
// stack whose cards never go together, so each of its cards wants its own
// partner from the pyramid or the stock.
bool PyramidDeadEnd(const RemovalRules& rules, const RemovalPosition& p) {
    static const std::array<uint32_t, kSlots> conflicts = Conflicts();
    std::array<uint32_t, kRanks + 1> in_pyramid{};
    std::array<int, kRanks + 1> in_stock{};
    std::array<int, kRanks + 1> in_waste{};
    for (int i = 0; i < p.stock.count; ++i) ++in_stock[static_cast<size_t>(RankOfCode(p.stock.cards[static_cast<size_t>(i)]))];
    for (int i = 0; i < p.waste.count; ++i) ++in_waste[static_cast<size_t>(RankOfCode(p.waste.cards[static_cast<size_t>(i)]))];
    for (int t = 0; t < rules.tableaus; ++t)
        for (int i = 0; i <= t; ++i)
            if (const int code = p.piles[static_cast<size_t>(t)].cards[static_cast<size_t>(i)])
                in_pyramid[static_cast<size_t>(RankOfCode(code))] |= uint32_t{1} << Slot(t, i);
    const bool last_pass = rules.passes != -1 && p.passes >= rules.passes;
    for (int rank = 1; rank < kRanks; ++rank) {
        const auto partner = static_cast<size_t>(kRanks - rank);
        const int outside = in_stock[partner] + in_waste[partner];
        for (uint32_t cards = in_pyramid[static_cast<size_t>(rank)]; cards != 0; cards &= cards - 1) {
            const int slot = std::countr_zero(cards);
            const uint32_t free_with = in_pyramid[partner] & ~conflicts[static_cast<size_t>(slot)];
            if (free_with == 0 && outside == 0) return true;
        }
        if (last_pass && in_waste[static_cast<size_t>(rank)] > std::popcount(in_pyramid[partner]) + in_stock[partner])
            return true;
    }
    return false;
}

using RankCounts = std::array<int, kRanks + 2>;

// The ranks one below and one above `rank`, 0 where there is none.
int Below(const RemovalRules& rules, int rank) { return rank > 1 ? rank - 1 : (rules.wrap ? kRanks : 0); }
int Above(const RemovalRules& rules, int rank) { return rank < kRanks ? rank + 1 : (rules.wrap ? 1 : 0); }

// Cards of `rank` in places `from` to `to` of a pile.
int CountIn(const CardRow<kMaxPileCards>& pile, int rank, int from, int to) {
    int n = 0;
    for (int i = from; i <= to; ++i) n += RankOfCode(pile.cards[static_cast<size_t>(i)]) == rank ? 1 : 0;
    return n;
}

// A tableau card goes onto a discard top one rank away: the top now (when
// the card is on top itself), a stock card (turned at any time) or a
// tableau card that can go before it, so not one lying under it. Each card
// but the very last then goes on with a neighbour beneath it in its own
// pile or in another pile, or with a turn of the stock: `lacking` counts
// the cards with no such neighbour, which need a turn after them or are the
// last. With the stock gone, a card with cards beneath it is never the
// last, so it counts twice. False when a card can never go.
bool PileCardsCanGo(const RemovalRules& rules, const RemovalPosition& p, const RankCounts& stock,
                    const RankCounts& tableau, const CardRow<kMaxPileCards>& pile, int& lacking) {
    const int top = p.discard.Top() == 0 ? 0 : RankOfCode(p.discard.Top());
    for (int i = 0; i < pile.count; ++i) {
        const int rank = RankOfCode(pile.cards[static_cast<size_t>(i)]);
        bool before = i == pile.count - 1 && (top == 0 || Below(rules, rank) == top || Above(rules, rank) == top);
        bool after = false;
        for (const int n : {Below(rules, rank), Above(rules, rank)}) {
            if (n == 0) continue;
            const auto r = static_cast<size_t>(n);
            before = before || stock[r] + tableau[r] > CountIn(pile, n, 0, i);
            after = after || tableau[r] > CountIn(pile, n, i, pile.count - 1);
        }
        if (!before) return false;
        if (!after) lacking += i > 0 && p.stock.Empty() ? 2 : 1;
    }
    return true;
}

// The discard's top walks from rank to neighbouring rank, starting again
// anywhere at each stock turn: every run of neighbouring ranks left (round
// the corner where King and Ace are neighbours) that holds tableau cards
// must hold the top's rank or a stock card's to be reached at all.
bool RunUnreachable(const RemovalRules& rules, const RankCounts& tableau, const RankCounts& stock, int top) {
    std::array<int, kRanks + 2> run{};
    std::array<bool, kRanks + 2> holds_cards{};
    std::array<bool, kRanks + 2> reached{};
    int runs = 0;
    for (int rank = 1; rank <= kRanks; ++rank) {
        const auto r = static_cast<size_t>(rank);
        if (tableau[r] == 0 && stock[r] == 0 && rank != top) continue;
        run[r] = rank > 1 && run[r - 1] != 0 ? run[r - 1] : ++runs;
    }
    // Round the corner the last run and the first are one.
    const int last = run[kRanks] != 0 && run[1] != 0 && rules.wrap ? run[kRanks] : -1;
    for (int rank = 1; rank <= kRanks; ++rank) {
        const auto r = static_cast<size_t>(rank);
        if (run[r] == 0) continue;
        const auto id = static_cast<size_t>(run[r] == last ? run[1] : run[r]);
        holds_cards[id] = holds_cards[id] || tableau[r] > 0;
        reached[id] = reached[id] || stock[r] > 0 || rank == top;
    }
    for (int id = 1; id <= runs; ++id)
        if (holds_cards[static_cast<size_t>(id)] && !reached[static_cast<size_t>(id)]) return true;
    return false;
}

bool DiscardDeadEnd(const RemovalRules& rules, const RemovalPosition& p) {
    RankCounts in_stock{};
    RankCounts in_tableau{};
    for (int i = 0; i < p.stock.count; ++i) ++in_stock[static_cast<size_t>(RankOfCode(p.stock.cards[static_cast<size_t>(i)]))];
    for (int t = 0; t < rules.tableaus; ++t) {
        const auto& pile = p.piles[static_cast<size_t>(t)];
        for (int i = 0; i < pile.count; ++i) ++in_tableau[static_cast<size_t>(RankOfCode(pile.cards[static_cast<size_t>(i)]))];
    }
    int lacking = 0;
    for (int t = 0; t < rules.tableaus; ++t)
        if (!PileCardsCanGo(rules, p, in_stock, in_tableau, p.piles[static_cast<size_t>(t)], lacking)) return true;
    if (lacking > p.stock.count + 1) return true;
    return p.discard.Top() != 0 && RunUnreachable(rules, in_tableau, in_stock, RankOfCode(p.discard.Top()));
}

}  // namespace

bool RemovalDeadEnd(const RemovalRules& rules, const RemovalPosition& p) {
    switch (rules.kind) {
        case RemovalKind::Pyramid: return PyramidDeadEnd(rules, p);
        case RemovalKind::Discard: return DiscardDeadEnd(rules, p);
        case RemovalKind::Peaks:
        case RemovalKind::Cells:
        case RemovalKind::Touching:
        case RemovalKind::Outranked: break;
    }
    return false;
}

}  // namespace velmora::solver
