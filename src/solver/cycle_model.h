#pragma once
// The model the search plays compiled games on: the compiled model's moves
// with the stock's presses folded in. The positions a run of presses passes
// through (nothing but cards turned from the stock to the waste) are no
// positions of the search: a move is some presses followed by one move of
// the player. A stock gone through without end is one position whichever
// card lies on the waste (see stock_cycle.h).

#include <cstdint>
#include <vector>

#include "engine/model/engine.h"
#include "solver/compiled_model.h"
#include "solver/compiled_play.h"
#include "solver/player_moves.h"

namespace velmora::solver {

struct CycleMove {
    uint8_t presses = 0;  // presses on the stock first
    CompiledMove move;
    bool operator==(const CycleMove&) const = default;
};

struct CycleChild {
    CycleMove move;
    uint64_t key = 0;
    int score = 0;
    bool won = false;
};

class CycleModel {
  public:
    using State = CompiledPosition;
    using MoveType = CycleMove;
    using ChildType = CycleChild;

    // Built from an engine holding a dealt game the compiled model supports.
    // Asked for narrow, in a game that hides cards in its tableau and moves
    // runs in sequence only, the model leaves out the runs moved between
    // tableau piles that uncover nothing: a smaller search that finds most
    // wins sooner, but whose end proves nothing.
    explicit CycleModel(const Engine& e, bool narrow = false);
    bool Narrow() const { return narrow_; }
    // The same model scoring positions by `weights` (the order the searches
    // try moves in).
    CycleModel Reweighed(const ScoreWeights& weights) const {
        CycleModel copy = *this;
        copy.weights_ = weights;
        return copy;
    }
    const ScoreWeights& Weights() const { return weights_; }

    State Root() const { return compiled_.Root(); }
    std::vector<ChildType> Children(const State& s) const;
    void Apply(State& s, const MoveType& move) const;
    bool IsWon(const State& s) const { return s.over; }
    uint64_t Key(const State& s, const PileHashes* near = nullptr) const;

    // Plays `move` on `s` and gives the driver's inputs that play it.
    Move Play(State& s, const MoveType& move) const;

  private:
    // The children found so far, and the parent's pile hashes to key them.
    struct Sink {
        std::vector<ChildType> children;
        PileHashes near;
        PileScores scores;
    };

    void PlayOn(State& s, const MoveType& move, Move* inputs) const;
    // `plain_key`, when known: the position's CompiledPosition::Key.
    void Offer(Sink& out, const CycleMove& move, const CompiledPosition& after, const uint64_t* plain_key = nullptr) const;
    // `facts`: those of the chain's points, which share their foundations.
    void WasteMoves(const CompiledPosition& point, int presses, HomeFacts& facts, Sink& out) const;
    void OtherPoints(const std::vector<CompiledPosition>& points, const CompiledMove& move, const CompiledPosition& after,
                     HomeFacts& facts, Sink& out) const;

    CompiledModel compiled_;
    bool folds_ = false;
    bool narrow_ = false;
    ScoreWeights weights_;
};

}  // namespace velmora::solver
