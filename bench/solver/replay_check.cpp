// Every line the solver calls won, replayed through the headless driver
// after the same deal, must win: the check behind the solver's claim of
// exact play, run over many deals (too many for the test suite).
//
//   solver_replay_check <game> <first draw> <count> [seconds per deal (2)]
// (the deals of the sample deal numbers, as `winnability` plays them).
// Prints the deals won, lines that failed to win (with the deal), and exits 1
// when any failed.
#include <cstdio>
#include <cstdlib>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "driver.h"
#include "deal_run.h"
#include "engine/deal/deal_number.h"
#include "solver/batch.h"

namespace {

using velmora::cli::Driver;

bool Replays(Driver& driver, const std::string& game, int64_t deal, const std::vector<velmora::solver::Move>& line) {
    driver.Call("new", {game, velmora::SampleDealNumber(static_cast<uint64_t>(deal))});
    for (const velmora::solver::Move& move : line) {
        for (const velmora::solver::Input& input : move) {
            const std::string words = velmora::solver::DriverWords(input);
            const auto parts = velmora::cli::SplitWords(words);
            const auto reply = driver.Call(parts[0], {parts.begin() + 1, parts.end()});
            if (!reply.error.empty()) return false;
        }
    }
    for (const std::string& line_of_state : driver.Call("state", {}).lines)
        if (line_of_state == "won 1") return true;
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: solver_replay_check <game> <first deal> <count> [seconds per deal]\n");
        return 2;
    }
    const std::string game = argv[1];
    const int64_t first = std::atoll(argv[2]);
    const int64_t count = std::atoll(argv[3]);
    velmora::solver::Limits limits;
    limits.positions = 1'000'000'000;
    limits.seconds = argc > 4 ? std::atof(argv[4]) : 2.0;
    limits.table_bytes = 64u << 20;

    const std::string folder = VELMORA_PROGRAM_DIR;
    Driver driver(folder, folder + "GAMES.DAT");
    if (!driver.Call("new", {game, std::to_string(first)}).error.empty()) {
        std::fprintf(stderr, "cannot deal game %s\n", game.c_str());
        return 2;
    }
    velmora::cli::DealRun run(driver, std::stoi(game), first);
    std::mutex guard;
    std::map<int64_t, std::vector<velmora::solver::Move>> won;
    const auto batch = velmora::solver::SolveBatch(
        count, [&run](int64_t index, velmora::Engine& out) { return run.Make(index, out); }, limits, 0,
        [&](int64_t index, const velmora::solver::Result& result) {
            if (result.verdict != velmora::solver::Verdict::Won) return;
            std::lock_guard<std::mutex> lock(guard);
            won[first + index] = result.line;
        });
    int failed = 0;
    for (const auto& [deal, line] : won) {
        if (Replays(driver, game, deal, line)) continue;
        ++failed;
        std::printf("deal %lld: the won line did not win\n", static_cast<long long>(deal));
    }
    std::printf("game %s deals %lld: won %lld, impossible %lld, unknown %lld, replayed %zu, failed %d\n", game.c_str(),
                static_cast<long long>(count), static_cast<long long>(batch.won),
                static_cast<long long>(batch.impossible), static_cast<long long>(batch.unknown), won.size(), failed);
    return failed == 0 ? 0 : 1;
}
