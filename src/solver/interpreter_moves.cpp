#include "solver/interpreter_moves.h"

#include <algorithm>
#include <unordered_set>

#include "engine/model/card_code.h"
#include "engine/model/pile_names.h"
#include "engine/model/pile_string.h"
#include "engine/model/piles.h"
#include "engine/model/suit_map.h"
#include "engine/play/auto_moves_piles.h"
#include "engine/play/drag_moves.h"
#include "engine/play/move_log.h"
#include "engine/play/moves_left.h"
#include "engine/play/win_condition.h"
#include "solver/position_key.h"

namespace velmora::solver {

namespace {

// The largest selection a removal game completes (four of a rank).
constexpr int kLongestSelection = 4;

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

// The copies a move is tried on are assigned over one scratch engine, which
// keeps the storage of its strings from one try to the next.
void AddDrags(const Engine& e, Engine& tried, Collector& out) {
    CopyQuietly(e, tried);
    for (const DragMove& drag : ListDragMoves(tried)) {
        CopyQuietly(e, tried);
        const Input input{Input::Kind::Drop, drag.code, drag.to};
        if (PlayInput(tried, input)) out.Offer(tried, {input});
    }
}

// Presses; one that only changes a selection leads on to the next press.
// A selection is a set of cards, so its presses are tried in one order
// only: each on a card of a higher code than the one before.
void AddPresses(const Engine& e, Engine& tried, const Move& so_far, int depth, Collector& out) {
    const uint64_t table = TableKey(e);
    const uint64_t whole = PositionKey(e);
    const int after = so_far.empty() ? -1 : so_far.back().card;
    for (const PilePress& press : CandidatePresses(e)) {
        if (press.card <= after) continue;
        CopyQuietly(e, tried);
        const Input input{Input::Kind::Press, press.card, press.pile};
        // A press that only selects reports nothing done: the keys tell.
        PlayInput(tried, input);
        Move move = so_far;
        move.push_back(input);
        if (TableKey(tried) != table) {
            out.Offer(tried, move);
        } else if (depth > 1 && PositionKey(tried) != whole) {
            Engine next;
            AddPresses(tried, next, move, depth - 1, out);
        }
    }
}

void AddClicks(const Engine& e, Engine& tried, Collector& out) {
    for (const PilePress& press : CandidatePresses(e)) {
        if (press.card == 0) continue;
        CopyQuietly(e, tried);
        const Input input{Input::Kind::Click, press.card, press.pile};
        if (PlayInput(tried, input)) out.Offer(tried, {input});
    }
}

struct Figures {
    int home = 0;
    int down = 0;      // face-down cards
    int blocking = 0;  // cards lying above a card of lower rank
    int empty = 0;     // empty tableau piles and reserves
    int in_suit = 0;   // cards lying on the card one rank higher of their suit
    int in_play = 0;   // cards on the tableau and the reserves
    // Per suit, the lowest rank not at home and how many cards lie on it.
    int lowest[4] = {99, 99, 99, 99};
    int cover[4] = {0, 0, 0, 0};
};

void CountPile(const Engine& e, const std::string& pile, Figures& f) {
    const int count = PileCount(pile);
    if (count == 0) ++f.empty;
    int lowest = 1000;
    int below = 0;  // the face-up card this one lies on, if any
    for (int at = 0; at < count; ++at) {
        const int code = PileCodeAt(pile, at);
        if (code <= 0) {
            below = 0;
            continue;
        }
        ++f.in_play;
        const bool down = e.cards.IsFaceDown(code);
        if (down) ++f.down;
        const int rank = CardRank(code);
        const int suit = CardSuit(code);
        if (!down && below > 0 && ShownSuit(e, below) == ShownSuit(e, code) && CardRank(below) == rank + 1) ++f.in_suit;
        below = down ? 0 : code;
        if (rank > lowest) ++f.blocking;
        if (rank > 0 && rank < lowest) lowest = rank;
        if (suit >= 0 && rank > 0 && rank < f.lowest[suit]) {
            f.lowest[suit] = rank;
            f.cover[suit] = count - 1 - at;
        }
    }
}

}  // namespace

int PositionScore(const Engine& e) {
    Figures f;
    for (int n = KeepsSelection(e) ? 1 : 0; n < kFoundationPiles; ++n) f.home += PileCount(e.piles.foundations[n]);
    for (int t = 0; t < TableauInUse(e); ++t) CountPile(e, e.piles.tableau[static_cast<size_t>(t)], f);
    for (int r = 0; r < ReservesInUse(e); ++r) CountPile(e, e.piles.reserves[static_cast<size_t>(r)], f);
    int buried = 0;
    for (int suit = 0; suit < 4; ++suit) buried += f.cover[suit];
    return f.home * 100 - f.in_play * 2 - f.down * 10 - f.blocking * 6 - buried * 8 + f.empty * 12 + f.in_suit * 5;
}

bool IsWonPosition(const Engine& e) { return e.R(307) != 0 && IsGameWon(e); }

std::vector<Child> ListChildren(const Engine& e) {
    if (!e.flags.Get(flag::kInProgress)) return {};
    Collector out(e);
    Engine tried;
    AddDrags(e, tried, out);
    AddPresses(e, tried, {}, KeepsSelection(e) ? kLongestSelection : 1, out);
    AddClicks(e, tried, out);
    std::vector<Child> children = out.Take();
    std::stable_sort(children.begin(), children.end(), [](const Child& a, const Child& b) {
        if (a.won != b.won) return a.won;
        return a.score > b.score;
    });
    return children;
}

}  // namespace velmora::solver
