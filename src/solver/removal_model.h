#pragma once
// The removal model for the search: the pyramid, the discard games, the
// peaks, the cells, the touching grid and the outranked piles played on a
// compact position, their rules row read once.
// Move for move the same as the rules interpreter on every game it
// supports, and many times faster.

#include <cstdint>
#include <memory>
#include <vector>

#include "engine/model/engine.h"
#include "solver/player_moves.h"
#include "solver/removal_moves.h"
#include "solver/removal_position.h"
#include "solver/removal_rules.h"

namespace velmora::solver {

class RemovalModel {
  public:
    using State = RemovalPosition;
    using MoveType = RemovalMove;
    using ChildType = RemovalChild;

    // True when the removal model plays the game on `e` exactly.
    static bool Supports(const Engine& e);

    // Built from an engine holding a dealt game the model supports. With
    // `prune` (the search's choice) the children leave out the positions
    // from which the table can never be cleared and the moves another move
    // makes needless; without, they are exactly the interpreter's.
    explicit RemovalModel(const Engine& e, bool prune = true);

    State Root() const { return RemovalFromEngine(*root_, rules_); }
    std::vector<ChildType> Children(const State& s) const { return RemovalChildren(rules_, s, prune_); }
    void Apply(State& s, const MoveType& move) const { PlayRemovalMove(rules_, s, move); }
    bool IsWon(const State& s) const { return s.over; }
    uint64_t Key(const State& s) const { return s.Key(rules_); }

    // The player's inputs that make the move.
    Move ToMove(const MoveType& move) const { return RemovalInputs(move); }
    // The engine's table in position `s`.
    void ToEngine(const State& s, Engine& out) const { RemovalToEngine(s, rules_, *root_, out); }
    const RemovalRules& rules() const { return rules_; }

  private:
    RemovalRules rules_;
    std::unique_ptr<Engine> root_;
    bool prune_;
};

}  // namespace velmora::solver
