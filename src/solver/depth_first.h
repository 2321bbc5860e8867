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
#include <memory>
#include <optional>
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

    // With `shared`, the table of visited positions is that one, which other
    // searches fill too; otherwise the search's own, of the cap in `limits`.
    DepthFirst(const Model& model, const Limits& limits, const std::atomic<bool>* cancel,
               VisitedTable* shared = nullptr)
        : model_(model), budget_(limits, cancel, 64),
          own_(shared != nullptr ? nullptr : std::make_unique<VisitedTable>(limits.table_bytes)),
          visited_(shared != nullptr ? shared : own_.get()) {}

    ModelResult<Model> Run(State root) {
        Start(std::move(root));
        Advance(kWholeSearch);
        return Take();
    }

    // The search in steps: `Start`, then `Advance` by up to `positions` more
    // positions at a time until it has a verdict (`Done`), then `Take`.
    void Start(State root) {
        if (model_.IsWon(root)) {
            done_ = true;
            result_.verdict = Verdict::Won;
            return;
        }
        visited_->Insert(model_.Key(root));
        Enter(std::move(root));
    }

    void Advance(int64_t positions) {
        const int64_t until = result_.positions + positions;
        while (!done_ && result_.positions < until) Step();
    }

    bool Done() const { return done_; }
    int64_t Positions() const { return result_.positions; }

    // The first move of the line the search follows now (or followed when
    // a limit stopped it): its most promising move from the start that it
    // has not left behind. None before it began, once it ran out of moves
    // and after a win.
    std::optional<typename Model::MoveType> Leading() const {
        if (frames_.empty()) return leading_;
        const Frame& root = frames_.front();
        if (frames_.size() > 1) return root.children[root.next - 1].move;
        if (root.next < root.children.size()) return root.children[root.next].move;
        return std::nullopt;
    }

    ModelResult<Model> Take() {
        if (!done_) Finish(Verdict::Unknown);
        return std::move(result_);
    }

  private:
    struct Frame {
        State state;
        std::vector<ChildType> children;
        size_t next = 0;
    };

    void Step() {
        if (frames_.empty()) return Finish(Verdict::Impossible);
        if (budget_.Spent(result_.positions)) return Finish(Verdict::Unknown);
        Frame& top = frames_.back();
        if (top.next == top.children.size()) {
            frames_.pop_back();
            return;
        }
        const ChildType& child = top.children[top.next++];
        if (!visited_->Insert(child.key)) return;
        ++result_.positions;
        State next = top.state;
        model_.Apply(next, child.move);
        if (child.won || model_.IsWon(next)) return Finish(Verdict::Won);
        Enter(std::move(next));
    }

    void Enter(State state) {
        std::vector<ChildType> children = model_.Children(state);
        frames_.push_back(Frame{std::move(state), std::move(children), 0});
    }

    // The line is the move taken out of every frame on the path.
    void Finish(Verdict verdict) {
        if (verdict == Verdict::Unknown) leading_ = Leading();
        result_.guess = leading_;
        done_ = true;
        result_.verdict = verdict;
        if (verdict == Verdict::Won)
            for (const Frame& frame : frames_) result_.line.push_back(frame.children[frame.next - 1].move);
        frames_.clear();
    }

    const Model& model_;
    SearchBudget budget_;
    std::unique_ptr<VisitedTable> own_;
    VisitedTable* visited_;
    std::vector<Frame> frames_;
    ModelResult<Model> result_;
    std::optional<typename Model::MoveType> leading_;
    bool done_ = false;
};

}  // namespace velmora::solver
