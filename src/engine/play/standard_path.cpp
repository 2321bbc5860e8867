// The standard placement test that most build codes share: the empty-pile
// rule, a suit or colour filter, and the rank step in the pile's direction,
// with the foundation wrap, the end-reversal wrap flag and the base rank.

#include "engine/play/rule_context.h"

namespace velmora {

namespace {

constexpr int kWrapEndReversal = 2;

bool PassesFilter(const RuleCtx& c, int filter_code) {
    switch (filter_code) {
        case 0:
        case 11: return c.SameSuit();
        case 1: return c.SameColour();
        case 3: return !c.SameColour();
        case 6: return false;
        default: return true;
    }
}

// Ace on 2 and Queen on King: the sequence turns back at either end.
bool EndReversal(const RuleCtx& c) { return (c.t == 1 && c.s == 2) || (c.t == 13 && c.s == 12); }

bool RankUp(const RuleCtx& c) {
    if (c.in.foundation) {
        // Past the King comes the Ace, unless the Ace is where it started.
        if (c.t == 13) return c.s == 1 && c.in.empty_rule != 1;
        return c.Up();
    }
    if (c.in.wrap == kWrapEndReversal) return EndReversal(c) || c.Up();
    // Nothing is built on the foundations' base card.
    if (c.t == c.in.base_rank && c.in.wrap <= 0) return false;
    if (c.t == 13) return c.s == 1;
    return c.Up();
}

bool RankDown(const RuleCtx& c) {
    if (c.in.foundation) {
        if (c.t == 1) return c.s == 13 && c.in.empty_rule != 13;
        return c.Down();
    }
    if (c.in.wrap == kWrapEndReversal) return EndReversal(c) || c.Down();
    if (c.in.wrap <= 0) {
        if (c.t == c.in.base_rank) return false;
        if (c.t == 1 && c.in.base_rank >= 81 && c.in.base_rank <= 83) return false;
    }
    if (c.t == 1) return c.s == 13;
    return c.Down();
}

}  // namespace

bool StandardPath(const RuleCtx& c, int filter_code) {
    if (c.t < 1) return EmptyRuleAccepts(c);
    if (!PassesFilter(c, filter_code)) return false;
    switch (c.in.direction) {
        case 0: return RankDown(c);
        case 1: return RankUp(c);
        case 2: return RankUp(c) || RankDown(c);
        default: return false;
    }
}

}  // namespace velmora
