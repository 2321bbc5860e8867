// The search's model of the stock games: a stock gone round without end is
// one position whichever card lies on the waste, its children play every
// card the presses reach and replay through the driver to where the model
// says, and a search over it reaches the same verdicts as one over every
// single press.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "session.h"
#include "solver/compiled_checks.h"
#include "solver/cycle_model.h"
#include "solver/depth_first.h"
#include "solver/position_key.h"
#include "solver/search.h"
#include "solver/stock_cycle.h"

namespace velmora::solver {
namespace {

using cli::Session;

// Klondike deal 1 after some presses, the cards of the stock and the waste
// that could go home put there between them, until every card of the stock
// and the waste can be turned without one going home.
void SendLineHome(const CompiledRules& rules, CompiledPosition& p) {
    for (int pile : {kCompiledStock, kCompiledWaste}) {
        std::vector<uint8_t> kept;
        while (!p.Empty(pile)) kept.insert(kept.begin(), p.Pop(pile));
        for (uint8_t card : kept) {
            const CompiledChecks checks(rules, p);
            int home = -1;
            for (int f = 0; f < rules.foundations && home < 0; ++f)
                if (checks.HomeTakes(CodeOf(card), rules.Foundation(f))) home = rules.Foundation(f);
            p.Push(home < 0 ? pile : home, home < 0 ? card : static_cast<uint8_t>(CodeOf(card)));
        }
    }
}

CompiledPosition OnCycle(const CompiledModel& model) {
    const CompiledRules& rules = model.rules();
    CompiledPosition p = model.Root();
    for (int presses = 0; presses < 40; ++presses) {
        PlayCompiledMove(rules, p, {Input::Kind::Press, static_cast<uint8_t>(p.Top(kCompiledStock)), kCompiledStock});
        bool closed = false;
        if (OnStockCycle(rules, p) && (StockChain(rules, p, closed), closed)) return p;
        SendLineHome(rules, p);
    }
    return p;
}

TEST(StockCycle, EveryPointOfTheCycleIsOnePositionAndNothingElseIs) {
    Session s;
    s.Lines("new 2 1");
    const CompiledModel compiled(s.engine());
    const CompiledRules& rules = compiled.rules();
    const CompiledPosition start = OnCycle(compiled);
    ASSERT_TRUE(OnStockCycle(rules, start));
    ASSERT_TRUE(StockCycleFolds(rules, start));
    const CycleModel model(s.engine());

    bool closed = false;
    const std::vector<CompiledPosition> points = StockChain(rules, start, closed);
    EXPECT_TRUE(closed);
    // Draw one: every split of the line but the one with an empty waste.
    const int line = start.Count(kCompiledStock) + start.Count(kCompiledWaste);
    ASSERT_GT(line, 10);
    ASSERT_EQ(points.size(), static_cast<size_t>(line));
    std::set<uint64_t> exact;
    for (const CompiledPosition& point : points) {
        EXPECT_TRUE(OnStockCycle(rules, point));
        EXPECT_EQ(model.Key(point), model.Key(start));
        exact.insert(point.ExactHash(rules));
    }
    EXPECT_EQ(exact.size(), points.size());

    // Another line of cards, or a card moved on the tableau, is another position.
    CompiledPosition swapped = start;
    const uint8_t top = swapped.Pop(kCompiledStock);
    const uint8_t under = swapped.Pop(kCompiledStock);
    swapped.Push(kCompiledStock, top);
    swapped.Push(kCompiledStock, under);
    EXPECT_NE(model.Key(swapped), model.Key(start));
    // With the waste empty the presses never come back: not on the cycle.
    CompiledPosition unturned = start;
    while (!unturned.Empty(kCompiledWaste))
        unturned.Push(kCompiledStock, static_cast<uint8_t>(unturned.Pop(kCompiledWaste) | kFaceDownBit));
    EXPECT_FALSE(OnStockCycle(rules, unturned));
    EXPECT_NE(model.Key(unturned), model.Key(start));
}

TEST(StockCycle, ChildrenPlayEveryReachableCardAndReplayThroughTheDriver) {
    Session s;
    s.Lines("new 2 1");
    const CycleModel model(s.engine());
    const CompiledModel compiled(s.engine());
    const CompiledRules& rules = compiled.rules();
    const CompiledPosition start = OnCycle(compiled);
    Engine before;
    compiled.ToEngine(start, before);

    // Every card of the line that a tableau pile would take, played.
    std::set<int> fits;
    for (const CompiledPosition& point : [&] {
             bool closed = false;
             return StockChain(rules, start, closed);
         }()) {
        const CompiledChecks here(rules, point);
        for (int t = 0; t < rules.tableaus; ++t)
            if (here.CanDrop(kCompiledWaste, point.Count(kCompiledWaste) - 1, rules.Tableau(t)))
                fits.insert(point.Top(kCompiledWaste));
    }
    ASSERT_FALSE(fits.empty());
    std::set<int> played;
    for (const CycleChild& child : model.Children(start)) {
        CompiledPosition after = start;
        const Move inputs = model.Play(after, child.move);
        EXPECT_EQ(model.Key(after), child.key);
        ASSERT_EQ(inputs.size(), child.move.presses + 1u);
        if (child.move.move.kind == Input::Kind::Drop && rules.IsTableau(child.move.move.pile))
            played.insert(child.move.move.card);
        EXPECT_FALSE(child.move.presses == 0 && child.move.move.kind == Input::Kind::Press &&
                     child.move.move.pile == kCompiledStock)
            << "a press alone goes round the cycle";

        Engine table;
        CopyQuietly(before, table);
        for (const Input& input : inputs) ASSERT_TRUE(PlayInput(table, input)) << DriverWords(input);
        Engine expected;
        compiled.ToEngine(after, expected);
        EXPECT_EQ(PositionKey(table), PositionKey(expected)) << DriverWords(inputs.back());
    }
    for (int card : fits) EXPECT_TRUE(played.contains(card)) << card;
}

// Every deal both searches decide within the limit gets the same verdict:
// folding the stock and leaving out the presses may only save positions.
TEST(StockCycle, SearchesWithAndWithoutTheFoldAgree) {
    Limits limits;
    limits.positions = 12'000;
    limits.seconds = 60;
    limits.table_bytes = 16u << 20;
    int compared = 0;
    // Greedy automatic play on the later deals: the fold must hold for both.
    for (int game : {2, 3, 5}) {
        for (int deal = 1; deal <= 8; ++deal) {
            Session s;
            s.Lines(deal <= 5 ? "autoplay safe" : "autoplay greedy");
            s.Lines("new " + std::to_string(game) + " " + std::to_string(deal));
            CompiledModel plain(s.engine());
            CycleModel folded(s.engine());
            const Verdict slow = DepthFirst<CompiledModel>(plain, limits, nullptr).Run(plain.Root()).verdict;
            const Verdict fast = DepthFirst<CycleModel>(folded, limits, nullptr).Run(folded.Root()).verdict;
            if (slow == Verdict::Unknown || fast == Verdict::Unknown) continue;
            ++compared;
            EXPECT_EQ(fast, slow) << "game " << game << " deal " << deal;
        }
    }
    EXPECT_GE(compared, 6);
}

// The narrow model only where it can help (cards hidden in the tableau,
// runs in sequence), and there it leaves out the runs that uncover nothing
// but keeps every other move.
TEST(NarrowSearch, LeavesOutOnlyRunsThatUncoverNothing) {
    Session s;
    for (int game : {1, 3, 4, 5}) {
        s.Lines("new " + std::to_string(game) + " 2");
        EXPECT_FALSE(CycleModel(s.engine(), true).Narrow()) << game;
    }
    int left_out = 0;
    for (int deal = 1; deal <= 30 && left_out == 0; ++deal) {
        s.Lines("new 2 " + std::to_string(deal));
        const CycleModel full(s.engine());
        const CycleModel narrow(s.engine(), true);
        ASSERT_TRUE(narrow.Narrow());
        const CompiledModel compiled(s.engine());
        const CompiledRules& rules = compiled.rules();
        // Along the full model's first line of play.
        CompiledPosition p = full.Root();
        for (int step = 0; step < 40; ++step) {
            const std::vector<CycleChild> all = full.Children(p);
            if (all.empty()) break;
            std::set<uint64_t> kept;
            for (const CycleChild& child : narrow.Children(p)) kept.insert(child.key);
            for (const CycleChild& child : all) {
                if (kept.contains(child.key)) continue;
                ++left_out;
                const CompiledMove& move = child.move.move;
                int from = 0;
                int at = 0;
                ASSERT_TRUE(p.Find(move.card, from, at));
                EXPECT_TRUE(rules.IsTableau(from) && rules.IsTableau(move.pile) && at > 0 && !IsDown(p.At(from, at - 1)))
                    << "deal " << deal << " card " << int{move.card};
            }
            full.Apply(p, all.front().move);
        }
    }
    EXPECT_GT(left_out, 0);
}

// The narrow search's end proves nothing: Klondike deal 12 has no win the
// narrow search can find (with greedy automatic play, as the deal was
// chosen), yet the full search cannot rule one out.
TEST(NarrowSearch, ItsEndIsNoVerdict) {
    Limits limits;
    limits.positions = 20'000;
    limits.seconds = 60;
    limits.table_bytes = 8u << 20;
    Session s;
    s.Lines("autoplay greedy");
    s.Lines("new 2 12");
    const CycleModel narrow(s.engine(), true);
    ASSERT_EQ(DepthFirst<CycleModel>(narrow, limits, nullptr).Run(narrow.Root()).verdict, Verdict::Impossible);
    EXPECT_NE(Solve(s.engine(), limits).verdict, Verdict::Impossible);
}

}  // namespace
}  // namespace velmora::solver
