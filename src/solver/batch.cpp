#include "solver/batch.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <thread>

namespace velmora::solver {

namespace {

constexpr double kZ95 = 1.959963984540054;

// The Wilson score interval of `won` out of `n`, as fractions.
void Wilson(double won, double n, double& low, double& high) {
    if (n <= 0) {
        low = 0;
        high = 1;
        return;
    }
    const double p = won / n;
    const double z2 = kZ95 * kZ95;
    const double centre = p + z2 / (2 * n);
    const double spread = kZ95 * std::sqrt(p * (1 - p) / n + z2 / (4 * n * n));
    const double scale = 1 + z2 / n;
    low = std::max(0.0, (centre - spread) / scale);
    high = std::min(1.0, (centre + spread) / scale);
}

}  // namespace

BatchResult SolveBatch(int64_t count, const DealMaker& make, const Limits& limits, unsigned threads,
                       const ResultSink& sink) {
    BatchResult batch;
    if (count <= 0) return batch;
    batch.verdicts.assign(static_cast<size_t>(count), Verdict::Unknown);
    if (threads == 0) threads = std::max(1u, std::thread::hardware_concurrency());
    threads = static_cast<unsigned>(std::min<int64_t>(threads, count));
    std::atomic<int64_t> next{0};
    const auto started = std::chrono::steady_clock::now();
    auto work = [&] {
        for (int64_t i = next++; i < count; i = next++) {
            Engine table;
            if (!make(i, table)) continue;
            const Result result = Solve(table, limits);
            batch.verdicts[static_cast<size_t>(i)] = result.verdict;
            if (sink) sink(i, result);
        }
    };
    std::vector<std::thread> workers;
    for (unsigned t = 1; t < threads; ++t) workers.emplace_back(work);
    work();
    for (std::thread& worker : workers) worker.join();
    batch.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    for (Verdict v : batch.verdicts) {
        if (v == Verdict::Won) ++batch.won;
        else if (v == Verdict::Impossible) ++batch.impossible;
        else ++batch.unknown;
    }
    return batch;
}

WinnableShare ShareOf(const BatchResult& batch) {
    const double n = static_cast<double>(batch.verdicts.size());
    WinnableShare share;
    if (n <= 0) return share;
    share.percent = 100.0 * static_cast<double>(batch.won) / n;
    double low = 0;
    double ignored = 0;
    Wilson(static_cast<double>(batch.won), n, low, ignored);
    double high = 0;
    Wilson(static_cast<double>(batch.won + batch.unknown), n, ignored, high);
    share.low = 100.0 * low;
    share.high = 100.0 * high;
    return share;
}

}  // namespace velmora::solver
