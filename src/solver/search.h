#pragma once
// The solver's search: depth first and best first over the moves of the
// position, taking turns, never entering a position twice. Every card is known to
// the search, face-down cards and the stock's order included.
//
// Verdicts: won (with the line of moves that wins), impossible (every
// reachable position was tried: no line wins), unknown (a limit was reached
// or the search was cancelled first). Thread-safe: a search works on its own
// copy of the position and shares nothing.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/model/engine.h"
#include "solver/player_moves.h"

namespace velmora::solver {

enum class Verdict { Won, Impossible, Unknown };

struct Limits {
    int64_t positions = 1'000'000;  // positions entered before giving up
    double seconds = 10.0;          // wall-clock time before giving up
    size_t table_bytes = 256u << 20;  // the cap of the visited positions' table
    // False when only the verdict counts (a run of deals): a won line is not
    // turned into player inputs, nor shortened first.
    bool want_line = true;
};

struct Result {
    Verdict verdict = Verdict::Unknown;
    std::vector<Move> line;  // after Won: the moves that win, first to last
    int64_t positions = 0;   // positions entered
    // After Unknown: the move the search thought most promising when it
    // stopped, its first move from the start on the line it was following
    // (empty when it had none). A guess, not a way to win.
    Move guess;
};

// Searches from `start` (not changed). `cancel`, when given, is read now and
// then: once true the search stops with Unknown.
Result Solve(const Engine& start, const Limits& limits, const std::atomic<bool>* cancel = nullptr);

// "won", "impossible" or "unknown".
const char* VerdictWord(Verdict verdict);

}  // namespace velmora::solver
