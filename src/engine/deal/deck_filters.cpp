#include "engine/deal/deck_filters.h"

#include <algorithm>
#include <array>
#include <set>

#include "engine/model/card_code.h"

namespace velmora {

namespace {

// Keeps, of each rank 1 .. top_rank, only the first card that `keep` accepts
// (and no card of that rank when none does); every rank above top_rank goes.
void KeepOnePerRank(DealBuffer& buffer, int top_rank, const std::function<bool(int)>& keep) {
    std::set<int> kept_ranks;
    RemoveFromBufferIf(buffer, [&](int code) {
        const int rank = CardRank(code);
        if (rank > top_rank) return true;
        if (rank < 1) return false;
        if (kept_ranks.contains(rank) || !keep(code)) return true;
        kept_ranks.insert(rank);
        return false;
    });
}

void KeepLowCodes(const Engine& e, DealBuffer& buffer) {
    const int piles = e.R(304);
    if (piles <= 13) {
        RemoveFromBufferIf(buffer, [piles](int code) { return code > piles; });
        return;
    }
    RemoveFromBufferIf(buffer, [piles](int code) { return (code >= 14 && code <= 26) || code > piles + 13; });
}

void KeepChosenCodes(const Engine& e, DealBuffer& buffer) {
    constexpr std::array kAlways = {1, 5, 15, 19, 29, 43, 53, 57, 67, 71, 81, 95};
    constexpr std::array kFromFour = {9, 23, 33, 37, 47, 51, 61, 75, 85, 89, 99, 103};
    constexpr std::array kFromFive = {2, 10, 16, 24, 30, 38, 44, 52, 54, 62, 68, 76, 82, 90, 96, 104};
    std::set<int> kept(kAlways.begin(), kAlways.end());
    const int piles = e.R(304);
    if (piles != 3) kept.insert(kFromFour.begin(), kFromFour.end());
    if (piles != 3 && piles != 4) kept.insert(kFromFive.begin(), kFromFive.end());
    RemoveFromBufferIf(buffer, [&](int code) { return !kept.contains(code); });
}

}  // namespace

void ApplyDeckFilter(const Engine& e, DealBuffer& buffer) {
    switch (e.R(33)) {
        case 11:
            KeepOnePerRank(buffer, e.R(304), [](int) { return true; });
            break;
        case 14: {
            if (buffer.empty()) break;
            const int suit = CardSuit(BufferCode(buffer, 0));
            KeepOnePerRank(buffer, 9, [suit](int code) { return CardSuit(code) == suit; });
            break;
        }
        case 9:
            KeepLowCodes(e, buffer);
            break;
        case 12:
            KeepChosenCodes(e, buffer);
            break;
        default:
            break;
    }
}

}  // namespace velmora
