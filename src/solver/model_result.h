#pragma once
// What a search over a model answers (the verdict, the line of the model's
// own moves when won, and the positions entered), and the budget it runs on.

#include <atomic>
#include <chrono>
#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

#include "solver/search.h"

namespace velmora::solver {

// An `Advance` step that runs the search to its verdict.
constexpr int64_t kWholeSearch = std::numeric_limits<int64_t>::max() / 2;

template <class Model>
struct ModelResult {
    Verdict verdict = Verdict::Unknown;
    std::vector<typename Model::MoveType> line;
    int64_t positions = 0;
    // After Unknown: the first move of the line the search was following
    // when it stopped (none when it had none).
    std::optional<typename Model::MoveType> guess;
};

// The limits of one search as it runs: positions, the wall clock and the
// cancel flag; the clock and the flag are read once every `check_every` steps.
class SearchBudget {
  public:
    SearchBudget(const Limits& limits, const std::atomic<bool>* cancel, int64_t check_every)
        : positions_(limits.positions), cancel_(cancel), check_every_(check_every),
          deadline_(std::chrono::steady_clock::now() +
                    std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                        std::chrono::duration<double>(limits.seconds))) {}

    bool Spent(int64_t positions) {
        if (positions >= positions_) return true;
        if (++checks_ % check_every_ != 0) return false;
        if (cancel_ != nullptr && cancel_->load(std::memory_order_relaxed)) return true;
        return std::chrono::steady_clock::now() >= deadline_;
    }

  private:
    int64_t positions_;
    const std::atomic<bool>* cancel_;
    int64_t check_every_;
    std::chrono::steady_clock::time_point deadline_;
    int64_t checks_ = 0;
};

// A search's answer as the solver gives it: the verdict, the positions, and
// the line (or the guess) in player inputs, which `line_of` makes from the
// model's moves when the limits want it.
template <class Model, class LineOf>
Result AsResult(ModelResult<Model> found, const Limits& limits, LineOf line_of) {
    Result result;
    result.verdict = found.verdict;
    result.positions = found.positions;
    if (found.verdict == Verdict::Won && limits.want_line) result.line = line_of(found.line);
    if (found.verdict == Verdict::Unknown && limits.want_line && found.guess) {
        const std::vector<Move> first = line_of(std::vector<typename Model::MoveType>{*found.guess});
        if (!first.empty()) result.guess = first.front();
    }
    return result;
}

}  // namespace velmora::solver
