#include "solver/search.h"

#include <utility>

#include "solver/best_first.h"
#include "solver/interpreter_model.h"

namespace velmora::solver {

Result Solve(const Engine& start, const Limits& limits, const std::atomic<bool>* cancel) {
    const InterpreterModel model(start);
    ModelResult<InterpreterModel> found = BestFirst<InterpreterModel>(model, limits, cancel).Run(model.Root());
    Result result;
    result.verdict = found.verdict;
    result.positions = found.positions;
    result.line = std::move(found.line);
    return result;
}

const char* VerdictWord(Verdict verdict) {
    switch (verdict) {
        case Verdict::Won: return "won";
        case Verdict::Impossible: return "impossible";
        case Verdict::Unknown: break;
    }
    return "unknown";
}

}  // namespace velmora::solver
