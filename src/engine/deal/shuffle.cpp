#include "engine/deal/shuffle.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "engine/deal/deal_number.h"
#include "engine/deal/shuffle_tables.h"
#include "engine/model/card_code.h"

namespace velmora {

namespace {

constexpr const char* kCardCountError = "Error 01 - fnGameNumberCardsArray";

// The deal number's digits, 1-based as the shuffle addresses them.
class Digits {
public:
    explicit Digits(std::string text) : text_(std::move(text)) {}
    int At(int position) const { return text_[static_cast<size_t>(position) - 1] - '0'; }
    // The number formed by the digits at the given positions, in order.
    int Number(std::initializer_list<int> positions) const {
        int value = 0;
        for (int p : positions) value = value * 10 + At(p);
        return value;
    }
    // The nine digits whose value picks the suit row of cycle r: the number
    // without digits r .. r + 3, or, from cycle 11 on, nine digits in a row.
    int64_t SuitKey(int r) const {
        const size_t at = static_cast<size_t>(r);
        const std::string key = r <= 10 ? text_.substr(0, at - 1) + text_.substr(at + 3) : text_.substr(at - 9, 9);
        int64_t value = 0;
        for (char c : key) value = value * 10 + (c - '0');
        return value;
    }

private:
    std::string text_;
};

// Cards per rank: one per suit and deck; 0 when the card count is unusable.
int DecksFactor(const Engine& e) {
    const int cards = e.R(307);
    if (cards <= 52) return 4;
    if (cards == 104) return 8;
    return 0;
}

// A slot index moved by a step wraps round the buffer and never goes below
// the first slot. `n` is at least 1.
int WrapSlot(int64_t y, int n) {
    if (y >= n) return static_cast<int>(y % n);
    if (y < 0) return 0;
    return static_cast<int>(y);
}

void Put(DealBuffer& buffer, int slot, int code) { buffer[static_cast<size_t>(slot)] = CardCodeText(code); }

void PlaceJokers(const Engine& e, const Digits& t, int start, DealBuffer& buffer) {
    const int n = static_cast<int>(buffer.size());
    const int row = t.At(1);
    int64_t z = start;
    for (int i = 1; i <= JokersInGame(e); ++i) {
        z = WrapSlot(z + ShuffleStep(row, i - 1), n);
        const int slot = FindFreeSlot(buffer, static_cast<int>(z), true);
        if (slot >= 0) Put(buffer, slot, 104 + i);
    }
}

}  // namespace

int JokersInGame(const Engine& e) { return e.R(43) == 1 ? std::clamp(e.R(310), 0, kMaxJokers) : 0; }

int DealCardCount(const Engine& e) { return std::max(0, e.R(307)) + JokersInGame(e); }

int FindFreeSlot(const DealBuffer& buffer, int start, bool forward) {
    const int n = static_cast<int>(buffer.size());
    auto free = [&](int i) { return buffer[static_cast<size_t>(i)] == kFreeSlot; };
    if (forward) {
        for (int i = std::max(start, 0); i < n; ++i)
            if (free(i)) return i;
    } else if (start >= 0) {
        for (int i = std::min(start, n - 1); i >= 0; --i)
            if (free(i)) return i;
    }
    for (int i = 0; i < n; ++i)
        if (free(i)) return i;
    return -1;
}

int ChooseRankIndex(int q, int ranks_left, bool forward) {
    if (q > ranks_left - 1 && forward) q = ranks_left - 1;
    if (q > ranks_left - 1) q = 0;
    return q;
}

bool ShuffleDeck(Engine& e, DealBuffer& buffer) {
    const int n = DealCardCount(e);
    buffer.assign(static_cast<size_t>(n), kFreeSlot);
    const int decks = DecksFactor(e);
    if (decks == 0) e.messages->ShowInfo(kCardCountError);
    if (n == 0) return decks != 0;

    const Digits t(DealDigits(e.params.ParamRead(param::kDealNumber, 15)));
    int64_t y = t.Number({2, 6, 12});
    PlaceJokers(e, t, static_cast<int>(y), buffer);

    std::vector<int> ranks;
    for (int rank = 1; rank <= 13; ++rank) ranks.push_back(rank);
    int p1 = 1, p2 = 7, p3 = 13;
    auto advance = [](int p) { return p + 1 > 13 ? p + 1 - 13 : p + 1; };

    for (int r = 1; r <= 13; ++r) {
        const int d = t.At(r);
        const bool forward = d == 0;
        const int suit_row = static_cast<int>(t.SuitKey(r) % 13);
        const int q = ChooseRankIndex(t.Number({p1, p2, p3}) % 13, static_cast<int>(ranks.size()), forward);
        const int rank = ranks[static_cast<size_t>(q)];
        ranks.erase(ranks.begin() + q);
        p1 = advance(p1);
        p2 = advance(p2);
        p3 = advance(p3);

        y -= d;
        for (int i = 1; i <= decks; ++i) {
            y = WrapSlot(y + ShuffleStep(d, i - 1), n);
            const int code = (ShuffleSuit(suit_row, i - 1) - 1) * 13 + rank + (i > 4 ? 52 : 0);
            if (buffer[static_cast<size_t>(y)] == kFreeSlot) {
                Put(buffer, static_cast<int>(y), code);
                continue;
            }
            // A taken slot: the next free one in the cycle's direction. The
            // position found (or -1) is where the next step starts from.
            y = FindFreeSlot(buffer, static_cast<int>(y), forward);
            if (y >= 0) Put(buffer, static_cast<int>(y), code);
        }
    }
    return decks != 0;
}

}  // namespace velmora
