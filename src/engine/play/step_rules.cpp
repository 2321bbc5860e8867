// Building by a step other than one: by one or by two, fixed by the first
// foundation that shows two cards (91), and by three from a base rank (93).

#include "engine/model/piles.h"
#include "engine/play/rule_context.h"

namespace velmora {

namespace {

constexpr int kNoStep = 0;

// The step of the first foundation holding two cards; a wrap past the King
// counts as the step it completes (King to Ace 1, King to 2 and Queen to
// Ace 2).
int FoundationStep(const Engine& e) {
    for (int f = 0; f < FoundationsInUse(e); ++f) {
        const std::string& pile = e.piles.foundations[static_cast<size_t>(f)];
        if (PileCount(pile) < 2) continue;
        const int step = CardRank(PileCodeAt(pile, 1)) - CardRank(PileCodeAt(pile, 0));
        if (step == -12) return 1;
        if (step == -11) return 2;
        return step;
    }
    return kNoStep;
}

bool ByOneOrTwo(const RuleCtx& c) {
    // An empty pile is started by its empty rule.
    if (c.Empty()) return EmptyRuleAccepts(c);
    const bool two_on_king = c.t == 13 && c.s == 2;
    const bool ace_on_queen = c.t == 12 && c.s == 1;
    switch (const int step = FoundationStep(c.e)) {
        case kNoStep: return c.Up(1) || c.Up(2) || c.AceOnKing() || two_on_king || ace_on_queen;
        case 1: return c.Up(1) || c.AceOnKing();
        case 2: return c.Up(2) || two_on_king || ace_on_queen;
        default: return c.Up(step);
    }
}

// 93: a tableau starts with its base rank v; a lone card of another rank
// can be covered only by a base card from a tableau of one card whose own
// base that lone card is; on a base card the run goes up by
// three in the top card's suit.
bool ByThreeFromBase(const RuleCtx& c) {
    const int v = c.R(128 + c.in.pile);
    const std::string& dest = c.DestTableau();
    if (dest.empty()) return c.s == v;
    const int bottom_rank = CardRank(PileCodeAt(dest, 0));
    if (PileCount(dest) == 1 && bottom_rank != v) {
        const int from = TableauOfLocator(c.move.source);
        if (from < 0 || c.s != v || PileCount(c.Tableau(from)) != 1) return false;
        return bottom_rank == c.R(128 + from);
    }
    if (bottom_rank != v) return false;
    const int top = PileTop(dest);
    return c.Suit(top) == c.Suit(c.in.moving) && c.s == CardRank(top) + 3;
}

}  // namespace

bool StepRule(const RuleCtx& c) {
    switch (c.in.build_code) {
        case 91: return ByOneOrTwo(c);
        case 93: return ByThreeFromBase(c);
        default: return false;
    }
}

}  // namespace velmora
