#pragma once
// The search itself, over any model of a game's moves: depth first, the
// most promising child first, never entering a position twice, until a won
// position, the end of the positions, a limit or a cancel.
//
// A model provides:
//   State                       a position (copyable or movable)
//   MoveType                    a move
//   struct ChildType { MoveType move; uint64_t key; int score; bool won; }
//   std::vector<ChildType> Children(const State&)   best first, distinct
//   void Apply(State&, const MoveType&)
//   bool IsWon(const State&)
//   uint64_t Key(const State&)

#include <atomic>
#include <cstdint>
#include <utility>
#include <vector>

#include "solver/model_result.h"
#include "solver/search.h"
#include "solver/visited_table.h"

namespace velmora::solver {

template <class Model>
class DepthFirst {
  public:
    using State = typename Model::State;
    using ChildType = typename Model::ChildType;

    DepthFirst(const Model& model, const Limits& limits, const std::atomic<bool>* cancel)
        : model_(model), budget_(limits, cancel, 64), visited_(limits.table_bytes) {}

    ModelResult<Model> Run(State root) {
        if (model_.IsWon(root)) return Finish(Verdict::Won);
        visited_.Insert(model_.Key(root));
        Enter(std::move(root));
        while (!frames_.empty()) {
            if (budget_.Spent(result_.positions)) return Finish(Verdict::Unknown);
            Frame& top = frames_.back();
            if (top.next == top.children.size()) {
                frames_.pop_back();
                continue;
            }
            const ChildType& child = top.children[top.next++];
            if (!visited_.Insert(child.key)) continue;
            ++result_.positions;
            State next = top.state;
            model_.Apply(next, child.move);
            if (child.won || model_.IsWon(next)) return Finish(Verdict::Won);
            Enter(std::move(next));
        }
        return Finish(Verdict::Impossible);
    }

  private:
    struct Frame {
        State state;
        std::vector<ChildType> children;
        size_t next = 0;
    };

    void Enter(State state) {
        std::vector<ChildType> children = model_.Children(state);
        frames_.push_back(Frame{std::move(state), std::move(children), 0});
    }

    // The line is the move taken out of every frame on the path.
    ModelResult<Model> Finish(Verdict verdict) {
        result_.verdict = verdict;
        if (verdict == Verdict::Won)
            for (const Frame& frame : frames_) result_.line.push_back(frame.children[frame.next - 1].move);
        frames_.clear();
        return std::move(result_);
    }

    const Model& model_;
    SearchBudget budget_;
    VisitedTable visited_;
    std::vector<Frame> frames_;
    ModelResult<Model> result_;
};

// A depth-first search over `model` as the solver answers it: the verdict,
// the positions, and the line in player inputs, which `line_of` makes from
// the model's own moves.
template <class Model, class LineOf>
Result SolveDepthFirst(const Model& model, const Limits& limits, const std::atomic<bool>* cancel, LineOf line_of) {
    ModelResult<Model> found = DepthFirst<Model>(model, limits, cancel).Run(model.Root());
    Result result;
    result.verdict = found.verdict;
    result.positions = found.positions;
    if (found.verdict == Verdict::Won) result.line = line_of(found.line);
    return result;
}

}  // namespace velmora::solver
