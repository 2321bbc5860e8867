#include "solver/search.h"

#include <utility>

#include "solver/best_first.h"
#include "solver/compiled_model.h"
#include "solver/cycle_model.h"
#include "solver/depth_first.h"
#include "solver/interpreter_model.h"

namespace velmora::solver {

namespace {

Result FromCompiled(const Engine& start, const Limits& limits, const std::atomic<bool>* cancel) {
    CycleModel model(start);
    ModelResult<CycleModel> found = DepthFirst<CycleModel>(model, limits, cancel).Run(model.Root());
    Result result;
    result.verdict = found.verdict;
    result.positions = found.positions;
    CompiledPosition at = model.Root();
    for (const CycleMove& move : found.line) result.line.push_back(model.Play(at, move));
    return result;
}

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
    if (CompiledModel::Supports(start)) return FromCompiled(start, limits, cancel);
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
