#include "solver/removal_dead_ends.h"

#include <array>
#include <bit>
#include <cstdint>

namespace velmora::solver {

namespace {

constexpr int kRanks = 13;
constexpr int kMostRows = kMaxPileCards - 1;
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

// Whether a card of `rank` has a neighbour among `available` (per rank).
bool HasNeighbour(const RemovalRules& rules, const std::array<int, kRanks + 2>& available, int rank) {
    const int below = rank > 1 ? rank - 1 : (rules.wrap ? kRanks : 0);
    const int above = rank < kRanks ? rank + 1 : (rules.wrap ? 1 : 0);
    return available[static_cast<size_t>(below)] > 0 || available[static_cast<size_t>(above)] > 0;
}

using RankCounts = std::array<int, kRanks + 2>;

// A tableau card goes onto a discard top one rank away: the top now (when
// the card is on top itself), a stock card (turned at any time) or another
// tableau card that can go before it, so not one lying under it.
bool WantsPredecessor(const RemovalRules& rules, const RemovalPosition& p, const RankCounts& others,
                      const CardRow<kMaxPileCards>& pile) {
    RankCounts now{};
    if (p.discard.Top() != 0) now[static_cast<size_t>(RankOfCode(p.discard.Top()))] = 1;
    RankCounts available = others;
    // From the top card down: each card is there before the cards beneath it.
    for (int i = pile.count - 1; i >= 0; --i) {
        const int rank = RankOfCode(pile.cards[static_cast<size_t>(i)]);
        const bool on_top = i == pile.count - 1;
        if (!(on_top && (p.discard.Top() == 0 || HasNeighbour(rules, now, rank))) && !HasNeighbour(rules, available, rank))
            return true;
        ++available[static_cast<size_t>(rank)];
    }
    return false;
}

// Every card but the very last goes on with a neighbour beneath it in its
// own pile or in another pile, or with a turn of the stock. Counts the
// cards that have no such neighbour: each needs a turn after it or is the
// last. With the stock gone, a card with cards beneath it is never the
// last, so it counts twice.
int LackingSuccessors(const RemovalRules& rules, const RankCounts& others, const CardRow<kMaxPileCards>& pile,
                      bool stock_gone) {
    RankCounts available = others;
    int lacking = 0;
    for (int i = 0; i < pile.count; ++i) {
        const int rank = RankOfCode(pile.cards[static_cast<size_t>(i)]);
        if (!HasNeighbour(rules, available, rank)) lacking += i > 0 && stock_gone ? 2 : 1;
        ++available[static_cast<size_t>(rank)];
    }
    return lacking;
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
    for (int t = 0; t < rules.tableaus; ++t) {
        const auto& pile = p.piles[static_cast<size_t>(t)];
        RankCounts others = in_tableau;
        for (int i = 0; i < pile.count; ++i) --others[static_cast<size_t>(RankOfCode(pile.cards[static_cast<size_t>(i)]))];
        lacking += LackingSuccessors(rules, others, pile, p.stock.Empty());
        for (int r = 1; r <= kRanks; ++r) others[static_cast<size_t>(r)] += in_stock[static_cast<size_t>(r)];
        if (WantsPredecessor(rules, p, others, pile)) return true;
    }
    if (lacking > p.stock.count + 1) return true;
    return p.discard.Top() != 0 && RunUnreachable(rules, in_tableau, in_stock, RankOfCode(p.discard.Top()));
}

}  // namespace

bool RemovalDeadEnd(const RemovalRules& rules, const RemovalPosition& p) {
    switch (rules.kind) {
        case RemovalKind::Pyramid: return PyramidDeadEnd(rules, p);
        case RemovalKind::Discard: return DiscardDeadEnd(rules, p);
        case RemovalKind::Elevens: break;
    }
    return false;
}

}  // namespace velmora::solver
