#include "solver/removal_moves.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "engine/model/pile_names.h"
#include "solver/removal_cell_moves.h"
#include "solver/removal_dead_ends.h"

namespace velmora::solver {

namespace {

constexpr int kKing = 13;
constexpr int kPyramidSum = 13;

// --- The pyramid -------------------------------------------------------------

int LastRowWithCards(const RemovalRules& rules, const RemovalPosition& p) {
    for (int t = rules.tableaus - 1; t >= 0; --t) {
        const auto& row = p.piles[static_cast<size_t>(t)];
        for (int i = 0; i < row.count; ++i)
            if (row.cards[static_cast<size_t>(i)] > 0) return t;
    }
    return -1;
}

// Free pyramid cards (both covering slots of the next row empty, or no card
// below at all) and the waste's top card.
std::vector<Pressable> PyramidFreeCards(const RemovalRules& rules, const RemovalPosition& p) {
    std::vector<Pressable> free;
    const int last = LastRowWithCards(rules, p);
    for (int t = 0; t <= last; ++t) {
        const auto& row = p.piles[static_cast<size_t>(t)];
        for (int i = 0; i < row.count; ++i) {
            if (row.cards[static_cast<size_t>(i)] == 0) continue;
            if (t < last) {
                const auto& next = p.piles[static_cast<size_t>(t + 1)];
                if (next.cards[static_cast<size_t>(i)] != 0 || next.cards[static_cast<size_t>(i + 1)] != 0) continue;
            }
            free.push_back({row.cards[static_cast<size_t>(i)], static_cast<uint8_t>(kRemovalTableau + t)});
        }
    }
    if (!p.waste.Empty()) free.push_back({p.waste.Top(), kRemovalWaste});
    return free;
}

// A free King goes alone, and taking it at once loses nothing: every card
// it covers only comes free, and the waste and stock keep their order.
void KeepFreeKing(std::vector<RemovalMove>& moves) {
    for (const RemovalMove& move : moves)
        if (move.kind == RemovalMove::Kind::Remove && move.count == 1) {
            moves = {move};
            return;
        }
}

void PyramidMoves(const RemovalRules& rules, const RemovalPosition& p, std::vector<RemovalMove>& out) {
    const std::vector<Pressable> free = PyramidFreeCards(rules, p);
    const int stock_top = p.stock.Top();
    for (size_t a = 0; a < free.size(); ++a) {
        const int rank = RankOfCode(free[a].card);
        if (rank == kKing) {
            out.push_back(Removal({free[a]}));
            continue;
        }
        for (size_t b = a + 1; b < free.size(); ++b)
            if (rank + RankOfCode(free[b].card) == kPyramidSum) out.push_back(Removal({free[a], free[b]}));
        // The stock's card only joins a selection already begun.
        if (stock_top > free[a].card && rank + RankOfCode(stock_top) == kPyramidSum)
            out.push_back(Removal({free[a], {stock_top, kRemovalStock}}));
    }
    if (stock_top > 0)
        out.push_back(OneCardMove(RemovalMove::Kind::Turn, stock_top));
    else if (p.waste.count >= 2 && (rules.passes == -1 || p.passes < rules.passes))
        out.push_back(OneCardMove(RemovalMove::Kind::Gather, 0));
}

// --- The discard games --------------------------------------------------------

bool FitsDiscard(const RemovalRules& rules, int top, int card) {
    if (top == 0) return true;
    const int a = RankOfCode(card);
    const int b = RankOfCode(top);
    if (std::abs(a - b) == 1) return true;
    return rules.wrap && ((a == 1 && b == kKing) || (a == kKing && b == 1));
}

void DiscardMoves(const RemovalRules& rules, const RemovalPosition& p, std::vector<RemovalMove>& out) {
    const int top = p.discard.Top();
    for (int t = 0; t < rules.tableaus; ++t) {
        const int card = p.piles[static_cast<size_t>(t)].Top();
        if (card > 0 && FitsDiscard(rules, top, card)) out.push_back(Removal({{card, static_cast<uint8_t>(kRemovalTableau + t)}}));
    }
    if (rules.stock_turns && !p.stock.Empty()) out.push_back(OneCardMove(RemovalMove::Kind::Turn, p.stock.Top()));
}

// --- The peaks ---------------------------------------------------------------

// The free cards of the peaks that fit the discard's top card.
template <typename Each>
void ForEachPlayablePeakCard(const RemovalRules& rules, const RemovalPosition& p, Each each) {
    const int top = p.discard.Top();
    for (int t = 0; t < rules.tableaus; ++t) {
        const auto& row = p.piles[static_cast<size_t>(t)];
        for (int i = 0; i < row.count; ++i) {
            const int card = row.cards[static_cast<size_t>(i)];
            if (card > 0 && FitsDiscard(rules, top, card) && PeakCardFree(rules, p, t, i)) each(card, t);
        }
    }
}

void PeaksMoves(const RemovalRules& rules, const RemovalPosition& p, std::vector<RemovalMove>& out) {
    ForEachPlayablePeakCard(rules, p, [&out](int card, int t) {
        out.push_back(Removal({{card, static_cast<uint8_t>(kRemovalTableau + t)}}));
    });
    if (rules.stock_turns && !p.stock.Empty()) out.push_back(OneCardMove(RemovalMove::Kind::Turn, p.stock.Top()));
}

int PeaksMobility(const RemovalRules& rules, const RemovalPosition& p) {
    int open = 0;
    ForEachPlayablePeakCard(rules, p, [&open](int, int) { ++open; });
    return open;
}

// Cards of the peaks lying face down: covered ones.
int CoveredPeakCards(const RemovalRules& rules, const RemovalPosition& p) {
    int covered = 0;
    for (int t = 0; t < rules.tableaus; ++t)
        for (int i = 0; i < p.piles[static_cast<size_t>(t)].count; ++i)
            covered += p.piles[static_cast<size_t>(t)].cards[static_cast<size_t>(i)] > 0 && !PeakCardFree(rules, p, t, i);
    return covered;
}

// --- Playing a move -----------------------------------------------------------

void TakeCard(const RemovalRules& rules, RemovalPosition& p, int card, uint8_t from) {
    if (from == kRemovalStock) {
        p.stock.Pop();
    } else if (from == kRemovalWaste) {
        p.waste.Pop();
    } else {
        auto& pile = p.piles[static_cast<size_t>(from - kRemovalTableau)];
        if (rules.kind != RemovalKind::Pyramid && rules.kind != RemovalKind::Peaks) {
            pile.Pop();
        } else {
            // A card of the pyramid or the peaks leaves an empty slot in its row.
            for (int i = 0; i < pile.count; ++i)
                if (pile.cards[static_cast<size_t>(i)] == card) pile.cards[static_cast<size_t>(i)] = 0;
        }
    }
    p.discard.Push(card);
    --p.left;
}

void TurnStockCard(const RemovalRules& rules, RemovalPosition& p) {
    if (rules.kind == RemovalKind::Pyramid) {
        p.waste.Push(p.stock.Pop());
    } else {
        p.discard.Push(p.stock.Pop());
        // The peaks count only their own cards.
        if (rules.kind != RemovalKind::Peaks) --p.left;
    }
}

// The top card of a pile dragged onto the discard or an empty pile.
void DragTopCard(RemovalPosition& p, const RemovalMove& move) {
    const int card = p.piles[static_cast<size_t>(move.from[0] - kRemovalTableau)].Pop();
    if (move.to == kRemovalDiscard)
        p.discard.Push(card);
    else
        p.piles[static_cast<size_t>(move.to - kRemovalTableau)].Push(card);
}

// The stock press of the cells, the touching grid and the outranked piles.
void DealFromStock(const RemovalRules& rules, RemovalPosition& p) {
    if (rules.kind == RemovalKind::Touching)
        CloseUpCells(rules, p);
    else
        DealOntoPiles(rules, p);
}

// The game is won: every card cleared, or an Ace alone on every pile.
bool Won(const RemovalRules& rules, const RemovalPosition& p) {
    return rules.kind == RemovalKind::Outranked ? LoneAces(rules, p) : p.left == 0;
}

// The waste goes back into the stock top card first, so its first card is
// on top again and is turned at once.
void GatherWaste(RemovalPosition& p) {
    ++p.passes;
    while (!p.waste.Empty()) p.stock.Push(p.waste.Pop());
    p.waste.Push(p.stock.Pop());
}

// The discard game's moves open in the position.
int Mobility(const RemovalRules& rules, const RemovalPosition& p) {
    int open = 0;
    for (int t = 0; t < rules.tableaus; ++t) {
        const int card = p.piles[static_cast<size_t>(t)].Top();
        open += card > 0 && FitsDiscard(rules, p.discard.Top(), card) ? 1 : 0;
    }
    return open;
}

// The outranked piles: a discard first, the more so when it frees a card
// that may go next or empties a pile; a move onto an empty pile by the
// cards it leaves no longer buried under a higher card of their suit.
int OutrankedScore(const RemovalRules& rules, const RemovalPosition& p, const RemovalPosition& next, const RemovalMove& move) {
    const int freed = 20 * (BuriedUnderHigher(rules, p) - BuriedUnderHigher(rules, next));
    if (move.to != kRemovalDiscard) return 20 + freed;
    const auto& pile = next.piles[static_cast<size_t>(move.from[0] - kRemovalTableau)];
    return 100 + freed + (pile.Empty() ? 24 : 0);
}

int Score(const RemovalRules& rules, const RemovalPosition& p, const RemovalPosition& next, const RemovalMove& move) {
    switch (move.kind) {
        case RemovalMove::Kind::Turn:
        case RemovalMove::Kind::Deal: return 10;
        case RemovalMove::Kind::Gather: return 0;
        case RemovalMove::Kind::Drag: return OutrankedScore(rules, p, next, move);
        case RemovalMove::Kind::Remove: break;
    }
    if (rules.kind == RemovalKind::Peaks) {
        // The card that turns most cards up, then the one after which most
        // cards can follow.
        return 100 + 30 * (CoveredPeakCards(rules, p) - CoveredPeakCards(rules, next)) + 8 * PeaksMobility(rules, next);
    }
    int score = 100 + move.count;
    for (int i = 0; i < move.count; ++i) {
        if (move.from[static_cast<size_t>(i)] < kRemovalTableau) continue;
        const auto& pile = p.piles[static_cast<size_t>(move.from[static_cast<size_t>(i)] - kRemovalTableau)];
        // Pyramid cards before waste cards; in the discard games the
        // tallest pile first, and a pile emptied before either.
        score += rules.kind == RemovalKind::Pyramid ? 20 : 4 * pile.count + (pile.count == 1 ? 24 : 0);
    }
    // Then the moves after which most cards can follow.
    if (rules.kind == RemovalKind::Discard) score += 8 * Mobility(rules, next);
    return score;
}

std::string PileWord(uint8_t from) {
    if (from == kRemovalStock) return PileName({ListId::Stock, kStockIndex});
    if (from == kRemovalDiscard) return PileName({ListId::Foundation, 0});
    if (from == kRemovalWaste) return PileName({ListId::Stock, kWasteIndex});
    return PileName({ListId::Tableau, from - kRemovalTableau});
}

}  // namespace

RemovalMove Removal(std::span<const Pressable> cards) {
    RemovalMove move;
    for (const Pressable& c : cards) {
        // Into place among the lower codes before it.
        int at = move.count++;
        for (; at > 0 && move.cards[static_cast<size_t>(at - 1)] > c.card; --at) {
            move.cards[static_cast<size_t>(at)] = move.cards[static_cast<size_t>(at - 1)];
            move.from[static_cast<size_t>(at)] = move.from[static_cast<size_t>(at - 1)];
        }
        move.cards[static_cast<size_t>(at)] = static_cast<uint8_t>(c.card);
        move.from[static_cast<size_t>(at)] = c.from;
    }
    return move;
}

RemovalMove Removal(std::initializer_list<Pressable> cards) { return Removal(std::span<const Pressable>(cards.begin(), cards.size())); }

RemovalMove OneCardMove(RemovalMove::Kind kind, int card, uint8_t from, uint8_t to) {
    RemovalMove move;
    move.kind = kind;
    move.cards[0] = static_cast<uint8_t>(card);
    move.from[0] = from;
    move.to = to;
    return move;
}

std::vector<RemovalChild> RemovalChildren(const RemovalRules& rules, const RemovalPosition& p, bool prune) {
    if (p.over || (prune && RemovalDeadEnd(rules, p))) return {};
    std::vector<RemovalMove> moves;
    switch (rules.kind) {
        case RemovalKind::Pyramid: PyramidMoves(rules, p, moves); break;
        case RemovalKind::Discard: DiscardMoves(rules, p, moves); break;
        case RemovalKind::Peaks: PeaksMoves(rules, p, moves); break;
        case RemovalKind::Cells: CellsMoves(rules, p, moves); break;
        case RemovalKind::Touching: TouchingMoves(rules, p, moves); break;
        case RemovalKind::Outranked: OutrankedMoves(rules, p, moves); break;
    }
    if (prune && rules.kind == RemovalKind::Pyramid) KeepFreeKing(moves);
    if (prune && rules.kind == RemovalKind::Outranked) KeepNeedlessCardDiscard(p, moves);
    std::vector<RemovalChild> children;
    children.reserve(moves.size());
    for (const RemovalMove& move : moves) {
        RemovalPosition next = p;
        PlayRemovalMove(rules, next, move);
        children.push_back({move, next.Key(rules), Score(rules, p, next, move), next.over});
    }
    std::stable_sort(children.begin(), children.end(), [](const RemovalChild& a, const RemovalChild& b) {
        if (a.won != b.won) return a.won;
        return a.score > b.score;
    });
    return children;
}

void PlayRemovalMove(const RemovalRules& rules, RemovalPosition& p, const RemovalMove& move) {
    switch (move.kind) {
        case RemovalMove::Kind::Turn: TurnStockCard(rules, p); break;
        case RemovalMove::Kind::Gather: GatherWaste(p); break;
        case RemovalMove::Kind::Deal: DealFromStock(rules, p); break;
        case RemovalMove::Kind::Drag: DragTopCard(p, move); break;
        case RemovalMove::Kind::Remove:
            for (int i = 0; i < move.count; ++i)
                TakeCard(rules, p, move.cards[static_cast<size_t>(i)], move.from[static_cast<size_t>(i)]);
            break;
    }
    p.first_move = false;
    if (Won(rules, p)) {
        // The won game ends, and the end clears the pass counter.
        p.over = true;
        p.passes = 0;
        return;
    }
    if (rules.kind == RemovalKind::Cells && move.kind == RemovalMove::Kind::Remove) FillCells(rules, p);
}

Move RemovalInputs(const RemovalMove& move) {
    const std::string stock = PileWord(kRemovalStock);
    switch (move.kind) {
        case RemovalMove::Kind::Turn:
        case RemovalMove::Kind::Deal:
        case RemovalMove::Kind::Gather: return {Input{Input::Kind::Press, move.cards[0], stock}};
        case RemovalMove::Kind::Drag: return {Input{Input::Kind::Drop, move.cards[0], PileWord(move.to)}};
        case RemovalMove::Kind::Remove: break;
    }
    Move inputs;
    for (int i = 0; i < move.count; ++i)
        inputs.push_back({Input::Kind::Press, move.cards[static_cast<size_t>(i)], PileWord(move.from[static_cast<size_t>(i)])});
    return inputs;
}

}  // namespace velmora::solver
