#include "solver/compiled_position.h"

#include <algorithm>

#include "engine/model/card_code.h"
#include "engine/model/pile_string.h"
#include "engine/play/move_log.h"
#include "solver/play_counters.h"

namespace velmora::solver {

namespace {

constexpr int kHashDepths = 128;

uint64_t SplitMix(uint64_t x) {
    x += 0x9e3779b97f4a7c15ULL;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

// One random number per place in a pile and card byte; built once, then
// only read.
const std::vector<uint64_t>& PlaceNumbers() {
    static const std::vector<uint64_t> numbers = [] {
        std::vector<uint64_t> n(kHashDepths * 256);
        for (size_t i = 0; i < n.size(); ++i) n[i] = SplitMix(i * 0x2545f4914f6cdd1dULL + 1);
        return n;
    }();
    return numbers;
}

}  // namespace

bool CompiledPosition::Find(int code, int& pile, int& at) const {
    const int size = start_[start_.size() - 1];
    for (int i = 0; i < size; ++i) {
        if (CodeOf(cards_[static_cast<size_t>(i)]) != code) continue;
        pile = 0;
        while (start_[static_cast<size_t>(pile) + 1] <= i) ++pile;
        at = i - start_[static_cast<size_t>(pile)];
        return true;
    }
    return false;
}

void CompiledPosition::Push(int pile, uint8_t card) {
    const size_t end = start_[static_cast<size_t>(pile) + 1];
    const size_t size = start_[start_.size() - 1];
    std::copy_backward(cards_.begin() + static_cast<std::ptrdiff_t>(end), cards_.begin() + static_cast<std::ptrdiff_t>(size),
                       cards_.begin() + static_cast<std::ptrdiff_t>(size) + 1);
    cards_[end] = card;
    for (size_t p = static_cast<size_t>(pile) + 1; p < start_.size(); ++p) ++start_[p];
}

uint8_t CompiledPosition::Pop(int pile) {
    const size_t end = start_[static_cast<size_t>(pile) + 1];
    const size_t size = start_[start_.size() - 1];
    const uint8_t card = cards_[end - 1];
    std::copy(cards_.begin() + static_cast<std::ptrdiff_t>(end), cards_.begin() + static_cast<std::ptrdiff_t>(size),
              cards_.begin() + static_cast<std::ptrdiff_t>(end) - 1);
    for (size_t p = static_cast<size_t>(pile) + 1; p < start_.size(); ++p) --start_[p];
    return card;
}

// Rotates the `n` cards from place `at` to their place: the cards between
// them and the end of `to` shift by `n`, the moved cards keep their order and
// lie face up.
void CompiledPosition::MoveBlock(int from, int at, int n, int to) {
    if (n <= 0 || at < 0 || at + n > Count(from) || from == to) return;
    auto it = [&](size_t i) { return cards_.begin() + static_cast<std::ptrdiff_t>(i); };
    const size_t first = static_cast<size_t>(start_[static_cast<size_t>(from)] + at);
    const size_t last = first + static_cast<size_t>(n);
    for (size_t i = first; i < last; ++i) cards_[i] &= 0x7f;
    if (to > from) {
        const size_t end = start_[static_cast<size_t>(to) + 1];
        std::rotate(it(first), it(last), it(end));
        for (size_t p = static_cast<size_t>(from) + 1; p <= static_cast<size_t>(to); ++p)
            start_[p] = static_cast<uint8_t>(start_[p] - n);
    } else {
        const size_t end = start_[static_cast<size_t>(to) + 1];
        std::rotate(it(end), it(first), it(last));
        for (size_t p = static_cast<size_t>(to) + 1; p <= static_cast<size_t>(from); ++p)
            start_[p] = static_cast<uint8_t>(start_[p] + n);
    }
}

// A card of the second deck as its twin of the first, face mark kept.
uint8_t FirstDeckTwin(uint8_t card) {
    const int code = CodeOf(card);
    return static_cast<uint8_t>((code > 52 ? code - 52 : code) | (card & kFaceDownBit));
}

uint64_t CompiledPosition::PileHash(int pile, bool fold_twins) const {
    const std::vector<uint64_t>& numbers = PlaceNumbers();
    uint64_t h = static_cast<uint64_t>(Count(pile)) * 0x9e3779b97f4a7c15ULL;
    for (int i = 0; i < Count(pile); ++i) {
        const uint8_t card = fold_twins ? FirstDeckTwin(At(pile, i)) : At(pile, i);
        h ^= numbers[static_cast<size_t>(std::min(i, kHashDepths - 1) * 256 + card)];
    }
    return h;
}

// The waste from its bottom, then the stock from its top, face marks left out.
uint64_t CompiledPosition::StockLineHash(bool fold_twins) const {
    const std::vector<uint64_t>& numbers = PlaceNumbers();
    const int waste = Count(kCompiledWaste);
    const int stock = Count(kCompiledStock);
    uint64_t h = static_cast<uint64_t>(waste + stock) * 0x9e3779b97f4a7c15ULL + 0x5bd1e995ULL;
    auto add = [&](int place, uint8_t card) {
        const uint8_t face_up = static_cast<uint8_t>(CodeOf(card));
        h ^= numbers[static_cast<size_t>(std::min(place, kHashDepths - 1) * 256 + (fold_twins ? FirstDeckTwin(face_up) : face_up))];
    };
    for (int i = 0; i < waste; ++i) add(i, At(kCompiledWaste, i));
    for (int i = 0; i < stock; ++i) add(waste + i, At(kCompiledStock, stock - 1 - i));
    return h;
}

bool CompiledPosition::SamePile(const CompiledPosition& other, int pile) const {
    const int n = Count(pile);
    if (n != other.Count(pile)) return false;
    const auto* mine = cards_.data() + start_[static_cast<size_t>(pile)];
    const auto* theirs = other.cards_.data() + other.start_[static_cast<size_t>(pile)];
    return std::equal(mine, mine + n, theirs);
}

bool CompiledPosition::operator==(const CompiledPosition& other) const {
    if (start_ != other.start_ || passes != other.passes || first_move != other.first_move || over != other.over)
        return false;
    const auto used = static_cast<std::ptrdiff_t>(start_[start_.size() - 1]);
    return std::equal(cards_.begin(), cards_.begin() + used, other.cards_.begin());
}

PileHashes::PileHashes(const CompiledRules& rules, const CompiledPosition& p) : position_(p) {
    for (int pile = 0; pile < rules.Piles(); ++pile) {
        plain_[static_cast<size_t>(pile)] = p.PileHash(pile, false);
        if (rules.twin_cards) twins_[static_cast<size_t>(pile)] = p.PileHash(pile, true);
    }
}

uint64_t CompiledPosition::CycleKey(const CompiledRules& rules, const PileHashes* near) const {
    uint64_t exact = 0;
    uint64_t key = 0;
    AllHashes(rules, true, exact, &key, near);
    return key;
}

uint64_t CompiledPosition::ExactHash(const CompiledRules& rules, const PileHashes* near) const {
    uint64_t exact = 0;
    AllHashes(rules, false, exact, nullptr, near);
    return exact;
}

uint64_t CompiledPosition::Key(const CompiledRules& rules, const PileHashes* near) const {
    uint64_t exact = 0;
    uint64_t key = 0;
    AllHashes(rules, false, exact, &key, near);
    return key;
}

// Odd multipliers, one per place in a hash sum.
uint64_t PlaceWeight(int place) { return SplitMix(static_cast<uint64_t>(place) + 77) | 1u; }

void CompiledPosition::Hashes(const CompiledRules& rules, uint64_t& exact, uint64_t& key, const PileHashes* near) const {
    AllHashes(rules, false, exact, &key, near);
}

// The exact hash always; the key too when asked for.
void CompiledPosition::AllHashes(const CompiledRules& rules, bool fold_stock, uint64_t& exact, uint64_t* key,
                                 const PileHashes* near) const {
    static const std::array<uint64_t, kMaxCompiledPiles + 2> weights = [] {
        std::array<uint64_t, kMaxCompiledPiles + 2> w{};
        for (size_t i = 0; i < w.size(); ++i) w[i] = PlaceWeight(static_cast<int>(i));
        return w;
    }();
    const int piles_in_use = rules.Piles();
    std::array<uint64_t, kMaxCompiledPiles> piles{};
    uint64_t h = static_cast<uint64_t>(passes) * weights[kMaxCompiledPiles] +
                 ((first_move ? 1u : 0u) | (over ? 2u : 0u)) * weights[kMaxCompiledPiles + 1];
    auto pile_hash = [&](int p, bool fold_twins) {
        if (near != nullptr && SamePile(near->position_, p))
            return fold_twins ? near->twins_[static_cast<size_t>(p)] : near->plain_[static_cast<size_t>(p)];
        return PileHash(p, fold_twins);
    };
    for (int p = 0; p < piles_in_use; ++p) {
        piles[static_cast<size_t>(p)] = pile_hash(p, false);
        h += piles[static_cast<size_t>(p)] * weights[static_cast<size_t>(p)];
    }
    exact = SplitMix(h);
    if (key == nullptr) return;
    // The two decks' cards of one suit and rank play alike.
    if (rules.twin_cards)
        for (int p = 0; p < piles_in_use; ++p) piles[static_cast<size_t>(p)] = pile_hash(p, true);
    if (fold_stock) {
        piles[kCompiledStock] = StockLineHash(rules.twin_cards);
        piles[kCompiledWaste] = 0x2f1b3c4d5e6f7081ULL;
    }

    // Piles that play alike in any order: the foundations when they all build
    // alike from one rank, the tableau piles, the free cells. Sorted, each
    // group's hashes take the places of the group in the sum.
    auto sort_group = [&](int first, int count) { std::sort(piles.begin() + first, piles.begin() + first + count); };
    if (rules.FoundationsAlike()) sort_group(rules.Foundation(0), rules.foundations);
    if (rules.TableausAlikeAt(passes)) sort_group(rules.Tableau(0), rules.tableaus);
    if (rules.CellsAlike()) sort_group(rules.Reserve(0), rules.reserves);
    uint64_t k = (over ? 1u : 0u) * weights[kMaxCompiledPiles + 1];
    if (rules.passes != -1) k += static_cast<uint64_t>(passes) * weights[kMaxCompiledPiles];
    for (int p = 0; p < piles_in_use; ++p) k += piles[static_cast<size_t>(p)] * weights[static_cast<size_t>(p)];
    *key = SplitMix(k ^ 0x1b873593ULL);
}

PileRef EnginePile(const CompiledRules& rules, int pile) {
    if (pile < 2) return {ListId::Stock, pile};
    if (rules.IsFoundation(pile)) return {ListId::Foundation, pile - rules.Foundation(0)};
    if (rules.IsTableau(pile)) return {ListId::Tableau, pile - rules.Tableau(0)};
    return {ListId::Reserve, pile - rules.Reserve(0)};
}

CompiledPosition PositionFromEngine(const Engine& e, const CompiledRules& rules) {
    CompiledPosition p;
    for (int pile = 0; pile < rules.Piles(); ++pile) {
        const PileRef ref = EnginePile(rules, pile);
        for (int code : PileCodes(e.piles.Text(ref.list, ref.index)))
            p.Push(pile, static_cast<uint8_t>(code | (e.cards.IsFaceDown(code) ? kFaceDownBit : 0)));
    }
    p.passes = e.main_game.Field(field::kPassCounter);
    p.first_move = e.main_game.Field(field::kMoveCounter) == 0;
    p.over = !e.flags.Get(flag::kInProgress);
    return p;
}

void PositionToEngine(const CompiledPosition& p, const CompiledRules& rules, const Engine& root, Engine& out) {
    CopyQuietly(root, out);
    for (int pile = 0; pile < rules.Piles(); ++pile) {
        const PileRef ref = EnginePile(rules, pile);
        std::string& text = *out.piles.Pile(ref.list, ref.index);
        text.clear();
        for (int i = 0; i < p.Count(pile); ++i) {
            const uint8_t card = p.At(pile, i);
            text += CardCodeText(CodeOf(card));
            out.cards.SetFaceState(CodeOf(card), IsDown(card) ? kFaceDown : kFaceUp);
        }
    }
    SetPlayCounters(out, p.passes, p.first_move, p.over);
}

}  // namespace velmora::solver
