#include "engine/deal/foundation_start.h"

#include <set>

#include "engine/model/card_code.h"
#include "engine/model/pile_string.h"
#include "engine/model/piles.h"

namespace velmora {

namespace {

constexpr int kJokerBaseRank = -2;  // fixed later by the first card played

int FrontCard(const DealBuffer& buffer) { return BufferHoldsCard(buffer, 0) ? BufferCode(buffer, 0) : -1; }

int FirstInBuffer(const DealBuffer& buffer, const std::function<bool(int)>& wanted) {
    return BufferCode(buffer, FindInBuffer(buffer, wanted));
}

int BottomCard(const Engine& e, ListId list, int index) { return PileCodeAt(e.piles.Text(list, index), 0); }

// The card of the same rank `f + 1` suits further on. The count wraps to
// 1 .. R[307], so that a card at the end of the deck is followed by the
// deck's own cards and not by the free-slot code 0.
int CardSuitsOn(const Engine& e, int front, int f) {
    if (front < 1) return -1;
    const int code = front + 13 * (f + 1);
    const int cards = e.R(307);
    if (cards >= code) return code;
    return cards >= 1 ? (code - 1) % cards + 1 : -1;
}

int FirstOfNewSuit(const DealContext& c, int f) {
    std::set<int> used;
    for (int g = 0; g < f; ++g) {
        const int bottom = BottomCard(c.e, ListId::Foundation, g);
        if (bottom >= 1) used.insert(CardSuit(bottom));
    }
    return FirstInBuffer(c.buffer, [&](int code) { return !used.contains(CardSuit(code)); });
}

// The starting card that value v names for foundation f; -1 for none.
int StartingCode(const DealContext& c, int f, int v) {
    switch (v) {
        case 91: return CardSuitsOn(c.e, FrontCard(c.buffer), f);
        case 92:
        case 96: return -1;
        case 93:
        case 94: return 13 * f + 1;
        case 95: return f <= 3 ? 13 * (f + 1) : 13 * f - 51;
        case 20: return FrontCard(c.buffer);
        case 21: return FirstOfNewSuit(c, f);
        default: break;
    }
    if (v >= 51 && v <= 63) return FirstInBuffer(c.buffer, [v](int code) { return CardRank(code) == v - 50; });
    return v > 99 ? v - 100 : 13 * f + v;
}

void SetBaseRankFromBottom(Engine& e, int f) {
    e.rules.Set(48 + f, CardRank(BottomCard(e, ListId::Foundation, f)));
}

}  // namespace

bool PlaceNamedCard(DealContext& c, ListId list, int index, int code) {
    if (code < 1 || !IsCardCode(code) || OnTable(c.e, code)) return false;
    if (!PileAppend(c.e, list, index, code, kFaceUp)) return false;
    RemoveFromBuffer(c.buffer, code);
    return true;
}

void PlaceStartingCards(DealContext& c) {
    for (int f = 0; f < FoundationsInUse(c.e); ++f) {
        const int v = c.e.R(96 + f);
        if (v == 0) continue;
        if (v == 92) c.e.rules.Set(48 + f, c.e.R(48));
        if (PlaceNamedCard(c, ListId::Foundation, f, StartingCode(c, f, v))) SetBaseRankFromBottom(c.e, f);
    }
}

void PlaceSecondWasteStart(DealContext& c) {
    const int v = c.e.R(288);
    if (v != 0) PlaceNamedCard(c, ListId::Stock, kSecondWasteIndex, v > 100 ? v - 100 : v);
}

void ApplyFoundationStartMode(DealContext& c) {
    Engine& e = c.e;
    switch (e.R(1)) {
        case 1: {
            const int code = DealOneFaceUp(c, ListId::Foundation, 0);
            if (code < 1) break;
            const int base = CardIsJoker(code) ? kJokerBaseRank : CardRank(code);
            for (int f = 0; f < kFoundationPiles; ++f) e.rules.Set(48 + f, base);
            break;
        }
        case 2:
            for (int f = 0; f < FoundationsInUse(e); ++f) {
                DealOneFaceUp(c, ListId::Foundation, f);
                const int bottom = BottomCard(e, ListId::Foundation, 0);
                if (bottom >= 1) e.rules.Set(48 + f, CardRank(bottom));
            }
            break;
        case 3:
            // Only foundations with a reserve of the same index have a source.
            for (int f = 0; f < FoundationsInUse(e) && f < kReservePiles; ++f) {
                const int rank = CardRank(BottomCard(e, ListId::Reserve, f));
                if (rank >= 1 && rank <= 13) e.rules.Set(48 + f, NextRank(rank));
            }
            break;
        case 4: {
            const int rank = CardRank(DealOneFaceUp(c, ListId::Foundation, 0));
            if (rank < 1 || rank > 13) break;  // no card, or a joker: no ranks to take
            for (int n = 49; n <= 51; ++n) e.rules.Set(n, rank);
            for (int n = 52; n <= 55; ++n) e.rules.Set(n, NextRank(rank));
            break;
        }
        default:
            break;
    }
}

void ReplaceTableauBase91(Engine& e) {
    for (int t = 0; t < kTableauPiles; ++t)
        if (e.R(128 + t) == 91) e.rules.Set(128 + t, PreviousRank(e.R(48)));
}

void DealExtraFoundationCard(DealContext& c) {
    if (c.e.R(11) == 1) DealOneFaceUp(c, ListId::Foundation, 0);
}

}  // namespace velmora
