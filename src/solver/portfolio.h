#pragma once
// Two searches over one model taking turns. The depth-first search wins
// most deals within a few hundred positions and proves the lost ones; but a
// poor choice near the root can bury it for millions of positions, where the
// best-first search, always opening the most promising position found so
// far, gets out at once (and has its own bad deals, which the depth-first
// search gets through). Each turn is twice as long as the one before, so a
// deal costs at most a few times what the better of the two spends alone.
// Either search's verdict is the answer: both try every reachable position
// before calling a deal impossible.

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <utility>
#include <vector>

#include "solver/best_first.h"
#include "solver/depth_first.h"
#include "solver/model_result.h"
#include "solver/search.h"

namespace velmora::solver {

template <class Model>
class Portfolio {
  public:
    Portfolio(const Model& model, const Limits& limits, const std::atomic<bool>* cancel)
        : limits_(limits), deep_(model, Half(limits), cancel), best_(model, Half(limits), cancel) {
        deep_.Start(model.Root());
        best_.Start(model.Root());
    }

    ModelResult<Model> Run() {
        for (int64_t turn = kFirstTurn;; turn *= 2) {
            if (Turn(deep_, turn) || Turn(best_, turn)) return std::move(answer_);
            if (Spent() >= limits_.positions) return Unknown();
        }
    }

  private:
    static constexpr int64_t kFirstTurn = 256;

    // Each search keeps its own table of visited positions, of half the cap.
    static Limits Half(Limits limits) {
        limits.table_bytes /= 2;
        return limits;
    }

    int64_t Spent() const { return deep_.Positions() + best_.Positions(); }

    // Runs `search` for one turn; true when the portfolio has its answer.
    template <class Search>
    bool Turn(Search& search, int64_t turn) {
        const int64_t left = limits_.positions - Spent();
        if (left <= 0) return false;
        search.Advance(std::min(turn, left));
        if (!search.Done()) return false;
        const int64_t spent = Spent();
        answer_ = search.Take();
        answer_.positions = spent;
        return true;
    }

    ModelResult<Model> Unknown() {
        answer_.verdict = Verdict::Unknown;
        answer_.positions = Spent();
        return std::move(answer_);
    }

    Limits limits_;
    DepthFirst<Model> deep_;
    BestFirst<Model> best_;
    ModelResult<Model> answer_;
};

}  // namespace velmora::solver
