#include "solver/search.h"

#include <utility>

#include "solver/best_first.h"
#include "solver/compiled_model.h"
#include "solver/compiled_search.h"
#include "solver/interpreter_model.h"

namespace velmora::solver {

namespace {

Result FromInterpreter(const Engine& start, const Limits& limits, const std::atomic<bool>* cancel) {
    const InterpreterModel model(start);
    ModelResult<InterpreterModel> found = BestFirst<InterpreterModel>(model, limits, cancel).Run(model.Root());
    Result result;
    result.verdict = found.verdict;
    result.positions = found.positions;
    result.line = std::move(found.line);
    return result;
}

}  // namespace

Result Solve(const Engine& start, const Limits& limits, const std::atomic<bool>* cancel) {
    if (CompiledModel::Supports(start)) return SolveCompiled(start, limits, cancel);
    return FromInterpreter(start, limits, cancel);
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
