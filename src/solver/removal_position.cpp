#include "solver/removal_position.h"

#include <string>

#include "engine/model/card_code.h"
#include "engine/model/peak_rows.h"
#include "engine/model/pile_string.h"
#include "engine/model/piles.h"
#include "engine/play/scoring.h"
#include "solver/play_counters.h"

namespace velmora::solver {

namespace {


// A 64-bit finaliser (xor-shift-multiply) and a combining step over it.
uint64_t Scramble(uint64_t x) {
    x ^= x >> 33;
    x *= 0xff51afd7ed558ccdULL;
    x ^= x >> 33;
    x *= 0xc4ceb9fe1a85ec53ULL;
    return x ^ (x >> 33);
}
uint64_t Combine(uint64_t h, uint64_t value) { return Scramble(h ^ (value + 0x9e3779b97f4a7c15ULL + (h << 6))); }

// One bit for each slot of the rows, row by row, set while it holds a card.
uint64_t SlotsHoldingCards(const RemovalPosition& p, const RemovalRules& rules) {
    uint64_t slots = 0;
    int bit = 0;
    for (int t = 0; t < rules.tableaus; ++t) {
        const auto& row = p.piles[static_cast<size_t>(t)];
        for (int i = 0; i < row.count; ++i, ++bit)
            if (row.cards[static_cast<size_t>(i)] != 0) slots |= uint64_t{1} << bit;
    }
    return slots;
}

// The pyramid exactly, in one word: its slots still holding cards, the deck
// cards left with the waste's length, and the passes made.
uint64_t PyramidKey(const RemovalPosition& p, const RemovalRules& rules) {
    const uint64_t slots = SlotsHoldingCards(p, rules);
    uint64_t deck = 0;
    for (int i = 0; i < p.stock.count; ++i) deck |= uint64_t{1} << rules.deck_place[p.stock.cards[static_cast<size_t>(i)]];
    for (int i = 0; i < p.waste.count; ++i) deck |= uint64_t{1} << rules.deck_place[p.waste.cards[static_cast<size_t>(i)]];
    const uint64_t passes = rules.passes == -1 ? 0 : static_cast<uint64_t>(p.passes);
    return Scramble(slots | deck << kMostPyramidSlots | uint64_t{p.waste.count} << 52 | passes << 57);
}

// A discard game plays by ranks alone, every pile alike: the piles' rank
// sequences as a multiset (a sum of their scrambled values, the same in any
// order), the stock (whose order never changes) by its length.
uint64_t DiscardKey(const RemovalPosition& p, const RemovalRules& rules) {
    uint64_t piles = 0;
    for (int t = 0; t < rules.tableaus; ++t) {
        const auto& pile = p.piles[static_cast<size_t>(t)];
        uint64_t ranks = pile.count;
        for (int i = 0; i < pile.count; ++i) ranks = ranks * 14u + static_cast<uint64_t>(RankOfCode(pile.cards[static_cast<size_t>(i)]));
        piles += Scramble(ranks);
    }
    const int top = p.discard.Top();
    return Combine(piles, static_cast<uint64_t>(p.stock.count) * 16u + static_cast<uint64_t>(top == 0 ? 0 : RankOfCode(top)));
}

// The peaks keep every card in its slot and the stock never changes its
// order: the slots still holding cards, the stock's length and the
// discard's top rank say it all.
uint64_t PeaksKey(const RemovalPosition& p, const RemovalRules& rules) {
    const uint64_t slots = SlotsHoldingCards(p, rules);
    const int top = p.discard.Top();
    const uint64_t rank = top == 0 ? 0 : static_cast<uint64_t>(RankOfCode(top));
    return Scramble(slots | uint64_t{p.stock.count} << kMostPeakSlots | rank << (kMostPeakSlots + 6));
}

// The cells are filled in turn from the stock, whatever they held: how
// many cards of each rank they show and the stock's length say it all.
uint64_t CellsKey(const RemovalPosition& p, const RemovalRules& rules) {
    uint64_t key = p.stock.count;
    for (int t = 0; t < rules.tableaus; ++t) {
        const auto& cell = p.piles[static_cast<size_t>(t)];
        for (int i = 0; i < cell.count; ++i) key += uint64_t{1} << (6 + 3 * (RankOfCode(cell.cards[static_cast<size_t>(i)]) - 1));
    }
    return Scramble(key);
}

// The touching grid plays by ranks, and where each lies: the rank of every
// cell in order and the stock's length (its order never changes).
uint64_t TouchingKey(const RemovalPosition& p, const RemovalRules& rules) {
    uint64_t key = Scramble(p.stock.count);
    uint64_t cells = 0;
    for (int t = 0; t < rules.tableaus; ++t) {
        const int card = p.piles[static_cast<size_t>(t)].Top();
        cells = cells << 4 | static_cast<uint64_t>(card == 0 ? 0 : RankOfCode(card));
        // Sixteen cells to a word.
        if (t % 16 == 15) {
            key = Combine(key, cells);
            cells = 0;
        }
    }
    return Combine(key, cells);
}

// The outranked piles play alike in any order: the piles' cards as a
// multiset of sequences, and the stock's length.
uint64_t OutrankedKey(const RemovalPosition& p, const RemovalRules& rules) {
    uint64_t piles = 0;
    for (int t = 0; t < rules.tableaus; ++t) {
        const auto& pile = p.piles[static_cast<size_t>(t)];
        uint64_t cards = pile.count;
        for (int i = 0; i < pile.count; ++i) cards = Combine(cards, pile.cards[static_cast<size_t>(i)]);
        piles += Scramble(cards);
    }
    return Combine(piles, p.stock.count);
}

template <int N>
void ReadRow(const std::string& text, CardRow<N>& row) {
    for (int code : PileCodes(text))
        if (row.count < N) row.Push(code);
}

template <int N>
void WriteRow(const CardRow<N>& row, std::string& text, Engine& out, char face) {
    text.clear();
    for (int i = 0; i < row.count; ++i) {
        const int code = row.cards[static_cast<size_t>(i)];
        text += CardCodeText(code);
        if (code > 0) out.cards.SetFaceState(code, face);
    }
}

}  // namespace

uint64_t RemovalPosition::Key(const RemovalRules& rules) const {
    if (over) return Scramble(0x5eedULL);
    switch (rules.kind) {
        case RemovalKind::Pyramid: return PyramidKey(*this, rules);
        case RemovalKind::Discard: return DiscardKey(*this, rules);
        case RemovalKind::Peaks: return PeaksKey(*this, rules);
        case RemovalKind::Cells: return CellsKey(*this, rules);
        case RemovalKind::Touching: return TouchingKey(*this, rules);
        case RemovalKind::Outranked: return OutrankedKey(*this, rules);
    }
    return 0;
}

bool PeakCardFree(const RemovalRules& rules, const RemovalPosition& p, int row, int slot) {
    if (p.piles[static_cast<size_t>(row)].cards[static_cast<size_t>(slot)] == 0) return false;
    const int first = FirstCoveringSlot(row, slot, rules.tableaus);
    if (first < 0) return true;
    const auto& next = p.piles[static_cast<size_t>(row + 1)];
    return next.cards[static_cast<size_t>(first)] == 0 && next.cards[static_cast<size_t>(first + 1)] == 0;
}

RemovalPosition RemovalFromEngine(const Engine& e, const RemovalRules& rules) {
    RemovalPosition p;
    ReadRow(e.piles.stock_area[kStockIndex], p.stock);
    ReadRow(e.piles.stock_area[kWasteIndex], p.waste);
    ReadRow(rules.discard_on_foundation ? e.piles.foundations[0] : e.piles.stock_area[kSecondWasteIndex], p.discard);
    // The peaks are won with cards left in the stock.
    int left = rules.kind == RemovalKind::Peaks ? 0 : p.stock.count + p.waste.count;
    for (int t = 0; t < rules.tableaus; ++t) {
        auto& pile = p.piles[static_cast<size_t>(t)];
        ReadRow(e.piles.tableau[static_cast<size_t>(t)], pile);
        for (int i = 0; i < pile.count; ++i) left += pile.cards[static_cast<size_t>(i)] > 0 ? 1 : 0;
    }
    p.left = static_cast<uint8_t>(left);
    p.passes = static_cast<int16_t>(e.main_game.Field(field::kPassCounter));
    p.first_move = e.main_game.Field(field::kMoveCounter) == 0;
    p.over = !e.flags.Get(flag::kInProgress);
    return p;
}

void RemovalToEngine(const RemovalPosition& p, const RemovalRules& rules, const Engine& root, Engine& out) {
    CopyQuietly(root, out);
    WriteRow(p.stock, out.piles.stock_area[kStockIndex], out, kFaceDown);
    WriteRow(p.waste, out.piles.stock_area[kWasteIndex], out, kFaceUp);
    out.piles.foundations[0].clear();
    WriteRow(p.discard, rules.discard_on_foundation ? out.piles.foundations[0] : out.piles.stock_area[kSecondWasteIndex], out, kFaceUp);
    for (size_t t = 0; t < p.piles.size(); ++t) WriteRow(p.piles[t], out.piles.tableau[t], out, kFaceUp);
    // A card of the peaks lies face down while it is covered.
    if (rules.kind == RemovalKind::Peaks)
        for (int t = 0; t < rules.tableaus; ++t)
            for (int i = 0; i < p.piles[static_cast<size_t>(t)].count; ++i)
                if (const int code = p.piles[static_cast<size_t>(t)].cards[static_cast<size_t>(i)]; code > 0 && !PeakCardFree(rules, p, t, i))
                    out.cards.SetFaceState(code, kFaceDown);
    SetPlayCounters(out, p.passes, p.first_move, p.over);
    RecomputeScore(out);
}

}  // namespace velmora::solver
