#include "engine/deal/deal_number.h"

#include <cstdint>
#include <random>

#include "text/fixed_text.h"

namespace velmora {

namespace {

// The two factors' ranges: 0 .. 9 999 998 and 0 .. 999 998. Their product
// has at most 13 digits.
constexpr int64_t kFirstFactors = 9'999'999;
constexpr int64_t kSecondFactors = 999'999;

uint64_t SplitMix(uint64_t& state) {
    uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

}  // namespace

std::string NewDealNumber(Engine& e) {
    std::uniform_int_distribution<int64_t> first(0, kFirstFactors - 1);
    std::uniform_int_distribution<int64_t> second(0, kSecondFactors - 1);
    const int64_t a = first(e.random);
    const int64_t b = second(e.random);
    const std::string number = ZeroPad(a * b, kDealDigits);
    e.params.ParamWrite(param::kDealNumber, 15, number);
    return number;
}

std::string SampleDealNumber(uint64_t index) {
    uint64_t state = index;
    // The remainders' bias, under one part in 10^12, is no matter here.
    const auto a = static_cast<int64_t>(SplitMix(state) % kFirstFactors);
    const auto b = static_cast<int64_t>(SplitMix(state) % kSecondFactors);
    return ZeroPad(a * b, kDealDigits);
}

std::string DealDigits(std::string_view stored) {
    std::string digits = RightPart(std::string(kDealDigits, '0') + std::string(stored), kDealDigits);
    for (char& c : digits)
        if (c < '0' || c > '9') c = '0';
    return digits;
}

}  // namespace velmora
