// The searches run in turns: a search advanced step by step answers what it
// answers in one run, and the two searches taking turns keep the depth-first
// search's verdicts while getting out of the deals it buries.
#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "session.h"
#include "solver/cycle_model.h"
#include "solver/portfolio.h"

namespace velmora::solver {
namespace {

Limits Budget(int64_t positions) {
    Limits limits;
    limits.positions = positions;
    limits.seconds = 600;
    limits.table_bytes = 8u << 20;
    return limits;
}

template <class Search>
ModelResult<CycleModel> InSteps(const CycleModel& model, const Limits& limits, int64_t step) {
    Search search(model, limits, nullptr);
    search.Start(model.Root());
    while (!search.Done()) search.Advance(step);
    return search.Take();
}

template <class Search>
void ExpectStepsMatchOneRun(const CycleModel& model, int64_t positions) {
    const ModelResult<CycleModel> whole = Search(model, Budget(positions), nullptr).Run(model.Root());
    for (int64_t step : {1, 7, 1000}) {
        const ModelResult<CycleModel> stepped = InSteps<Search>(model, Budget(positions), step);
        EXPECT_EQ(stepped.verdict, whole.verdict) << "step " << step;
        EXPECT_EQ(stepped.positions, whole.positions) << "step " << step;
        EXPECT_EQ(stepped.line, whole.line) << "step " << step;
    }
}

// Canfield deal 10 is won and 12 impossible; Freecell 25 runs out of the
// depth-first budget.
TEST(Portfolio, ASearchInStepsAnswersAsInOneRun) {
    for (const char* deal : {"new 3 10", "new 3 12", "new 1 25"}) {
        SCOPED_TRACE(deal);
        cli::Session s;
        s.Lines(deal);
        const CycleModel model(s.engine());
        ExpectStepsMatchOneRun<DepthFirst<CycleModel>>(model, 3000);
        ExpectStepsMatchOneRun<BestFirst<CycleModel>>(model, 3000);
    }
}

TEST(Portfolio, KeepsTheVerdictsAndWinsADealTheDepthFirstSearchBuries) {
    for (int deal = 1; deal <= 12; ++deal) {
        cli::Session s;
        s.Lines("new 3 " + std::to_string(deal));
        const CycleModel model(s.engine());
        const Verdict deep = DepthFirst<CycleModel>(model, Budget(200000), nullptr).Run(model.Root()).verdict;
        const Verdict both = Portfolio<CycleModel>(model, Budget(200000), nullptr).Run().verdict;
        ASSERT_NE(deep, Verdict::Unknown) << "Canfield deal " << deal;
        EXPECT_EQ(both, deep) << "Canfield deal " << deal;
    }
    // Freecell 7 buries the depth-first search under greedy automatic play.
    cli::Session s;
    s.Lines("autoplay greedy");
    s.Lines("new 1 7");
    const CycleModel model(s.engine());
    EXPECT_EQ(DepthFirst<CycleModel>(model, Budget(20000), nullptr).Run(model.Root()).verdict, Verdict::Unknown);
    const ModelResult<CycleModel> both = Portfolio<CycleModel>(model, Budget(20000), nullptr).Run();
    ASSERT_EQ(both.verdict, Verdict::Won);
    EXPECT_LE(both.positions, 20000);
    CompiledPosition at = model.Root();
    for (const CycleMove& move : both.line) model.Play(at, move);
    EXPECT_TRUE(model.IsWon(at)) << "the line taken from the best-first search wins";
}

// Orders that share one table: each leaves alone what another entered, so
// the deal is lost only once all of them are through.
TEST(Portfolio, SeveralOrdersKeepTheVerdicts) {
    for (int deal = 1; deal <= 12; ++deal) {
        cli::Session s;
        s.Lines("new 3 " + std::to_string(deal));
        const CycleModel model(s.engine());
        ScoreWeights loose = model.Weights();
        loose.blocking = 0;
        ScoreWeights homeward = model.Weights();
        homeward.home *= 3;
        const std::vector<CycleModel> orders{model, model.Reweighed(loose), model.Reweighed(homeward)};
        const Verdict deep = DepthFirst<CycleModel>(model, Budget(200000), nullptr).Run(model.Root()).verdict;
        const ModelResult<CycleModel> found = Portfolio<CycleModel>(orders, Budget(400000), nullptr).Run();
        EXPECT_EQ(found.verdict, deep) << "Canfield deal " << deal;
        if (found.verdict != Verdict::Won) continue;
        CompiledPosition at = model.Root();
        for (const CycleMove& move : found.line) model.Play(at, move);
        EXPECT_TRUE(model.IsWon(at)) << "Canfield deal " << deal;
    }
}

// A road of positions 1 to 600, won at its end, beside a dead end (1000),
// both leaving the root (0); each order tries the road first or the dead end.
class RoadModel {
  public:
    using State = int;
    using MoveType = int;
    struct ChildType {
        int move = 0;
        uint64_t key = 0;
        int score = 0;
        bool won = false;
    };
    explicit RoadModel(bool road_first, bool won_at_end = true) : road_first_(road_first), won_at_end_(won_at_end) {}
    State Root() const { return 0; }
    std::vector<ChildType> Children(State s) const {
        if (s == 0) {
            std::vector<ChildType> both{{1, 1, 0, false}, {kDeadEnd, kDeadEnd, 0, false}};
            if (!road_first_) std::swap(both[0], both[1]);
            return both;
        }
        if (s == kDeadEnd || s == kEnd) return {};
        return {{s + 1, static_cast<uint64_t>(s + 1), 0, IsWon(s + 1)}};
    }
    void Apply(State& s, int move) const { s = move; }
    bool IsWon(State s) const { return won_at_end_ && s == kEnd; }
    uint64_t Key(State s) const { return static_cast<uint64_t>(s); }

  private:
    static constexpr int kEnd = 600;
    static constexpr int kDeadEnd = 1000;
    bool road_first_;
    bool won_at_end_;
};

// The order that took the dead end runs out of positions at once (the road
// is the other's); the deal is still won down the road.
TEST(Portfolio, AnOrderOutOfPositionsProvesNothingWhileAnotherRuns) {
    const std::vector<RoadModel> orders{RoadModel(true), RoadModel(false)};
    const ModelResult<RoadModel> found = Portfolio<RoadModel>(orders, Budget(100000), nullptr).Run();
    EXPECT_EQ(found.verdict, Verdict::Won);
    EXPECT_EQ(found.line.size(), 600u);
}

// Where the road leads nowhere, the orders together prove the deal lost
// over several turns, though the best-first search runs out of memory first.
TEST(Portfolio, OrdersThroughTogetherProveTheLoss) {
    const std::vector<RoadModel> orders{RoadModel(true, false), RoadModel(false, false)};
    Limits small = Budget(100000);
    small.table_bytes = 4u << 10;
    EXPECT_EQ(Portfolio<RoadModel>(orders, small, nullptr).Run().verdict, Verdict::Impossible);
}

TEST(Portfolio, ALimitIsUnknownAndCountsBothSearches) {
    cli::Session s;
    s.Lines("new 5 1");
    const CycleModel model(s.engine());
    const ModelResult<CycleModel> found = Portfolio<CycleModel>(model, Budget(5000), nullptr).Run();
    EXPECT_EQ(found.verdict, Verdict::Unknown);
    EXPECT_GE(found.positions, 5000);
    EXPECT_LE(found.positions, 5100);
    EXPECT_TRUE(found.line.empty());
}

// The positions the best-first search keeps to open later count against the
// memory cap as the table does: a small cap ends the search as unknown long
// before the position limit.
TEST(Portfolio, TheBestFirstSearchKeepsItsPositionsWithinTheMemoryCap) {
    cli::Session s;
    s.Lines("new 5 1");
    const CycleModel model(s.engine());
    Limits small = Budget(1000000);
    small.table_bytes = 256u << 10;
    const ModelResult<CycleModel> found = BestFirst<CycleModel>(model, small, nullptr).Run(model.Root());
    EXPECT_EQ(found.verdict, Verdict::Unknown);
    EXPECT_LT(found.positions, 20000);
    EXPECT_EQ(Portfolio<CycleModel>(model, small, nullptr).Run().verdict, Verdict::Unknown);
}

}  // namespace
}  // namespace velmora::solver
