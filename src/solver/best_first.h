#pragma once
// The search: best first over any model of a game's moves. The most
// promising position found so far is always the next one opened (newest
// first among equals), so a poor early choice costs little; no position is
// entered twice. When no position is left to open and no limit was hit,
// every reachable position has been tried and the game cannot be won.
//
// A model provides:
//   State                       a position (copyable; kept for the open ones)
//   MoveType                    a move
//   struct ChildType { MoveType move; uint64_t key; int score; bool won; }
//   std::vector<ChildType> Children(const State&)   distinct children
//   void Apply(State&, const MoveType&)
//   bool IsWon(const State&)
//   uint64_t Key(const State&)

#include <algorithm>
#include <atomic>
#include <memory>
#include <cstdint>
#include <queue>
#include <utility>
#include <vector>

#include "solver/model_result.h"
#include "solver/search.h"
#include "solver/visited_table.h"

namespace velmora::solver {

template <class Model>
class BestFirst {
  public:
    using State = typename Model::State;
    using MoveType = typename Model::MoveType;

    // With `shared`, the table of visited positions is that one, which other
    // searches fill too; otherwise the search's own, of the cap in `limits`.
    BestFirst(const Model& model, const Limits& limits, const std::atomic<bool>* cancel,
              VisitedTable* shared = nullptr)
        : model_(model), budget_(limits, cancel, 16),
          own_(shared != nullptr ? nullptr : std::make_unique<VisitedTable>(limits.table_bytes)),
          visited_(shared != nullptr ? shared : own_.get()),
          most_nodes_(std::max<size_t>(limits.table_bytes / sizeof(Node), 1)) {}

    ModelResult<Model> Run(State root) {
        Start(std::move(root));
        Advance(kWholeSearch);
        return Take();
    }

    // The search in steps, as the depth-first one runs them.
    void Start(State root) {
        if (model_.IsWon(root)) return Finish(Verdict::Won, -1);
        visited_->Insert(model_.Key(root));
        nodes_.push_back(Node{std::move(root), -1, MoveType{}});
        open_.push({0, 0, 0});
    }

    void Advance(int64_t positions) {
        const int64_t until = result_.positions + positions;
        while (!done_ && result_.positions < until) Step();
    }

    bool Done() const { return done_; }
    int64_t Positions() const { return result_.positions; }

    ModelResult<Model> Take() {
        if (!done_) Finish(Verdict::Unknown, -1);
        return std::move(result_);
    }

  private:
    // Opens the most promising position.
    void Step() {
        if (open_.empty()) return Finish(Verdict::Impossible, -1);
        // The positions kept for opening take no more memory than the table.
        if (budget_.Spent(result_.positions) || nodes_.size() >= most_nodes_) return Finish(Verdict::Unknown, -1);
        const int32_t at = open_.top().node;
        open_.pop();
        // An opened position keeps only its way back.
        State state = std::move(nodes_[static_cast<size_t>(at)].state);
        nodes_[static_cast<size_t>(at)].state = State{};
        for (auto& child : model_.Children(state)) {
            if (!visited_->Insert(child.key)) continue;
            ++result_.positions;
            State next = state;
            model_.Apply(next, child.move);
            const bool won = child.won || model_.IsWon(next);
            nodes_.push_back(Node{std::move(next), at, std::move(child.move)});
            const auto index = static_cast<int32_t>(nodes_.size() - 1);
            if (won) return Finish(Verdict::Won, index);
            open_.push({child.score, ++serial_, index});
        }
    }

    struct Node {
        State state;
        int32_t parent;
        MoveType move;
    };
    struct Open {
        int score;
        int64_t serial;
        int32_t node;
        bool operator<(const Open& other) const {
            if (score != other.score) return score < other.score;
            return serial < other.serial;
        }
    };

    // The line is the way back from the won position, turned round.
    void Finish(Verdict verdict, int32_t won) {
        done_ = true;
        result_.verdict = verdict;
        for (int32_t at = won; at > 0; at = nodes_[static_cast<size_t>(at)].parent)
            result_.line.push_back(std::move(nodes_[static_cast<size_t>(at)].move));
        result_.line = {std::make_move_iterator(result_.line.rbegin()), std::make_move_iterator(result_.line.rend())};
        nodes_.clear();
        open_ = {};
    }

    const Model& model_;
    SearchBudget budget_;
    std::unique_ptr<VisitedTable> own_;
    VisitedTable* visited_;
    std::vector<Node> nodes_;
    std::priority_queue<Open> open_;
    ModelResult<Model> result_;
    int64_t serial_ = 0;
    bool done_ = false;
    size_t most_nodes_;
};

}  // namespace velmora::solver
