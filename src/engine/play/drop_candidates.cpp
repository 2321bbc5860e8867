#include "engine/play/drop_candidates.h"

#include <algorithm>
#include <tuple>

namespace velmora {

std::vector<DropCandidate> OrderDropCandidates(std::vector<DropCandidate> candidates) {
    // The pile kinds' numbers already rank reserve (6) over foundation (5)
    // over tableau (4) over waste (2).
    std::stable_sort(candidates.begin(), candidates.end(), [](const DropCandidate& a, const DropCandidate& b) {
        return std::tie(a.overlap, a.kind, a.index) > std::tie(b.overlap, b.kind, b.index);
    });
    if (candidates.size() > kMaxDropCandidates) candidates.resize(kMaxDropCandidates);
    return candidates;
}

}  // namespace velmora
