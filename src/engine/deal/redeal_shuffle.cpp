#include "engine/deal/redeal_shuffle.h"

#include <cstdint>
#include <string>
#include <utility>

#include "engine/deal/deal_number.h"

namespace velmora {

namespace {

// SplitMix64: one 64-bit state, each draw a fixed function of it.
uint64_t NextDraw(uint64_t& state) {
    state += 0x9e3779b97f4a7c15ULL;
    uint64_t z = state;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

// A whole number below `n` (n >= 1), the draws above the last full run of
// n values set aside so that every value is as likely.
uint64_t DrawBelow(uint64_t& state, uint64_t n) {
    const uint64_t limit = UINT64_MAX - UINT64_MAX % n;
    uint64_t draw = NextDraw(state);
    while (draw >= limit) draw = NextDraw(state);
    return draw % n;
}

uint64_t Seed(std::string_view deal_number, int pass) {
    uint64_t seed = 0;
    for (char digit : DealDigits(deal_number)) seed = seed * 10 + static_cast<uint64_t>(digit - '0');
    // A pass of its own for every redeal of the deal.
    uint64_t state = seed ^ (static_cast<uint64_t>(static_cast<uint32_t>(pass)) << 48);
    return NextDraw(state);
}

}  // namespace

void ShuffleForRedeal(std::vector<int>& cards, std::string_view deal_number, int pass) {
    uint64_t state = Seed(deal_number, pass);
    // Fisher and Yates: each place from the last takes one of the cards left.
    for (size_t i = cards.size(); i > 1; --i) {
        const size_t j = static_cast<size_t>(DrawBelow(state, i));
        std::swap(cards[i - 1], cards[j]);
    }
}

}  // namespace velmora
