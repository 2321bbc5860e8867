// How fast the engine shuffles, deals and plays, through the same driver the
// tests and scripts use.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "driver.h"
#include "engine/deal/shuffle.h"
#include "engine/model/engine.h"

namespace {

using velmora::cli::Driver;

Driver MakeDriver() {
    return Driver(VELMORA_PROGRAM_DIR, std::string(VELMORA_PROGRAM_DIR) + "GAMES.DAT");
}

void Shuffle52(benchmark::State& state) {
    auto e = velmora::EngineInit("/");
    e->rules.Set(307, 52);
    e->params.ParamWrite(velmora::param::kDealNumber, 15, "1234567890123");
    velmora::DealBuffer buffer;
    for (auto _ : state) {
        velmora::ShuffleDeck(*e, buffer);
        benchmark::DoNotOptimize(buffer.data());
    }
}
BENCHMARK(Shuffle52);

// A new deal of each game: rules restored, piles cleared, shuffled, dealt.
void NewDeal(benchmark::State& state) {
    Driver driver = MakeDriver();
    const std::string command = "new " + std::to_string(state.range(0)) + " 1234567890123";
    std::ostringstream sink;
    for (auto _ : state) {
        driver.Execute(command, sink);
        sink.str({});
    }
}
BENCHMARK(NewDeal)->DenseRange(1, 9);

// Listing every legal drag of a fresh Freecell deal.
void ListMoves(benchmark::State& state) {
    Driver driver = MakeDriver();
    std::ostringstream sink;
    driver.Execute("new 1 1234567890123", sink);
    for (auto _ : state) {
        sink.str({});
        driver.Execute("moves", sink);
    }
}
BENCHMARK(ListMoves);

// One move and its undo: snapshot, execute, rescore, restore.
void MoveAndUndo(benchmark::State& state) {
    Driver driver = MakeDriver();
    std::ostringstream sink;
    driver.Execute("new 1 0000000000000", sink);
    driver.Execute("autoplay off", sink);
    for (auto _ : state) {
        sink.str({});
        driver.Execute("drop 41 Fila7", sink);
        driver.Execute("undo", sink);
    }
}
BENCHMARK(MoveAndUndo);

}  // namespace

BENCHMARK_MAIN();
