#include "solver/cycle_model.h"

#include "solver/compiled_checks.h"
#include "solver/compiled_play.h"
#include "solver/stock_cycle.h"

namespace velmora::solver {

namespace {

CompiledMove StockPress(const CompiledPosition& p) {
    return {Input::Kind::Press, static_cast<uint8_t>(p.Top(kCompiledStock)), kCompiledStock};
}

// The move takes the waste's top card or presses the stock.
bool TouchesStockArea(const CompiledMove& move, const CompiledPosition& p) {
    if (move.kind == Input::Kind::Press) return move.pile == kCompiledStock;
    if (move.kind == Input::Kind::Click) return move.pile == kCompiledWaste;
    return !p.Empty(kCompiledWaste) && move.card == p.Top(kCompiledWaste);
}

// The foundations hold the same cards in both positions.
bool SameHomes(const CompiledRules& rules, const CompiledPosition& a, const CompiledPosition& b) {
    for (int f = 0; f < rules.foundations; ++f) {
        const int pile = rules.Foundation(f);
        if (a.Count(pile) != b.Count(pile) || a.Top(pile) != b.Top(pile)) return false;
    }
    return true;
}

bool TakesFromHome(const CompiledRules& rules, const CompiledPosition& p, const CompiledMove& move) {
    if (move.kind == Input::Kind::Click) return rules.IsFoundation(move.pile);
    int pile = 0;
    int at = 0;
    return move.kind == Input::Kind::Drop && p.Find(move.card, pile, at) && rules.IsFoundation(pile);
}

// A run moved from one tableau pile to another that leaves a face-up card
// behind, which stays where it is: the moves a narrow search leaves out.
bool Shuffles(const CompiledRules& rules, const CompiledPosition& s, const CompiledMove& move, const CompiledPosition& after) {
    if (move.kind != Input::Kind::Drop || !rules.IsTableau(move.pile)) return false;
    int from = 0;
    int at = 0;
    if (!s.Find(move.card, from, at) || !rules.IsTableau(from) || at == 0) return false;
    const uint8_t below = s.At(from, at - 1);
    if (IsDown(below)) return false;
    return after.Count(from) == at && after.Top(from) == CodeOf(below);
}

bool HidesCards(const CompiledRules& rules, const CompiledPosition& p) {
    for (int t = 0; t < rules.tableaus; ++t)
        for (int at = 0; at < p.Count(rules.Tableau(t)); ++at)
            if (IsDown(p.At(rules.Tableau(t), at))) return true;
    return false;
}

}  // namespace

CycleModel::CycleModel(const Engine& e, bool narrow) : compiled_(e) {
    const CompiledRules& rules = compiled_.rules();
    const CompiledPosition root = compiled_.Root();
    folds_ = StockCycleFolds(rules, root);
    const bool hidden = HidesCards(rules, root);
    if (rules.reserves > 0) weights_ = kFreeCellWeights;
    if (hidden) weights_ = kHiddenCardWeights;
    if (rules.suit_run_homes) weights_ = kSuitRunWeights;
    // Where whole suit runs go home, carrying runs between piles to join
    // them in suit is the game: no narrow search there.
    narrow_ = narrow && hidden && rules.runs_must_fit && !rules.suit_run_homes;
}

uint64_t CycleModel::Key(const State& s, const PileHashes* near) const {
    if (folds_ && OnStockCycle(compiled_.rules(), s)) return s.CycleKey(compiled_.rules(), near);
    return s.Key(compiled_.rules(), near);
}

void CycleModel::Offer(Sink& out, const CycleMove& move, const CompiledPosition& after, const uint64_t* plain_key) const {
    const bool cycle = folds_ && OnStockCycle(compiled_.rules(), after);
    const uint64_t key = plain_key != nullptr && !cycle ? *plain_key : Key(after, &out.near);
    out.children.push_back({move, key, CompiledScore(compiled_.rules(), after, weights_, &out.scores), after.over});
}

// The positions on the stock's chain (see StockChain) are no children of
// their own: the waste's top card is played from each of them, the press
// that ends the chain is a child, and every other move is made from the
// first point, and again from a later point only where it leads elsewhere
// than making it first and pressing on.
std::vector<CycleChild> CycleModel::Children(const State& s) const {
    const CompiledRules& rules = compiled_.rules();
    Sink out{{}, PileHashes(rules, s), PileScores(rules, s)};
    // Every point of the chain has the foundations of `s`.
    HomeFacts facts(rules, s);
    bool closed = false;
    const std::vector<CompiledPosition> points = StockChain(rules, s, closed, &facts);
    for (size_t i = 0; i < points.size(); ++i) WasteMoves(points[i], static_cast<int>(i), facts, out);
    if (!closed) {
        CompiledPosition after = points.back();
        const CompiledMove press = StockPress(after);
        if (PlayCompiledMove(rules, after, press)) Offer(out, {static_cast<uint8_t>(points.size() - 1), press}, after);
    }
    VisitCompiledMoves(rules, s, [&](const CompiledMove& move, const CompiledPosition& after, uint64_t key) {
        if (TouchesStockArea(move, s)) return;
        if (narrow_ && Shuffles(rules, s, move, after)) return;
        Offer(out, {0, move}, after, &key);
        if (points.size() > 1) OtherPoints(points, move, after, facts, out);
    }, true, &facts);
    SortBestFirst(out.children);
    return std::move(out.children);
}

// A move that leaves the stock, the waste and the foundations alone (and
// takes no card from a foundation, which could let the waste's card go home
// in the middle of the automatic play) lets every card turn after it as
// before it: made at a later point, it leads where making it first and
// pressing on leads. Otherwise each point is compared.
void CycleModel::OtherPoints(const std::vector<CompiledPosition>& points, const CompiledMove& move,
                             const CompiledPosition& after, HomeFacts& facts, Sink& out) const {
    const CompiledRules& rules = compiled_.rules();
    const CompiledPosition& first = points.front();
    if (after.Count(kCompiledStock) == first.Count(kCompiledStock) &&
        after.Count(kCompiledWaste) == first.Count(kCompiledWaste) && SameHomes(rules, after, first) &&
        !TakesFromHome(rules, first, move))
        return;
    CompiledPosition pressed_on = after;
    for (size_t i = 1; i < points.size(); ++i) {
        PlayCompiledMove(rules, pressed_on, StockPress(pressed_on));
        CompiledPosition here = points[i];
        if (!PlayCompiledMove(rules, here, move, &facts)) continue;
        if (!(here == pressed_on)) Offer(out, {static_cast<uint8_t>(i), move}, here);
    }
}

void CycleModel::WasteMoves(const CompiledPosition& point, int presses, HomeFacts& facts, Sink& out) const {
    const CompiledRules& rules = compiled_.rules();
    const int top = point.Count(kCompiledWaste) - 1;
    if (top < 0) return;
    const CompiledChecks checks(rules, point);
    if (!checks.CanPickUp(kCompiledWaste, top)) return;
    const auto card = static_cast<uint8_t>(point.Top(kCompiledWaste));
    const auto count = static_cast<uint8_t>(presses);
    const PileMarks left_out = EmptyAlikeRepeats(rules, point);
    for (int to = rules.Foundation(0); to < rules.Piles(); ++to) {
        if (left_out[static_cast<size_t>(to)] || !checks.CanDrop(kCompiledWaste, top, to)) continue;
        CompiledPosition after = point;
        const CompiledMove drop{Input::Kind::Drop, card, static_cast<uint8_t>(to)};
        if (PlayCompiledMove(rules, after, drop, &facts)) Offer(out, {count, drop}, after);
    }
    if (!rules.click_to_foundations) return;
    CompiledPosition after = point;
    const CompiledMove click{Input::Kind::Click, card, kCompiledWaste};
    if (PlayCompiledMove(rules, after, click, &facts)) Offer(out, {count, click}, after);
}

void CycleModel::Apply(State& s, const MoveType& move) const { PlayOn(s, move, nullptr); }

Move CycleModel::Play(State& s, const MoveType& move) const {
    Move inputs;
    PlayOn(s, move, &inputs);
    return inputs;
}

void CycleModel::PlayOn(State& s, const MoveType& move, Move* inputs) const {
    for (int i = 0; i < move.presses; ++i) {
        const CompiledMove press = StockPress(s);
        if (inputs != nullptr) inputs->push_back(compiled_.ToInput(press));
        PlayCompiledMove(compiled_.rules(), s, press);
    }
    if (inputs != nullptr) inputs->push_back(compiled_.ToInput(move.move));
    PlayCompiledMove(compiled_.rules(), s, move.move);
}

}  // namespace velmora::solver
