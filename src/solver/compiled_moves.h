#pragma once
// The moves of a compiled position, exactly those the rules interpreter
// gives (drags, presses that change the table, double clicks), each with
// the position it leads to after the automatic play, best first.

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "solver/compiled_position.h"
#include "solver/compiled_rules.h"
#include "solver/player_moves.h"

namespace velmora::solver {

// One input of the player on a compiled pile number: a drop of `card` on
// `pile`, a press on `pile` (its top card `card`, 0 when empty) or a double
// click on `card` of `pile`.
struct CompiledMove {
    Input::Kind kind = Input::Kind::Press;
    uint8_t card = 0;
    uint8_t pile = 0;
    bool operator==(const CompiledMove&) const = default;
};

struct CompiledChild {
    CompiledMove move;
    uint64_t key = 0;  // CompiledPosition::Key of the position it leads to
    int score = 0;
    bool won = false;
};

// Hears one move of a position, the position it leads to and that
// position's key (CompiledPosition::Key).
class HomeFacts;

using MoveVisitor = std::function<void(const CompiledMove& move, const CompiledPosition& after, uint64_t key)>;

// Each move of `p` with the position it leads to, in the interpreter's
// order; of two moves that lead to the same position only the first. With
// `alike_once`, no drag goes onto an empty pile after the first empty one of
// the piles that play alike (see EmptyAlikeRepeats): the search, which keys
// those moves' positions as one, is spared playing them all. `facts`, when
// given, are those of `p`.
void VisitCompiledMoves(const CompiledRules& rules, const CompiledPosition& p, const MoveVisitor& visit,
                        bool alike_once = false, HomeFacts* facts = nullptr);

// A mark for each compiled pile.
using PileMarks = std::array<bool, kMaxCompiledPiles>;

// The empty piles after the first empty one of their group of piles alike
// (CompiledRules::AlikeGroupStart).
PileMarks EmptyAlikeRepeats(const CompiledRules& rules, const CompiledPosition& p);

// Children in the order the search tries them: a win first, then the best
// score, the given order among equals.
template <class Child>
void SortBestFirst(std::vector<Child>& children) {
    std::stable_sort(children.begin(), children.end(), [](const Child& a, const Child& b) {
        if (a.won != b.won) return a.won;
        return a.score > b.score;
    });
}

// The distinct children of `p` (two moves leading to the same position give
// one child, the first in the interpreter's order), best first.
std::vector<CompiledChild> CompiledChildren(const CompiledRules& rules, const CompiledPosition& p);

// Plays the move and what follows it. False when the move does nothing.
// `before`, when given, holds the facts of `p` as it is now.
bool PlayCompiledMove(const CompiledRules& rules, CompiledPosition& p, const CompiledMove& move, HomeFacts* before = nullptr);

// The driver's words of a compiled move.
Input InputOf(const CompiledRules& rules, const CompiledMove& move);

// What a position's score counts for: each card home, each face-down card,
// each card above a lower one in its pile, each empty pile, each card above
// the cards the foundations want next.
struct ScoreWeights {
    int home = 100;
    int down = 10;
    int blocking = 8;
    int empty = 20;
    int buried = 10;
    int in_suit = 0;  // each tableau card lying on the card one rank higher of its suit
    bool operator==(const ScoreWeights&) const = default;
};

// Where the tableau hides cards, turning them up is what counts: the order
// of the other cards steers little there.
constexpr ScoreWeights kHiddenCardWeights{100, 30, 0, 20, 0};

// With free cells, a space carries runs and frees a cell: an empty pile and
// a card blocking a lower one count for more (on Freecell's sample deals
// the median deal took 197 positions instead of 287). Games without free
// cells, Calculation and Sir Tommy among them, did worse so.
constexpr ScoreWeights kFreeCellWeights{100, 10, 12, 40, 10};

// Where whole suit runs go home, the cards already lying in suit on the
// tableau are the progress: each counts a tenth of a card home.
constexpr ScoreWeights kSuitRunWeights{100, 30, 8, 20, 0, 10};

// What the score reads from each tableau pile and reserve of one position,
// taken once for scoring the positions its moves lead to: they share most
// piles.
class PileScores {
  public:
    struct Counts {
        int down = 0;      // face-down cards
        int blocking = 0;  // cards above a lower one
        int in_suit = 0;   // cards on the card one rank higher of their suit
        std::array<int, 4> lowest{99, 99, 99, 99};  // the lowest rank of each suit
    };
    PileScores(const CompiledRules& rules, const CompiledPosition& p);

  private:
    friend int CompiledScore(const CompiledRules&, const CompiledPosition&, const ScoreWeights&, const PileScores*);
    const CompiledPosition& position_;
    std::array<Counts, kMaxCompiledPiles> counts_{};
    std::array<int, kMaxCompiledPiles> buried_{};  // the pile's share of the buried depth
    std::array<int, 4> lowest_{};                   // of the whole tableau and reserves
};

// How promising a position looks (higher first). `near`: the pile counts of
// a position a move or two away, when known.
int CompiledScore(const CompiledRules& rules, const CompiledPosition& p, const ScoreWeights& weights = {},
                  const PileScores* near = nullptr);

}  // namespace velmora::solver
