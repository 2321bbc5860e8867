// Reading, summarising and rewriting a player's results file of thousands of
// games: what a statistics window and every ended game pay.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>

#include "engine/results/result_queries.h"
#include "storage/player_results_file.h"

namespace {

using namespace velmora;

PlayerResults Results(int64_t count) {
    PlayerResults results{"Player 1", {}};
    for (int64_t i = 0; i < count; ++i) {
        const int n = static_cast<int>(i);
        results.records.push_back({1 + n % 100, std::to_string(100000 + n), static_cast<GameResult>(n % 4),
                                   n % 208 - 52, n % 3600, n % 400, {2024, 1 + n % 12, 1 + n % 28, n % 24, n % 60, 0}});
    }
    return results;
}

class Folder {
  public:
    Folder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "velmora-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data())) path_ = pattern;
    }
    ~Folder() { std::filesystem::remove_all(path_); }
    std::string File() const { return path_ + "/Stat_e00.dat"; }

  private:
    std::string path_;
};

void BM_ReadResults(benchmark::State& state) {
    Folder folder;
    WritePlayerResults(folder.File(), Results(state.range(0)));
    for (auto _ : state) {
        PlayerResults read;
        std::string why;
        benchmark::DoNotOptimize(ReadPlayerResults(folder.File(), read, why));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReadResults)->Arg(1000)->Arg(10000)->Arg(100000);

void BM_SummariseResults(benchmark::State& state) {
    const PlayerResults results = Results(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(Summarize(results.records));
        benchmark::DoNotOptimize(RowsPerGame(results.records));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SummariseResults)->Arg(10000);

// One ended game: read the file, add the game, replace the file (flushed).
void BM_RecordOneMoreGame(benchmark::State& state) {
    Folder folder;
    WritePlayerResults(folder.File(), Results(state.range(0)));
    for (auto _ : state) {
        PlayerResults read;
        std::string why;
        ReadPlayerResults(folder.File(), read, why);
        read.records.pop_back();
        read.records.push_back(Results(1).records.front());
        benchmark::DoNotOptimize(WritePlayerResults(folder.File(), read));
    }
}
BENCHMARK(BM_RecordOneMoreGame)->Arg(10000);

}  // namespace

BENCHMARK_MAIN();
