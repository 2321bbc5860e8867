#pragma once
// Shortens a won line. A search that opens the most promising position
// first wins by long detours (runs carried to and fro, cards parked and
// fetched back), thousands of moves where a player needs a few hundred: a
// demo that plays them is no help. From each position of the line, the move
// that reaches the latest later position of the line in one step is taken
// instead of the line's own. Every step stays a legal move from one
// position of the line to another, so the shorter line wins as the long one
// does. A cancel ends the shortening early with the rest of the line as it
// was.
//
// The model's State needs operator==: positions with one key may differ
// (piles that play alike are keyed alike), and only the line's own
// position may be jumped to.

#include <atomic>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace velmora::solver {

template <class Model>
std::vector<typename Model::MoveType> ShortcutLine(const Model& model, const typename Model::State& root,
                                                   const std::vector<typename Model::MoveType>& line,
                                                   const std::atomic<bool>* cancel = nullptr) {
    using State = typename Model::State;
    std::vector<State> states{root};
    states.reserve(line.size() + 1);
    for (const auto& move : line) {
        State next = states.back();
        model.Apply(next, move);
        states.push_back(std::move(next));
    }
    std::unordered_multimap<uint64_t, size_t> places;
    for (size_t i = 0; i < states.size(); ++i) places.emplace(model.Key(states[i]), i);

    std::vector<typename Model::MoveType> shorter;
    size_t at = 0;
    while (at < line.size()) {
        if (cancel != nullptr && cancel->load(std::memory_order_relaxed)) {
            shorter.insert(shorter.end(), line.begin() + static_cast<std::ptrdiff_t>(at), line.end());
            break;
        }
        size_t next = at + 1;
        auto move = line[at];
        for (const auto& child : model.Children(states[at])) {
            const auto [first, last] = places.equal_range(child.key);
            for (auto it = first; it != last; ++it) {
                if (it->second <= next) continue;
                State after = states[at];
                model.Apply(after, child.move);
                if (!(after == states[it->second])) continue;
                next = it->second;
                move = child.move;
            }
        }
        shorter.push_back(move);
        at = next;
    }
    return shorter;
}

}  // namespace velmora::solver
