#pragma once
// The rules interpreter as a model for the search: its moves are what the
// interpreter allows, tried on quiet copies of the engine. Exact for every
// game the rules row can express, and the measure the faster compiled
// models are checked against.
//
// A position is kept packed (the piles with their faces and the engine's
// counters and flags, a few hundred bytes) and unpacked onto a copy of the
// starting engine when its moves are wanted, so a search can hold many.
// A model serves one search (one thread) at a time.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/model/engine.h"
#include "solver/interpreter_moves.h"
#include "solver/player_moves.h"

namespace velmora::solver {

class InterpreterModel {
  public:
    struct State {
        std::string piles;         // every pile as its snapshot line, '|' between
        std::vector<int16_t> fields;  // the numeric table state
        std::vector<char> flags;
        int deal_counter = 0;
        bool redeal_armed = false;
        bool no_refill = false;
        bool won = false;
        uint64_t key = 0;
        bool operator==(const State&) const = default;
    };
    using MoveType = Move;
    using ChildType = Child;

    // The model of the game on `e`, whose position is the root.
    explicit InterpreterModel(const Engine& e);
    State Root() const;

    std::vector<Child> Children(const State& s) const;
    void Apply(State& s, const Move& move) const;
    bool IsWon(const State& s) const;
    uint64_t Key(const State& s) const { return s.key; }

    // The engine standing in `s` (for tests and callers that need it).
    void Unpack(const State& s, Engine& out) const;
    static State Pack(const Engine& e);

  private:
    std::unique_ptr<Engine> start_;  // the game, its settings and rules
    // Where positions are unpacked; one search uses a model at a time.
    std::unique_ptr<Engine> scratch_;
};

}  // namespace velmora::solver
