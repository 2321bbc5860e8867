// The solver on a shipped game whose rules row the input rewrites after the
// deal: byte 0 picks the game of the catalogue, then every four bytes set one rules entry
// (two bytes) to a value (two bytes, signed). Whatever the row says, the
// search must end within its limits without falling over, and a line it
// calls won must win when played.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "driver.h"
#include "fuzz_support.h"
#include "engine/model/rules_params.h"
#include "solver/interpreter_moves.h"
#include "solver/search.h"

namespace {

constexpr size_t kMostEntries = 16;

int Word(const uint8_t* at) { return at[0] | (at[1] << 8); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using velmora::fuzz::Check;
    if (size == 0) return 0;
    velmora::cli::Driver driver(VELMORA_PROGRAM_DIR, std::string(VELMORA_PROGRAM_DIR) + "GAMES.DAT");
    Check(driver.games_loaded(), "the shipped GAMES.DAT must read");
    // Each catalogue line begins with the game's number.
    const std::vector<std::string> games = driver.Call("games", {}).lines;
    Check(!games.empty(), "the catalogue must list games");
    driver.Call("new", {std::to_string(std::stoi(games[data[0] % games.size()])), "7"});
    velmora::Engine& e = driver.engine();
    for (size_t at = 1, n = 0; at + 4 <= size && n < kMostEntries; at += 4, ++n) {
        const int entry = Word(data + at) % velmora::RulesParams::kEntries;
        e.rules.Set(entry, static_cast<int16_t>(Word(data + at + 2)));
    }
    velmora::solver::Limits limits;
    limits.positions = 300;
    limits.seconds = 2;
    limits.table_bytes = 1u << 20;
    const velmora::solver::Result result = velmora::solver::Solve(e, limits);
    if (result.verdict != velmora::solver::Verdict::Won) return 0;
    for (const velmora::solver::Move& move : result.line) velmora::solver::PlayMove(e, move);
    Check(velmora::solver::IsWonPosition(e), "a line the solver called won did not win");
    return 0;
}
