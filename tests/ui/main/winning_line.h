#pragma once
// A winning line of play for a dealt Freecell game, found on an engine
// without a window: a depth-first search over the engine's drag moves. The
// window tests replay it with the mouse.

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "engine/model/engine.h"
#include "engine/model/pile_names.h"
#include "engine/model/piles.h"
#include "engine/play/drag_moves.h"
#include "engine/play/pointer.h"
#include "engine/play/undo_redo.h"
#include "engine/play/win_condition.h"

namespace velmora::window_test {

// Plays one drag move as the pointer would: pick the card up, drop it on
// the one pile named.
inline bool PlayDragMove(Engine& e, const DragMove& move) {
    const PileRef to = *ParsePileName(move.to);
    const int kind = to.list == ListId::Foundation ? kKindFoundation
                     : to.list == ListId::Reserve  ? kKindReserve
                     : to.list == ListId::Tableau  ? kKindTableau
                                                   : kKindWaste;
    const PressResult picked = PickUpToDrag(e, move.from, move.code);
    return picked.kind == PressResult::PickUp &&
           PointerRelease(e, picked, {{kind, to.index, 1}}, true);
}

// Depth first over the engine's drag moves, foundations first and free
// cells last, stepping back with undo. Each move is kept with the piles it
// leaves, so the window's game can be checked move by move.
class WinningLine {
  public:
    explicit WinningLine(Engine& e) : e_(e) {}

    bool Find() {
        if (!e_.flags.Get(flag::kInProgress)) return IsGameWon(e_);
        if (++nodes_ > kBudget || !seen_.insert(PositionKey()).second) return false;
        for (const DragMove& move : Ordered()) {
            if (!PlayDragMove(e_, move)) return false;
            moves.push_back(move);
            piles.push_back(e_.piles);
            if (Find()) return true;
            moves.pop_back();
            piles.pop_back();
            if (!Undo(e_)) return false;
        }
        return false;
    }

    std::vector<DragMove> moves;
    std::vector<PileLists> piles;

  private:
    static constexpr int kBudget = 5000;

    // Free cells and tableaus that only trade places give the same position.
    std::string PositionKey() const {
        std::vector<std::string> tableau(e_.piles.tableau.begin(), e_.piles.tableau.end());
        std::vector<std::string> cells(e_.piles.reserves.begin(), e_.piles.reserves.end());
        std::sort(tableau.begin(), tableau.end());
        std::sort(cells.begin(), cells.end());
        std::string key;
        for (const auto* group : {&tableau, &cells})
            for (const std::string& pile : *group) key += pile + "|";
        for (const std::string& pile : e_.piles.foundations) key += pile + "|";
        return key;
    }

    // One empty pile of a kind is as good as another; cell to cell changes nothing.
    std::vector<DragMove> Ordered() const {
        std::vector<std::pair<int, DragMove>> ranked;
        std::set<std::string> tried;
        for (const DragMove& move : ListDragMoves(e_)) {
            const PileRef to = *ParsePileName(move.to);
            const bool cell = to.list == ListId::Reserve;
            if (cell && ParsePileName(move.from)->list == ListId::Reserve) continue;
            const bool empty = e_.piles.Text(to.list, to.index).empty();
            if (empty &&
                !tried.insert(std::to_string(move.code) + (cell ? " cell" : " pile")).second)
                continue;
            const int rank = to.list == ListId::Foundation ? 0 : cell ? 3 : empty ? 2 : 1;
            ranked.push_back({rank, move});
        }
        std::stable_sort(ranked.begin(), ranked.end(),
                         [](auto& a, auto& b) { return a.first < b.first; });
        std::vector<DragMove> out;
        for (const auto& [rank, move] : ranked) out.push_back(move);
        return out;
    }

    Engine& e_;
    std::set<std::string> seen_;
    int nodes_ = 0;
};

}  // namespace velmora::window_test
