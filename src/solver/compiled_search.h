#pragma once
// The search of a game the compiled model plays. Where a narrow search
// helps (see CycleModel), it runs first on half the budget, for a quick
// win; the full search then runs on what is left, and only it can prove a
// deal impossible.

#include <atomic>

#include "engine/model/engine.h"
#include "solver/search.h"

namespace velmora::solver {

Result SolveCompiled(const Engine& start, const Limits& limits, const std::atomic<bool>* cancel);

}  // namespace velmora::solver
