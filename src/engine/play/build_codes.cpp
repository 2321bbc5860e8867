// Build codes that decide from the two ranks and suits alone (or from the
// destination tableau's own cards): steps of one, two or more, wraps, suit
// cycles, and the codes that add one condition to the standard test.

#include "engine/model/piles.h"
#include "engine/play/rule_context.h"

namespace velmora {

namespace {

bool StepOrWrap(const RuleCtx& c, int k) { return c.Up(k) || c.s == (c.t + k) % 13; }

// One up or down in any suit, without wrapping past Ace or King.
bool OneEitherWay(const RuleCtx& c) { return c.Up() || c.Down(); }

// 30: the destination tableau's top two cards tell the direction.
bool FollowTableauDirection(const RuleCtx& c) {
    if (c.KingOnAce() || c.AceOnKing()) return false;
    if (c.Empty() || !c.SameSuit()) return false;
    const std::string& pile = c.DestTableau();
    const int n = PileCount(pile);
    if (n >= 2) {
        const int top = CardRank(PileCodeAt(pile, n - 1));
        const int below = CardRank(PileCodeAt(pile, n - 2));
        return top < below ? c.Down() : c.Up();
    }
    return OneEitherWay(c);
}

// The suit that follows in the cycle hearts, clubs, diamonds, spades.
int NextSuitInCycle(int suit) {
    switch (suit) {
        case 0: return 2;
        case 2: return 1;
        case 1: return 3;
        case 3: return 0;
        default: return -1;
    }
}

bool FollowsSuitCycle(const RuleCtx& c) {
    return c.Suit(c.in.moving) == NextSuitInCycle(c.Suit(c.in.target));
}

// 94 and 95 build by the rank of the neighbouring card code, which is one
// rank lower (94) or higher (95) than the target's and wraps at Ace and King
// the same way for every suit and deck. A joker has no neighbour.
int NeighbourRank(const RuleCtx& c, int step) {
    if (CardIsJoker(c.in.target)) return -1;
    const int rank = c.t + step;
    return rank < 1 ? 13 : rank > 13 ? 1 : rank;
}

}  // namespace

bool BuildCodeRule(const RuleCtx& c) {
    switch (c.in.build_code) {
        case 4:
        case 5:
        // 98: a foundation of complete suit runs; they go there by themselves
        // (suit_runs.cpp), and nothing is ever placed on it.
        case 98: return false;
        case 7:
            if (!c.in.drop) return StandardPath(c, 2);
            return c.Empty() && c.Stock().empty();
        case 11:
            if (c.s == 12 && (c.t == 13 || c.t == 11)) return false;
            return StandardPath(c, 11);
        case 12: return true;
        case 14:
        case 15:
        case 16: return StepOrWrap(c, c.in.build_code - 12);
        case 20:
            if (c.Empty()) return c.s == 1;
            return c.Up() || c.AceOnKing();
        case 21:
            if (c.Empty()) return EmptyRuleAccepts(c);
            return !c.SameSuit() && StandardPath(c, 21);
        case 24:
            if ((c.s == 13 && c.t == 12) || (c.s == 12 && c.t == 13)) return false;
            // An empty pile goes by its empty rule whatever the suit.
            if (c.Empty()) return EmptyRuleAccepts(c);
            return c.SameSuit() && StandardPath(c, 24);
        case 25:
        case 61: {
            if (c.Empty()) return EmptyRuleAccepts(c);
            if (!c.SameSuit()) return false;
            if (c.in.direction == 1 ? c.Up(2) : c.Down(2)) return true;
            return c.in.build_code == 61 && ((c.t == 13 && c.s == 2) || (c.t == 12 && c.s == 1));
        }
        case 26: return !c.Empty() && PileCount(c.DestTableau()) < 3 && OneEitherWay(c);
        case 27:
            if (c.FromFoundation() || c.FromReserve()) return false;
            return StandardPath(c, 3);
        case 28:
        case 60:
            if (c.Empty()) return true;
            if (c.in.build_code == 60 && !c.SameSuit()) return false;
            return OneEitherWay(c);
        case 30: return FollowTableauDirection(c);
        case 31: return !c.Empty() && c.t != 1 && c.SameSuit() && c.Down();
        case 32: return !c.Empty() && c.t != 13 && c.SameSuit() && c.Up();
        case 34:
            if (c.Empty()) return EmptyRuleAccepts(c);
            return c.Down();
        case 35:
            if (c.Empty()) return EmptyRuleAccepts(c);
            return OneEitherWay(c) || c.KingOnAce() || c.AceOnKing();
        case 39:
            if (c.Empty()) return c.s == 1;
            return c.s != 12 && c.s != 13 && c.Up();
        case 43:
            if (c.Empty()) return EmptyRuleAccepts(c);
            return c.SameSuit() && c.Up(2);
        case 44:
            if (c.Empty()) return c.s == 1;
            return c.s != 13 && c.Up();
        case 73: return c.s == c.in.pile + 1;
        case 76:
            if (c.DestTableau().empty()) return true;
            return c.s < c.t;
        case 78:
            if (c.Empty()) return c.s == 1;
            if (c.t == 13) return c.s == 1;
            return c.SameSuit() && c.Up();
        case 86:
            if (c.Empty()) return c.s == 1;
            return c.Up() && FollowsSuitCycle(c);
        case 87:
            if (c.Empty()) return true;
            return c.Down() && FollowsSuitCycle(c);
        case 92: return c.s == 1;
        case 94:
            if (c.Empty()) {
                if (c.FromTableau()) return false;
                if (!c.FromWaste()) return true;
                for (int r = 0; r < ReservesInUse(c.e); ++r)
                    if (!c.Reserve(r).empty()) return false;
                return true;
            }
            return !c.SameColour() && c.s == NeighbourRank(c, -1);
        case 95:
            if (c.Empty()) return c.s == 1;
            return c.SameSuit() && c.s == NeighbourRank(c, +1);
        default: return false;
    }
}

}  // namespace velmora
