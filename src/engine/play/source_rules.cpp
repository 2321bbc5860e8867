// Build codes that depend on where the card comes from, on the stock and
// the waste, or on the deal counter.

#include "engine/model/piles.h"
#include "engine/play/rule_context.h"

namespace velmora {

namespace {

int RankOfOnlyCard(const std::string& pile) { return PileCount(pile) == 1 ? CardRank(PileCodeAt(pile, 0)) : -1; }

// 38, 48: onto the single card `rank` of the destination tableau, or that
// rank alone onto an empty pile; only while the waste is empty.
bool OntoLoneCard(const RuleCtx& c, int rank) {
    if (!c.Waste().empty()) return false;
    if (c.Empty()) return c.s == rank;
    if (RankOfOnlyCard(c.DestTableau()) != rank) return false;
    return rank == 13 ? c.s != 12 && c.s != 13 : c.s != 12;
}

bool DealCounterMatches(const RuleCtx& c) {
    const int counter = c.e.deal_counter;
    if (counter % 13 == c.s || (counter % 13 == 0 && c.s == 13)) return true;
    return PileCount(c.Stock()) + PileCount(c.Waste()) == 1;
}

// 79: a foundation holding twelve cards is finished only from the reserve
// with its own index, and reserve cards go nowhere else.
bool TwelfthFromOwnReserve(const RuleCtx& c) {
    if (c.Empty() ? c.s != c.R(48 + c.in.pile) : !(c.AceOnKing() || c.Up())) return false;
    const int held = PileCount(c.Dest());
    if (!c.FromReserve()) return held < 12;
    return held == 12 && ReserveOfLocator(c.move.source) == c.in.pile;
}

bool OneEitherWayWrapping(const RuleCtx& c) {
    return c.Up() || c.Down() || c.KingOnAce() || c.AceOnKing();
}

int AceHighRank(int card) { return CardRank(card) == 1 ? 14 : CardRank(card); }

// 99: a discard pile takes a tableau's top card while the top card of
// another tableau is of the same suit and higher, the Ace counting highest.
bool OutrankedInSuit(const RuleCtx& c) {
    const int from = TableauOfLocator(c.move.source);
    if (from < 0 || PileTop(c.Tableau(from)) != c.in.moving) return false;
    for (int t = 0; t < TableauInUse(c.e); ++t) {
        const int top = PileTop(c.Tableau(t));
        if (t == from || top < 1 || c.e.cards.IsFaceDown(top)) continue;
        if (CardSuit(top) == CardSuit(c.in.moving) && AceHighRank(top) > AceHighRank(c.in.moving)) return true;
    }
    return false;
}

}  // namespace

bool SourceCodeRule(const RuleCtx& c) {
    const int i = c.in.pile;
    switch (c.in.build_code) {
        case 17: return !c.FromTableau();
        case 18: return !c.FromTableau() || c.DestTableau().empty();
        case 19: return !c.FromTableau() && !c.FromReserve();
        case 33: return !c.FromTableau() && PileCount(c.DestTableau()) < 2;
        case 23: return c.Waste().empty() && !c.Empty() && c.SameSuit() && c.Up();
        case 38: return OntoLoneCard(c, 13);
        case 48: return OntoLoneCard(c, 12);
        case 40: return DealCounterMatches(c);
        case 45:
            if (!c.Waste().empty()) return false;
            if (c.Empty()) return c.s == 13;
            return c.s != 13 && (PileCount(c.DestTableau()) == 1 || c.Down());
        case 54: {
            if (!c.Empty()) return c.Down() || (c.KingOnAce() && c.R(212 + i) == 1);
            if (c.FromReserve() || c.FromTableau()) return false;
            const int wanted = c.R(128 + i);
            return wanted == -1 || c.s == wanted;
        }
        case 55: {
            if (!c.Empty()) return c.Up() && c.SameColour();
            const int wanted = c.R(128 + i);
            if (wanted != -1 && c.s != wanted) return false;
            const int waste_cards = PileCount(c.Waste());
            if (waste_cards > 1) return false;
            return waste_cards == 0 || PileTop(c.Waste()) == c.in.moving;
        }
        case 56: {
            if (c.Empty() || c.s != c.t) return false;
            const int from = TableauOfLocator(c.move.source);
            return from >= 0 && from >= i;
        }
        case 79: return TwelfthFromOwnReserve(c);
        case 99: return OutrankedInSuit(c);
        case 80:
            if (c.FromTableau()) return false;
            if (c.DestTableau().empty()) return true;
            return c.SameSuit() && OneEitherWayWrapping(c);
        case 81: {
            if (c.FromTableau()) return false;
            if (i < kReservePiles && c.Reserve(i).empty()) return true;
            return !c.Empty() && c.SameSuit() && OneEitherWayWrapping(c);
        }
        default: return false;
    }
}

}  // namespace velmora
