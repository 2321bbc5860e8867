#include "solver/search.h"

#include <utility>

#include "solver/best_first.h"
#include "solver/compiled_model.h"
#include "solver/compiled_search.h"
#include "solver/depth_first.h"
#include "solver/interpreter_model.h"
#include "solver/line_shortcut.h"
#include "solver/removal_model.h"

namespace velmora::solver {

namespace {

Result FromRemoval(const Engine& start, const Limits& limits, const std::atomic<bool>* cancel) {
    const RemovalModel model(start);
    return AsResult(DepthFirst<RemovalModel>(model, limits, cancel).Run(model.Root()), limits, [&model](const std::vector<RemovalMove>& moves) {
        std::vector<Move> line;
        for (const RemovalMove& move : moves) line.push_back(model.ToMove(move));
        return line;
    });
}

Result FromInterpreter(const Engine& start, const Limits& limits, const std::atomic<bool>* cancel) {
    const InterpreterModel model(start);
    return AsResult(BestFirst<InterpreterModel>(model, limits, cancel).Run(model.Root()), limits,
                    [&model, cancel](const std::vector<Move>& moves) { return ShortcutLine(model, model.Root(), moves, cancel); });
}

}  // namespace

Result Solve(const Engine& start, const Limits& limits, const std::atomic<bool>* cancel) {
    if (CompiledModel::Supports(start)) return SolveCompiled(start, limits, cancel);
    if (RemovalModel::Supports(start)) return FromRemoval(start, limits, cancel);
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
