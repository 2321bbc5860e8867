#pragma once
// Several searches over one game taking turns. A depth-first search wins
// most deals within a few hundred positions and proves the lost ones; but a
// poor choice near the root can bury it for millions of positions. Which
// deals bury it depends on the order it tries moves in, so the portfolio
// runs one depth-first search for each model it is given (the same game,
// its positions scored differently), and a best-first search, always
// opening the most promising position found so far, on the first. The
// first order is the model's own and the best there is: its turns are twice
// as long as another order's, and the best-first search's as long as all
// orders' together, for the deals that bury every order are its to win. Each turn is twice as long
// as the one before, so a deal costs at most a few times what the quickest
// search spends alone.
//
// The depth-first searches share one table of visited positions: none
// enters a position another entered, so together they have run out of
// positions only when every reachable one was entered by one of them. The
// best-first search keeps its own (it marks the positions it has merely
// seen, which would shut the others out of them), and running out alone
// proves the deal lost. A win by any search is the answer.

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "solver/best_first.h"
#include "solver/depth_first.h"
#include "solver/model_result.h"
#include "solver/search.h"
#include "solver/visited_table.h"

namespace velmora::solver {

template <class Model>
class Portfolio {
  public:
    // `models`: at least one; each must outlive the portfolio.
    Portfolio(std::span<const Model> models, const Limits& limits, const std::atomic<bool>* cancel)
        : limits_(limits), root_(models.front().Root()), shared_(Half(limits).table_bytes),
          best_(models.front(), Half(limits), cancel), stage_(models.size() + 1, Stage::Waiting) {
        deep_.reserve(models.size());
        for (const Model& model : models) deep_.emplace_back(model, limits, cancel, &shared_);
    }
    Portfolio(const Model& model, const Limits& limits, const std::atomic<bool>* cancel)
        : Portfolio(std::span<const Model>(&model, 1), limits, cancel) {}

    ModelResult<Model> Run() {
        for (int64_t turn = kFirstTurn;; turn *= 2) {
            bool deep_running = false;
            for (size_t i = 0; i < deep_.size(); ++i) {
                if (Turn(deep_[i], i, i == 0 ? turn * kFirstShare : turn, deep_running) == Verdict::Won)
                    return std::move(answer_);
            }
            bool best_running = false;
            const auto orders = static_cast<int64_t>(deep_.size());
            const Verdict found = Turn(best_, deep_.size(), turn * (kFirstShare + orders - 1), best_running);
            if (found != Verdict::Unknown) return std::move(answer_);
            if (!deep_running && !gave_up_) return Finish(Verdict::Impossible);
            if (!deep_running && !best_running) return Finish(Verdict::Unknown);
            if (Spent() >= limits_.positions) return Finish(Verdict::Unknown);
        }
    }

  private:
    static constexpr int64_t kFirstTurn = 256;
    // The first order's turn, in turns of the other orders.
    static constexpr int64_t kFirstShare = 2;
    enum class Stage : uint8_t { Waiting, Running, Through };

    // The shared table, the best-first search's table and the positions it
    // keeps to open take half the memory cap each.
    static Limits Half(Limits limits) {
        limits.table_bytes /= 2;
        return limits;
    }

    int64_t Spent() const {
        int64_t spent = best_.Positions();
        for (const DepthFirst<Model>& deep : deep_) spent += deep.Positions();
        return spent;
    }

    // Runs search `index` for one turn unless it is through, starting it at
    // its first (most deals are won before the later searches begin). While
    // it has positions left, sets `running` and answers Unknown; once it is
    // through, answers its verdict (Unknown too when a limit stopped it, or
    // when it was through before), and keeps the answer in `answer_`.
    template <class Search>
    Verdict Turn(Search& search, size_t index, int64_t turn, bool& running) {
        Stage& stage = stage_[index];
        if (stage == Stage::Through) return Verdict::Unknown;
        if (stage == Stage::Waiting) {
            search.Start(root_);  // a won root ends it at once
            stage = Stage::Running;
        }
        const int64_t left = limits_.positions - Spent();
        if (!search.Done() && left > 0) search.Advance(std::min(turn, left));
        if (!search.Done()) {
            running = true;
            return Verdict::Unknown;
        }
        stage = Stage::Through;
        const int64_t spent = Spent();
        answer_ = search.Take();
        answer_.positions = spent;
        if (index < deep_.size() && answer_.verdict == Verdict::Unknown) gave_up_ = true;
        return answer_.verdict;
    }

    ModelResult<Model> Finish(Verdict verdict) {
        answer_ = {};
        answer_.verdict = verdict;
        answer_.positions = Spent();
        // The first order is the best: where it was heading is the guess.
        if (verdict == Verdict::Unknown) answer_.guess = deep_.front().Leading();
        return std::move(answer_);
    }

    Limits limits_;
    typename Model::State root_;
    VisitedTable shared_;
    std::vector<DepthFirst<Model>> deep_;
    BestFirst<Model> best_;
    std::vector<Stage> stage_;  // of each depth-first search, then the best-first one
    ModelResult<Model> answer_;
    bool gave_up_ = false;  // a depth-first search was stopped by a limit
};

}  // namespace velmora::solver
