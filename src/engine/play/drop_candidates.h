#pragma once
// The piles a dropped card may land on, in the order they are tried: the
// pile it overlaps most first.

#include <vector>

namespace velmora {

inline constexpr int kMaxDropCandidates = 4;

struct DropCandidate {
    int kind = 0;     // PileKind: 2 waste, 4 tableau, 5 foundation, 6 reserve
    int index = 0;    // 0-based pile index within its kind
    int overlap = 0;  // how much of the dragged card lies over the pile
    bool operator==(const DropCandidate&) const = default;
};

// Decreasing overlap; ties go reserve, foundation, tableau, waste, then the
// higher pile index. At most the first four are kept.
std::vector<DropCandidate> OrderDropCandidates(std::vector<DropCandidate> candidates);

}  // namespace velmora
