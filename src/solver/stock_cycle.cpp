#include "solver/stock_cycle.h"

#include <array>

#include "solver/compiled_checks.h"
#include "solver/compiled_moves.h"

namespace velmora::solver {

namespace {

constexpr int kOneDeck = 52;

int LineLength(const CompiledPosition& p) { return p.Count(kCompiledStock) + p.Count(kCompiledWaste); }

bool AnyWantedHome(const HomeWants& wants, const CompiledPosition& p, int pile) {
    for (int i = 0; i < p.Count(pile); ++i)
        if (wants.Has(CodeOf(p.At(pile, i)))) return true;
    return false;
}

// Nothing the gap filling and automatic play after a press would do: no
// space the reserve or the stock's line fills, no top card of the tableau or
// the reserves goes home, no face-down card turns up.
bool Settled(const CompiledRules& rules, const HomeWants& wants, const CompiledPosition& p) {
    const bool gap_fills = (rules.fill_from_reserve && rules.reserves > 0 && !p.Empty(rules.Reserve(0))) ||
                               (rules.fill_from_waste_then_stock && LineLength(p) > 0);
    for (int pile = rules.Tableau(0); pile < rules.Piles(); ++pile) {
        if (p.Empty(pile)) {
            if (gap_fills && rules.IsTableau(pile)) return false;
            continue;
        }
        if (p.TopDown(pile)) {
            if (rules.face_up_exposed && rules.IsTableau(pile)) return false;
            continue;
        }
        if (wants.Has(p.Top(pile))) return false;
    }
    return true;
}

// A press left everything but the stock and the waste as it was and took no
// card out of their line: the cycle key, which reads the line in turning
// order, is the same (checked without hashing the position again).
bool SameOffTheLine(const CompiledRules& rules, const CompiledPosition& a, const CompiledPosition& b) {
    if (a.over != b.over || LineLength(a) != LineLength(b)) return false;
    if (rules.passes != -1 && a.passes != b.passes) return false;
    for (int pile = kCompiledWaste + 1; pile < rules.Piles(); ++pile)
        if (!a.SamePile(b, pile)) return false;
    return true;
}

}  // namespace

bool StockCycleFolds(const CompiledRules& rules, const CompiledPosition& root) {
    if (!rules.stock_pressable || rules.passes != -1 || rules.turn_count < 1 || rules.foundations != 4) return false;
    if (!rules.FoundationsAlike()) return false;
    for (int pile = 0; pile < rules.Piles(); ++pile)
        for (int i = 0; i < root.Count(pile); ++i)
            if (CodeOf(root.At(pile, i)) > kOneDeck) return false;
    return true;
}

bool OnStockCycle(const CompiledRules& rules, const CompiledPosition& p) {
    const int line = LineLength(p);
    const int waste = p.Count(kCompiledWaste);
    if (p.over || line < 2 || waste < 1) return false;
    if (waste != line && waste % rules.turn_count != 0) return false;
    const HomeWants wants(rules, p);
    if (AnyWantedHome(wants, p, kCompiledStock) || AnyWantedHome(wants, p, kCompiledWaste)) return false;
    return Settled(rules, wants, p);
}

std::vector<CompiledPosition> StockChain(const CompiledRules& rules, const CompiledPosition& p, bool& closed,
                                         HomeFacts* facts) {
    closed = false;
    std::vector<CompiledPosition> points{p};
    if (!rules.stock_pressable || p.over) return points;
    // A point is told from the others by the cards in the waste.
    std::array<bool, kMostCards + 1> reached{};
    reached[static_cast<size_t>(p.Count(kCompiledWaste))] = true;
    for (;;) {
        CompiledPosition q = points.back();
        const CompiledMove press{Input::Kind::Press, static_cast<uint8_t>(q.Top(kCompiledStock)), kCompiledStock};
        if (!PlayCompiledMove(rules, q, press, facts) || !SameOffTheLine(rules, p, q)) return points;
        bool& again = reached[static_cast<size_t>(q.Count(kCompiledWaste))];
        if (again) break;
        again = true;
        points.push_back(q);
    }
    closed = true;
    return points;
}

}  // namespace velmora::solver
