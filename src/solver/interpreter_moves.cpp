#include "solver/interpreter_moves.h"

#include <algorithm>
#include <unordered_set>

#include "engine/model/card_code.h"
#include "engine/model/pile_names.h"
#include "engine/model/pile_string.h"
#include "engine/model/piles.h"
#include "engine/play/auto_moves_piles.h"
#include "engine/play/drag_moves.h"
#include "engine/play/move_log.h"
#include "engine/play/moves_left.h"
#include "engine/play/win_condition.h"
#include "solver/position_key.h"

namespace velmora::solver {

namespace {

// The largest selection a removal game completes (a Jack, Queen and King).
constexpr int kLongestSelection = 3;

class Collector {
  public:
    explicit Collector(const Engine& e) : parent_key_(TableKey(e)) { seen_.insert(PositionKey(e)); }

    // Keeps the child when the move changed the position to a new one.
    void Offer(const Engine& after, Move move) {
        if (TableKey(after) == parent_key_) return;
        const uint64_t key = PositionKey(after);
        if (!seen_.insert(key).second) return;
        children_.push_back({std::move(move), key, PositionScore(after), IsWonPosition(after)});
    }
    std::vector<Child> Take() { return std::move(children_); }

  private:
    uint64_t parent_key_;
    std::unordered_set<uint64_t> seen_;
    std::vector<Child> children_;
};

void AddDrags(const Engine& e, Collector& out) {
    Engine scratch;
    CopyQuietly(e, scratch);
    for (const DragMove& drag : ListDragMoves(scratch)) {
        Engine tried;
        CopyQuietly(e, tried);
        const Input input{Input::Kind::Drop, drag.code, drag.to};
        if (PlayInput(tried, input)) out.Offer(tried, {input});
    }
}

// Presses; one that only changes a selection leads on to the next press.
void AddPresses(const Engine& e, Move so_far, int depth, Collector& out) {
    const uint64_t table = TableKey(e);
    const uint64_t whole = PositionKey(e);
    for (const PilePress& press : CandidatePresses(e)) {
        Engine tried;
        CopyQuietly(e, tried);
        const Input input{Input::Kind::Press, press.card, press.pile};
        if (!PlayInput(tried, input)) continue;
        Move move = so_far;
        move.push_back(input);
        if (TableKey(tried) != table) {
            out.Offer(tried, move);
        } else if (depth > 1 && PositionKey(tried) != whole) {
            AddPresses(tried, move, depth - 1, out);
        }
    }
}

void AddClicks(const Engine& e, Collector& out) {
    for (const PilePress& press : CandidatePresses(e)) {
        if (press.card == 0) continue;
        Engine tried;
        CopyQuietly(e, tried);
        const Input input{Input::Kind::Click, press.card, press.pile};
        if (PlayInput(tried, input)) out.Offer(tried, {input});
    }
}

struct PileFigures {
    int down = 0;     // face-down cards
    int blocking = 0;  // cards lying above a card of lower rank
};

PileFigures FiguresOf(const Engine& e, const std::string& pile) {
    PileFigures figures;
    int lowest = 1000;
    for (int at = 0; at < PileCount(pile); ++at) {
        const int code = PileCodeAt(pile, at);
        if (code <= 0) continue;
        if (e.cards.IsFaceDown(code)) ++figures.down;
        const int rank = CardRank(code);
        if (rank > lowest) ++figures.blocking;
        if (rank > 0 && rank < lowest) lowest = rank;
    }
    return figures;
}

}  // namespace

bool IsWonPosition(const Engine& e) {
    if (e.flags.Get(flag::kFinished)) return true;
    return !e.flags.Get(flag::kInProgress) && e.R(307) != 0 && IsGameWon(e);
}

int PositionScore(const Engine& e) {
    int home = 0;
    for (int f = KeepsSelection(e) ? 1 : 0; f < kFoundationPiles; ++f) home += PileCount(e.piles.foundations[f]);
    int down = 0;
    int blocking = 0;
    int empty = 0;
    for (int t = 0; t < TableauInUse(e); ++t) {
        const std::string& pile = e.piles.tableau[static_cast<size_t>(t)];
        const PileFigures figures = FiguresOf(e, pile);
        down += figures.down;
        blocking += figures.blocking;
        if (pile.empty()) ++empty;
    }
    for (int r = 0; r < ReservesInUse(e); ++r)
        if (e.piles.reserves[static_cast<size_t>(r)].empty()) ++empty;
    return home * 100 - down * 10 - blocking * 8 + empty * 6;
}

std::vector<Child> ListChildren(const Engine& e) {
    if (!e.flags.Get(flag::kInProgress)) return {};
    Collector out(e);
    AddDrags(e, out);
    AddPresses(e, {}, KeepsSelection(e) ? kLongestSelection : 1, out);
    AddClicks(e, out);
    std::vector<Child> children = out.Take();
    std::stable_sort(children.begin(), children.end(), [](const Child& a, const Child& b) {
        if (a.won != b.won) return a.won;
        return a.score > b.score;
    });
    return children;
}

}  // namespace velmora::solver
