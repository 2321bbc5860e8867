#pragma once
// The rules interpreter as a model for the search: a position is a quiet
// copy of the engine, its moves are what the interpreter allows. Exact for
// every game the rules row can express, and the measure the faster compiled
// models are checked against.

#include <cstdint>
#include <memory>
#include <vector>

#include "engine/model/engine.h"
#include "solver/interpreter_moves.h"
#include "solver/player_moves.h"

namespace velmora::solver {

class InterpreterModel {
  public:
    // A position on the heap: engines are large, and frames move.
    class State {
      public:
        State() = default;
        explicit State(const Engine& e);
        State(const State& other) : State(*other.engine_) {}
        State& operator=(const State& other);
        State(State&&) noexcept = default;
        State& operator=(State&&) noexcept = default;
        Engine& engine() { return *engine_; }
        const Engine& engine() const { return *engine_; }

      private:
        std::unique_ptr<Engine> engine_;
    };
    using MoveType = Move;
    using ChildType = Child;

    // The start of a search: a copy of `e` without what plays no part in a
    // position (the game list).
    State Root(const Engine& e) const;

    std::vector<Child> Children(const State& s) const { return ListChildren(s.engine()); }
    void Apply(State& s, const Move& move) const { PlayMove(s.engine(), move); }
    bool IsWon(const State& s) const;
    uint64_t Key(const State& s) const;
};

}  // namespace velmora::solver
