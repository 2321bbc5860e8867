// Foundations with jokers (build codes 72 and 75): a joker stands for the
// card it replaces in the foundation's sequence, and the real card may still
// take its rank later. Under 75 a joker may also start a foundation.

#include "engine/model/piles.h"
#include "engine/play/rule_context.h"

namespace velmora {

namespace {

constexpr int kBaseFromFirstCard = -2;

int PreviousRank(int rank) { return rank <= 1 ? 13 : rank - 1; }

// The base rank X of foundation i; -2 until the first card fixes it.
int JokerBase(const Engine& e, int i) {
    const int x = e.R(48 + i);
    if (x != kBaseFromFirstCard) return x;
    for (int f = 0; f < FoundationsInUse(e); ++f) {
        const std::string& pile = e.piles.foundations[static_cast<size_t>(f)];
        if (pile.empty()) continue;
        const int bottom = PileCodeAt(pile, 0);
        if (!CardIsJoker(bottom)) return CardRank(bottom);
        // A joker at the bottom stands for the card below the one above it.
        const int above = PileCodeAt(pile, 1);
        if (above >= 1 && !CardIsJoker(above)) return PreviousRank(CardRank(above));
        return kBaseFromFirstCard;
    }
    return kBaseFromFirstCard;
}

struct JokerPile {
    const std::string& pile;
    int base;   // X, or -2 while unknown
    bool wraps; // King is followed by Ace unless the foundation starts at the Ace

    int Wrap(int rank) const { return wraps && rank > 13 ? rank - 13 : rank; }

    // The rank the card at position p stands for: its own, or for a joker
    // the rank counted from the nearest real card below it (or from X).
    // -1 when that is not known yet.
    int StandsFor(int p) const {
        for (int q = p; q >= 0; --q) {
            const int code = PileCodeAt(pile, q);
            if (!CardIsJoker(code)) return Wrap(CardRank(code) + (p - q));
        }
        return base == kBaseFromFirstCard ? -1 : Wrap(base + p);
    }

    // The nearest real card at or below position p, or -1.
    int RealCardAtOrBelow(int p) const {
        for (int q = p; q >= 0; --q)
            if (!CardIsJoker(PileCodeAt(pile, q))) return q;
        return -1;
    }
};

bool AcceptsCard(const RuleCtx& c, const JokerPile& j) {
    const int n = PileCount(j.pile);
    if (CardIsJoker(c.in.moving)) return n > 0 || c.in.build_code == 75;
    if (n == 0) return j.base == kBaseFromFirstCard || c.s == j.base;

    const int top = PileCodeAt(j.pile, n - 1);
    if (CardIsJoker(top)) {
        const int real = j.RealCardAtOrBelow(n - 1);
        if (real < 0) {
            // Only jokers so far: they stand for X, X + 1 ...
            if (j.base == kBaseFromFirstCard) return true;
            return c.s == j.Wrap(j.base + n - 1) || c.s == j.Wrap(j.base + n);
        }
        const int below = PileCodeAt(j.pile, real);
        if (c.Suit(below) != c.Suit(c.in.moving)) return false;
        const int jokers = n - 1 - real;
        const int r = CardRank(below);
        return c.s == j.Wrap(r + jokers + 1) || c.s == j.Wrap(r + jokers);
    }
    if (c.Suit(top) != c.Suit(c.in.moving)) return false;
    if (c.s == j.Wrap(CardRank(top) + 1)) return true;
    // The real card may take the place a joker holds for it.
    for (int p = 0; p < n; ++p)
        if (CardIsJoker(PileCodeAt(j.pile, p)) && j.StandsFor(p) == c.s) return true;
    return false;
}

}  // namespace

bool JokerFoundationRule(const RuleCtx& c) {
    if (!c.in.foundation) return false;
    const int base = JokerBase(c.e, c.in.pile);
    const JokerPile j{c.Foundation(c.in.pile), base, base != 1};
    if (!AcceptsCard(c, j)) return false;
    return c.R(303) != 4 || FourSuitCheck(c.e, c.in.pile, c.in.moving);
}

}  // namespace velmora
