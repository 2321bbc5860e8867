#pragma once
// Card codes as the compiled model holds them (1-52, 53-104 the second deck):
// their rank and suit, looked up. The search asks for them for every card of
// every position it scores.

#include <array>
#include <cstddef>
#include <cstdint>

namespace velmora::solver {

struct CodeFacts {
    std::array<int8_t, 128> rank{};
    std::array<int8_t, 128> suit{};
    constexpr CodeFacts() {
        for (int code = 1; code < 128; ++code) {
            rank[static_cast<size_t>(code)] = static_cast<int8_t>((code - 1) % 13 + 1);
            suit[static_cast<size_t>(code)] = static_cast<int8_t>(((code - 1) % 52) / 13);
        }
    }
};
inline constexpr CodeFacts kCodeFacts{};

// 0 (no card) has rank 0 and suit 0.
inline int RankOf(int code) { return kCodeFacts.rank[static_cast<size_t>(code & 0x7f)]; }
inline int SuitOf(int code) { return kCodeFacts.suit[static_cast<size_t>(code & 0x7f)]; }
inline bool IsRed(int code) { return SuitOf(code) < 2; }

}  // namespace velmora::solver
