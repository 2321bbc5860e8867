#pragma once
// The compiled model for the search: the game's rules row read once into
// plain values, positions as compact card arrays, the interpreter's moves
// and automatic play played on them directly. Many times faster than the
// interpreter model, and move for move the same on every game it supports.

#include <cstdint>
#include <memory>
#include <vector>

#include "engine/model/engine.h"
#include "solver/compiled_moves.h"
#include "solver/compiled_position.h"
#include "solver/compiled_rules.h"

namespace velmora::solver {

class CompiledModel {
  public:
    using State = CompiledPosition;
    using MoveType = CompiledMove;
    using ChildType = CompiledChild;

    // True when the compiled model plays the game on `e` exactly.
    static bool Supports(const Engine& e);

    // Built from an engine holding a dealt game the model supports.
    explicit CompiledModel(const Engine& e);

    State Root() const { return PositionFromEngine(*root_, rules_); }
    std::vector<ChildType> Children(const State& s) const { return CompiledChildren(rules_, s); }
    void Apply(State& s, const MoveType& move) const { PlayCompiledMove(rules_, s, move); }
    bool IsWon(const State& s) const { return s.over; }
    uint64_t Key(const State& s) const { return s.Key(rules_); }

    Input ToInput(const MoveType& move) const { return InputOf(rules_, move); }
    // The engine's table in position `s`.
    void ToEngine(const State& s, Engine& out) const { PositionToEngine(s, rules_, *root_, out); }
    const CompiledRules& rules() const { return rules_; }

  private:
    CompiledRules rules_;
    std::shared_ptr<const Engine> root_;  // shared by the model's copies
};

}  // namespace velmora::solver
