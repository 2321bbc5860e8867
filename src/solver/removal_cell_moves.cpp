#include "solver/removal_cell_moves.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>

namespace velmora::solver {

namespace {

constexpr int kKing = 13;
constexpr int kFour = 4;

int SuitOfCode(int code) { return (code - 1) / 13; }
int AceHighRank(int code) { return RankOfCode(code) == 1 ? kKing + 1 : RankOfCode(code); }

Pressable TopOf(const RemovalPosition& p, int t) {
    return {p.piles[static_cast<size_t>(t)].Top(), static_cast<uint8_t>(kRemovalTableau + t)};
}

// Every way of taking one card of each group.
void OneOfEach(const std::vector<std::vector<Pressable>>& groups, std::vector<Pressable>& taken,
               std::vector<RemovalMove>& out) {
    if (taken.size() == groups.size()) {
        out.push_back(Removal(taken));
        return;
    }
    for (const Pressable& c : groups[taken.size()]) {
        taken.push_back(c);
        OneOfEach(groups, taken, out);
        taken.pop_back();
    }
}

// Two cells of the grid side by side, one above the other or corner to
// corner.
bool CellsTouch(int columns, int a, int b) {
    return std::abs(a / columns - b / columns) <= 1 && std::abs(a % columns - b % columns) <= 1;
}

bool AnyEmptyCell(const RemovalRules& rules, const RemovalPosition& p) {
    for (int t = 0; t < rules.tableaus; ++t)
        if (p.piles[static_cast<size_t>(t)].Empty()) return true;
    return false;
}

// An empty cell before one that holds a card.
bool GapBeforeCard(const RemovalRules& rules, const RemovalPosition& p) {
    bool seen_empty = false;
    for (int t = 0; t < rules.tableaus; ++t) {
        const bool empty = p.piles[static_cast<size_t>(t)].Empty();
        if (!empty && seen_empty) return true;
        seen_empty = seen_empty || empty;
    }
    return false;
}

// The top card of pile `from` lies under no card and another pile's top
// card of its suit outranks it, the Ace highest.
bool Outranked(const RemovalRules& rules, const RemovalPosition& p, int from) {
    const int card = p.piles[static_cast<size_t>(from)].Top();
    for (int t = 0; t < rules.tableaus; ++t) {
        const int top = p.piles[static_cast<size_t>(t)].Top();
        if (t != from && top > 0 && SuitOfCode(top) == SuitOfCode(card) && AceHighRank(top) > AceHighRank(card))
            return true;
    }
    return false;
}

}  // namespace

void CellsMoves(const RemovalRules& rules, const RemovalPosition& p, std::vector<RemovalMove>& out) {
    std::vector<Pressable> numbers;
    // The court ranks, lowest first: each wanted once, or four of one.
    std::vector<std::vector<Pressable>> courts(static_cast<size_t>(kKing - rules.highest_number));
    for (int t = 0; t < rules.tableaus; ++t) {
        const Pressable c = TopOf(p, t);
        if (c.card == 0) continue;
        const int rank = RankOfCode(c.card);
        if (rank <= rules.highest_number)
            numbers.push_back(c);
        else
            courts[static_cast<size_t>(rank - rules.highest_number - 1)].push_back(c);
    }
    for (size_t a = 0; a < numbers.size(); ++a)
        for (size_t b = a + 1; b < numbers.size(); ++b)
            if (RankOfCode(numbers[a].card) + RankOfCode(numbers[b].card) == rules.pair_sum)
                out.push_back(Removal({numbers[a], numbers[b]}));
    if (rules.four_of_a_rank) {
        for (const std::vector<Pressable>& rank : courts)
            if (rank.size() == kFour) out.push_back(Removal(rank));
        return;
    }
    std::vector<Pressable> taken;
    OneOfEach(courts, taken, out);
}

void TouchingMoves(const RemovalRules& rules, const RemovalPosition& p, std::vector<RemovalMove>& out) {
    for (int a = 0; a < rules.tableaus; ++a) {
        const Pressable first = TopOf(p, a);
        if (first.card == 0) continue;
        for (int b = a + 1; b < rules.tableaus; ++b) {
            const Pressable second = TopOf(p, b);
            if (second.card > 0 && RankOfCode(second.card) == RankOfCode(first.card) && CellsTouch(rules.columns, a, b))
                out.push_back(Removal({first, second}));
        }
    }
    // The stock press acts while it has a gap to close or a cell to fill.
    if (rules.stock_placed && AnyEmptyCell(rules, p) && (!p.stock.Empty() || GapBeforeCard(rules, p)))
        out.push_back(OneCardMove(RemovalMove::Kind::Deal, p.stock.Top()));
}

void OutrankedMoves(const RemovalRules& rules, const RemovalPosition& p, std::vector<RemovalMove>& out) {
    for (int t = 0; t < rules.tableaus; ++t) {
        const Pressable c = TopOf(p, t);
        if (c.card == 0) continue;
        if (p.discard.count < rules.discard_capacity && Outranked(rules, p, t))
            out.push_back(OneCardMove(RemovalMove::Kind::Drag, c.card, c.from, kRemovalDiscard));
        for (int u = 0; u < rules.tableaus; ++u)
            if (p.piles[static_cast<size_t>(u)].Empty())
                out.push_back(OneCardMove(RemovalMove::Kind::Drag, c.card, c.from, static_cast<uint8_t>(kRemovalTableau + u)));
    }
    if (rules.stock_placed && !p.stock.Empty()) out.push_back(OneCardMove(RemovalMove::Kind::Deal, p.stock.Top()));
}

void KeepNeedlessCardDiscard(const RemovalPosition& p, std::vector<RemovalMove>& moves) {
    // The cards left in play, one bit each.
    uint64_t left = 0;
    for (int i = 0; i < p.stock.count; ++i) left |= uint64_t{1} << p.stock.cards[static_cast<size_t>(i)];
    for (const auto& pile : p.piles)
        for (int i = 0; i < pile.count; ++i) left |= uint64_t{1} << pile.cards[static_cast<size_t>(i)];
    for (const RemovalMove& move : moves) {
        if (move.kind != RemovalMove::Kind::Drag || move.to != kRemovalDiscard) continue;
        // The Two up to the card below this one, in its suit.
        const int card = move.cards[0];
        const int two = SuitOfCode(card) * kKing + 2;
        const uint64_t lower = ((uint64_t{1} << card) - 1) & ~((uint64_t{1} << two) - 1);
        if ((left & lower) == 0) {
            moves = {move};
            return;
        }
    }
}

void FillCells(const RemovalRules& rules, RemovalPosition& p) {
    for (int t = 0; t < rules.tableaus && !p.stock.Empty(); ++t) {
        auto& cell = p.piles[static_cast<size_t>(t)];
        if (cell.Empty()) cell.Push(p.stock.Pop());
    }
}

void CloseUpCells(const RemovalRules& rules, RemovalPosition& p) {
    int to = 0;
    for (int t = 0; t < rules.tableaus; ++t)
        if (!p.piles[static_cast<size_t>(t)].Empty()) std::swap(p.piles[static_cast<size_t>(to++)], p.piles[static_cast<size_t>(t)]);
    FillCells(rules, p);
}

void DealOntoPiles(const RemovalRules& rules, RemovalPosition& p) {
    for (int t = 0; t < rules.tableaus && !p.stock.Empty(); ++t) p.piles[static_cast<size_t>(t)].Push(p.stock.Pop());
}

bool LoneAces(const RemovalRules& rules, const RemovalPosition& p) {
    if (!p.stock.Empty()) return false;
    for (int t = 0; t < rules.tableaus; ++t) {
        const auto& pile = p.piles[static_cast<size_t>(t)];
        if (pile.count != 1 || RankOfCode(pile.Top()) != 1) return false;
    }
    return true;
}

int BuriedUnderHigher(const RemovalRules& rules, const RemovalPosition& p) {
    int buried = 0;
    for (int t = 0; t < rules.tableaus; ++t) {
        const auto& pile = p.piles[static_cast<size_t>(t)];
        for (int i = 0; i + 1 < pile.count; ++i) {
            const int card = pile.cards[static_cast<size_t>(i)];
            for (int j = i + 1; j < pile.count; ++j) {
                const int over = pile.cards[static_cast<size_t>(j)];
                if (SuitOfCode(over) == SuitOfCode(card) && AceHighRank(over) > AceHighRank(card)) {
                    ++buried;
                    break;
                }
            }
        }
    }
    return buried;
}

}  // namespace velmora::solver
