// Build codes that read the state of other piles by index: the foundation's
// own card count, the first or a neighbouring foundation, the tableau that
// shares the destination's index, and the four-suit groups.

#include "engine/play/rule_context.h"

namespace velmora {

namespace {

int TopRank(const std::string& pile) { return pile.empty() ? -1 : CardRank(PileTop(pile)); }
int BottomSuit(const std::string& pile) { return pile.empty() ? -2 : CardSuit(PileCodeAt(pile, 0)); }

// 29: up to the King, a second King, then down again.
bool UpThenDown(const RuleCtx& c) {
    if (c.Empty()) return EmptyRuleAccepts(c);
    if (!c.SameSuit()) return false;
    const int held = PileCount(c.Dest());
    if (held <= 12) return c.Up();
    if (held == 13) return c.s == 13;
    return c.Down();
}

// 46, 49, 51: up to the Jack; 49 and 51 need the tableau of the same index
// to hold cards, 51 of the moving card's suit at its bottom.
bool UpBesideTableau(const RuleCtx& c) {
    const int code = c.in.build_code;
    if (code != 46) {
        const std::string& beside = c.DestTableau();
        if (beside.empty()) return false;
        if (code == 51 && BottomSuit(beside) != CardSuit(c.in.moving)) return false;
    }
    if (c.Empty()) return c.s == c.R(48 + c.in.pile);
    return c.Up() && c.s != 12 && c.s != 13;
}

// 47, 50, 52: down, never a Queen; 50 and 52 look at the tableau eight
// places to the left, 52 at its bottom card's suit.
bool DownBesideTableau(const RuleCtx& c) {
    const int code = c.in.build_code;
    if (code != 47) {
        const int j = c.in.pile - 8;
        if (j < 0) return false;
        const std::string& beside = c.Tableau(j);
        if (beside.empty()) return false;
        if (code == 52 && BottomSuit(beside) != CardSuit(c.in.moving)) return false;
    }
    if (c.Empty()) return c.s == c.R(48 + c.in.pile);
    return (c.Down() || c.KingOnAce()) && c.s != 12;
}

// 97: one suit to a foundation, in any order of ranks; a card goes on only
// once its rank lies on the foundation before it (the first takes any). An
// empty foundation takes a card of its base rank of a suit not yet begun.
bool RankSeenBefore(const RuleCtx& c) {
    const int i = c.in.pile;
    if (c.Empty()) return c.s == c.R(48 + i) && FourSuitCheck(c.e, i, c.in.moving);
    if (!c.SameSuit()) return false;
    if (i == 0) return true;
    for (int code : PileCodes(c.Foundation(i - 1)))
        if (CardRank(code) == c.s) return true;
    return false;
}

}  // namespace

bool FoundationCodeRule(const RuleCtx& c) {
    const int i = c.in.pile;
    switch (c.in.build_code) {
        case 29: return UpThenDown(c);
        case 36:
            if (c.Empty()) {
                if (c.s != c.in.base_rank) return false;
                return !c.in.foundation || i == 0 || !c.Foundation(i - 1).empty();
            }
            return c.Down() || c.KingOnAce();
        case 37:
            if (c.Empty()) return EmptyRuleAccepts(c);
            // Doubling never reaches a King: Kings close the game.
            if (c.s == 13) return PileCount(c.Foundation(0)) > 47;
            return c.s == (2 * c.t) % 13;
        case 41:
            if (c.Empty()) return c.s == c.R(48 + i) && FourSuitCheck(c.e, i, c.in.moving);
            return c.SameSuit() && (c.Up(2) || c.s == (c.t + 2) % 13);
        case 42:
            if (c.Empty() || !c.SameSuit() || !c.Up()) return false;
            return c.s != 13 || (i + 6 < kFoundationPiles && TopRank(c.Foundation(i + 6)) == 13);
        case 46:
        case 49:
        case 51: return UpBesideTableau(c);
        case 47:
        case 50:
        case 52: return DownBesideTableau(c);
        case 53:
            if (i > 0 && PileCount(c.Foundation(0)) != 13) return false;
            if (c.Empty()) return c.s == c.R(48 + i);
            return c.Up() || c.AceOnKing();
        case 77:
            // Four cards of each rank in turn.
            if (c.Empty()) return c.s == 1;
            return c.s == PileCount(c.Dest()) / 4 + 1;
        case 82:
            if (!c.StockAndWasteEmpty()) return false;
            if (c.Empty()) {
                if (c.in.foundation && !FourSuitCheck(c.e, i, c.in.moving)) return false;
                return EmptyRuleAccepts(c);
            }
            return c.SameSuit() && StandardPath(c, 82);
        case 83: {
            if (!(c.Down() || c.KingOnAce())) return false;
            // Foundation i is complete at rank i + 1; the seventh only once
            // it holds a full suit.
            const std::string& own = c.Foundation(i);
            if (TopRank(own) == i + 1 && (i != 6 || PileCount(own) == 13)) return false;
            return true;
        }
        case 97: return RankSeenBefore(c);
        case 96:
            if (c.in.foundation && c.Empty() && !FourSuitCheck(c.e, i, c.in.moving)) return false;
            return StandardPath(c, 0);
        default: return false;
    }
}

}  // namespace velmora
