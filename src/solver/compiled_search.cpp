#include "solver/compiled_search.h"

#include <algorithm>
#include <chrono>
#include <vector>

#include "solver/cycle_model.h"
#include "solver/line_shortcut.h"
#include "solver/portfolio.h"

namespace velmora::solver {

namespace {

// The model as scored for each depth-first search of the portfolio: as it
// is, then with one weight changed at a time. Which deals bury a search
// depends on its order more than on how good the order is, so several orders
// reach most wins sooner than any one (on Freecell's first thousand deals,
// eight orders need half the positions four did). Orders alike are tried
// once.
std::vector<CycleModel> Orders(const CycleModel& model) {
    using Tweak = void (*)(ScoreWeights&);
    constexpr Tweak kTweaks[] = {
        [](ScoreWeights& w) { w.blocking /= 2; },
        [](ScoreWeights& w) { w.home /= 2; },
        [](ScoreWeights& w) { w.buried *= 2; },
        [](ScoreWeights& w) { w.buried = 0; },
        [](ScoreWeights& w) { w.blocking *= 2; },
        [](ScoreWeights& w) { w.empty /= 2; },
        [](ScoreWeights& w) { w.empty *= 2; },
        [](ScoreWeights& w) { w.in_suit = 10; },
    };
    std::vector<CycleModel> orders{model};
    for (Tweak tweak : kTweaks) {
        ScoreWeights w = model.Weights();
        tweak(w);
        const bool alike = std::any_of(orders.begin(), orders.end(), [&w](const CycleModel& m) { return m.Weights() == w; });
        if (!alike) orders.push_back(model.Reweighed(w));
    }
    return orders;
}

Result Run(const CycleModel& model, const Limits& limits, const std::atomic<bool>* cancel) {
    const std::vector<CycleModel> orders = Orders(model);
    return AsResult(Portfolio<CycleModel>(orders, limits, cancel).Run(), limits, [&model, cancel](const std::vector<CycleMove>& moves) {
        std::vector<Move> line;
        CompiledPosition at = model.Root();
        for (const CycleMove& move : ShortcutLine(model, at, moves, cancel)) line.push_back(model.Play(at, move));
        return line;
    });
}

}  // namespace

Result SolveCompiled(const Engine& start, const Limits& limits, const std::atomic<bool>* cancel) {
    const auto began = std::chrono::steady_clock::now();
    Limits rest = limits;
    int64_t spent = 0;
    Move guess;
    {
        const CycleModel narrow(start, true);
        if (narrow.Narrow()) {
            Limits first = limits;
            first.positions = limits.positions / 2;
            first.seconds = limits.seconds / 2;
            const Result quick = Run(narrow, first, cancel);
            if (quick.verdict == Verdict::Won) return quick;
            spent = quick.positions;
            guess = quick.guess;
        }
    }
    rest.positions -= spent;
    rest.seconds -= std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    if (rest.positions <= 0 || rest.seconds <= 0 || (cancel != nullptr && cancel->load())) {
        Result unknown;
        unknown.positions = spent;
        unknown.guess = guess;
        return unknown;
    }
    Result full = Run(CycleModel(start), rest, cancel);
    full.positions += spent;
    return full;
}

}  // namespace velmora::solver
