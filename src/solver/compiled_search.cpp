#include "solver/compiled_search.h"

#include <chrono>

#include "solver/cycle_model.h"
#include "solver/line_shortcut.h"
#include "solver/portfolio.h"

namespace velmora::solver {

namespace {

Result Run(const CycleModel& model, const Limits& limits, const std::atomic<bool>* cancel) {
    return AsResult(Portfolio<CycleModel>(model, limits, cancel).Run(), limits, [&model, cancel](const std::vector<CycleMove>& moves) {
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
    {
        const CycleModel narrow(start, true);
        if (narrow.Narrow()) {
            Limits first = limits;
            first.positions = limits.positions / 2;
            first.seconds = limits.seconds / 2;
            const Result quick = Run(narrow, first, cancel);
            if (quick.verdict == Verdict::Won) return quick;
            spent = quick.positions;
        }
    }
    rest.positions -= spent;
    rest.seconds -= std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    if (rest.positions <= 0 || rest.seconds <= 0 || (cancel != nullptr && cancel->load())) {
        Result unknown;
        unknown.positions = spent;
        return unknown;
    }
    Result full = Run(CycleModel(start), rest, cancel);
    full.positions += spent;
    return full;
}

}  // namespace velmora::solver
