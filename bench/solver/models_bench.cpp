// Speed of the solver: positions per second of the compiled model against
// the interpreter model on the same deals, and deals solved per second over
// a run of deals on every core with their verdicts.
// Run: build/bench/solver_models_bench <game> <first deal> <count> [<seconds per deal>]
// or:  build/bench/solver_models_bench <game> <first deal> <count> <positions> cross-check
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "deal_run.h"
#include "driver.h"
#include "solver/batch.h"
#include "solver/compiled_model.h"
#include "solver/cycle_model.h"
#include "solver/depth_first.h"
#include "solver/interpreter_model.h"
#include "solver/position_key.h"

namespace {

using velmora::Engine;
using velmora::cli::Driver;
using namespace velmora::solver;

Driver MakeDriver(int game) {
    Driver driver(VELMORA_PROGRAM_DIR, std::string(VELMORA_PROGRAM_DIR) + "GAMES.DAT");
    std::ostringstream ignored;
    driver.Execute("new " + std::to_string(game) + " 1", ignored);
    return driver;
}

bool Deal(Driver& driver, int game, int64_t deal, Engine& out) {
    std::ostringstream answer;
    driver.Execute("new " + std::to_string(game) + " " + std::to_string(deal), answer);
    if (answer.str().find("ok") == std::string::npos) return false;
    velmora::CopyQuietly(driver.engine(), out);
    return true;
}

template <class Model, class Root>
double PositionsPerSecond(Model& model, Root root, int64_t positions) {
    Limits limits;
    limits.positions = positions;
    limits.seconds = 60;
    const auto start = std::chrono::steady_clock::now();
    const auto found = DepthFirst<Model>(model, limits, nullptr).Run(std::move(root));
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return seconds > 0 ? static_cast<double>(found.positions) / seconds : 0;
}

void CompareModels(int game, int64_t first) {
    Driver driver = MakeDriver(game);
    Engine e;
    if (!Deal(driver, game, first, e)) return;
    InterpreterModel interpreter(e);
    const double slow = PositionsPerSecond(interpreter, interpreter.Root(), 300);
    std::printf("interpreter model: %.0f positions/s\n", slow);
    if (!CompiledModel::Supports(e)) {
        std::printf("the compiled model does not support game %d\n", game);
        return;
    }
    CompiledModel compiled(e);
    const double fast = PositionsPerSecond(compiled, compiled.Root(), 200'000);
    std::printf("compiled model:    %.0f positions/s (%.0f times)\n", fast, slow > 0 ? fast / slow : 0);
}

void SolveMany(int game, int64_t first, int64_t count, double seconds) {
    Driver driver = MakeDriver(game);
    velmora::cli::DealRun run(driver, game, first);
    Limits limits;
    limits.positions = 1'000'000'000;
    limits.seconds = seconds;
    limits.table_bytes = 64u << 20;
    limits.want_line = false;
    const BatchResult batch =
        SolveBatch(count, [&run](int64_t index, Engine& out) { return run.Make(index, out); }, limits);
    const double rate = batch.seconds > 0 ? static_cast<double>(count) / batch.seconds : 0;
    std::printf("%lld deals in %.1f s: %.1f deals/s; won %lld, impossible %lld, unknown %lld (verdict on %.2f %%)\n",
                static_cast<long long>(count), batch.seconds, rate, static_cast<long long>(batch.won),
                static_cast<long long>(batch.impossible), static_cast<long long>(batch.unknown),
                100.0 * static_cast<double>(batch.won + batch.impossible) / static_cast<double>(count));
}

// The interpreter model with the pass counter left out of its keys, as the
// compiled model leaves it out when the passes are unlimited: otherwise
// every redeal would be a new position and the search would never end.
struct InterpreterWithoutPasses : InterpreterModel {
    using InterpreterModel::InterpreterModel;
    uint64_t KeyOf(const State& s) const {
        Engine e;
        Unpack(s, e);
        e.main_game.SetField(velmora::field::kPassCounter, 0);
        return velmora::solver::PositionKey(e);
    }
    std::vector<Child> Children(const State& s) const {
        std::vector<Child> children = InterpreterModel::Children(s);
        for (Child& child : children) {
            State after = s;
            Apply(after, child.move);
            child.key = KeyOf(after);
        }
        return children;
    }
    uint64_t Key(const State& s) const { return KeyOf(s); }
};

// Deals the search's model (the compiled model with its stock folded) calls
// impossible within `most` positions are searched through by the interpreter
// model too: the verdicts must agree.
void CrossCheckImpossible(int game, int64_t first, int64_t count, int64_t most) {
    Driver driver = MakeDriver(game);
    int checked = 0;
    int agreed = 0;
    for (int64_t deal = first; deal < first + count; ++deal) {
        Engine e;
        if (!Deal(driver, game, deal, e) || !CompiledModel::Supports(e)) continue;
        Limits limits;
        limits.positions = most;
        limits.seconds = 60;
        CycleModel compiled(e);
        const auto fast = DepthFirst<CycleModel>(compiled, limits, nullptr).Run(compiled.Root());
        if (fast.verdict != Verdict::Impossible) continue;
        InterpreterWithoutPasses interpreter(e);
        limits.positions = most * 50;
        limits.seconds = 600;
        const auto slow = DepthFirst<InterpreterWithoutPasses>(interpreter, limits, nullptr).Run(interpreter.Root());
        ++checked;
        agreed += slow.verdict == Verdict::Impossible ? 1 : 0;
        std::printf("deal %lld: compiled impossible after %lld positions, interpreter %s after %lld\n",
                    static_cast<long long>(deal), static_cast<long long>(fast.positions), VerdictWord(slow.verdict),
                    static_cast<long long>(slow.positions));
        std::fflush(stdout);
    }
    std::printf("impossible deals cross-checked: %d, the interpreter agreed on %d\n", checked, agreed);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: solver_models_bench <game> <first deal> <count> [<seconds per deal>]\n");
        return 2;
    }
    const int game = std::atoi(argv[1]);
    const int64_t first = std::atoll(argv[2]);
    const int64_t count = std::atoll(argv[3]);
    const double seconds = argc > 4 ? std::atof(argv[4]) : 1.0;
    if (argc > 5 && std::string(argv[5]) == "cross-check") {
        CrossCheckImpossible(game, first, count, static_cast<int64_t>(seconds));
        return 0;
    }
    CompareModels(game, first);
    SolveMany(game, first, count, seconds);
    return 0;
}
