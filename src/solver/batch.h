#pragma once
// Solving many deals at once, one search per core: the deals are handed out
// one at a time to worker threads, each of which deals its own copy.

#include <cstdint>
#include <functional>
#include <vector>

#include "engine/model/engine.h"
#include "solver/search.h"

namespace velmora::solver {

// Puts deal number `index` of the batch on the table of `out` (a fresh
// engine of the worker's own); false when it could not be dealt. Called from
// several threads at once: it must share nothing unguarded.
using DealMaker = std::function<bool(int64_t index, Engine& out)>;

struct BatchResult {
    std::vector<Verdict> verdicts;  // per deal, in order (Unknown when not dealt)
    int64_t won = 0;
    int64_t impossible = 0;
    int64_t unknown = 0;
    double seconds = 0;  // wall-clock time of the whole batch
};

// Hears each deal's result as it comes, from the worker that solved it.
using ResultSink = std::function<void(int64_t index, const Result& result)>;

// Solves deals 0 .. count - 1 with `limits` each, on `threads` workers
// (0: one per core).
BatchResult SolveBatch(int64_t count, const DealMaker& make, const Limits& limits, unsigned threads = 0,
                       const ResultSink& sink = {});

// The share won with its 95 % Wilson interval, in percent; the unknown
// deals count as lost for the low end and as won for the high end.
struct WinnableShare {
    double percent = 0;
    double low = 0;
    double high = 0;
};
WinnableShare ShareOf(const BatchResult& batch);

}  // namespace velmora::solver
