#pragma once
// What a search over a model answers: the verdict, the line of the model's
// own moves when won, and the positions entered.

#include <cstdint>
#include <vector>

#include "solver/search.h"

namespace velmora::solver {

template <class Model>
struct ModelResult {
    Verdict verdict = Verdict::Unknown;
    std::vector<typename Model::MoveType> line;
    int64_t positions = 0;
};

}  // namespace velmora::solver
