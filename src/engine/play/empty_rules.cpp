// What an empty pile accepts (its empty rule: a rank, -1 for any card, or a
// letter stored as its character code), and the four-suit check that keeps
// one suit per foundation of a group of four.

#include <array>

#include "engine/model/piles.h"
#include "engine/play/rule_context.h"

namespace velmora {

namespace {

// Empty rules are ranks, -1, -2 (a base fixed later by the deal) and letter
// codes; values beyond that range come only from corrupt data.
constexpr int kLowestRule = -2;
constexpr int kHighestRule = 127;

constexpr int kRuleQ = 'Q';  // Ace, colours balanced
constexpr int kRuleR = 'R';  // nothing
constexpr int kRuleS = 'S';  // nothing
constexpr int kRuleT = 'T';  // King, colours balanced, no suit twice
constexpr int kRuleU = 'U';  // Ace, colours balanced, no suit twice
constexpr int kRuleV = 'V';  // any card moved alone
constexpr int kRuleW = 'W';  // only from the stock or the waste
constexpr int kRuleX = 'X';  // anything not from a tableau
constexpr int kRuleZ = 'Z';  // 2, colours balanced, no suit twice
constexpr int kRuleSameRank = '\\';       // the rank every foundation started with
constexpr int kRuleSameRankReserve = ']'; // as '\\', the first one from a reserve
constexpr int kRuleReserveThenWaste = '`';

// The lettered foundation rules: the rank they start with, then the balance
// of colours (and for T, U and Z of suits) over the foundations sharing the
// letter.
bool LetterRule(const RuleCtx& c, int letter) {
    const int needed = letter == kRuleT ? 13 : letter == kRuleZ ? 2 : 1;
    if (c.s != needed) return false;
    const bool count_suits = letter != kRuleQ;

    int sharing = 0;
    int reds = CardIsRed(c.in.moving) ? 1 : 0;
    int blacks = 1 - reds;
    std::array<int, 4> suits{};
    if (const int suit = CardSuit(c.in.moving); suit >= 0) ++suits[static_cast<size_t>(suit)];
    for (int f = 0; f < FoundationsInUse(c.e); ++f) {
        if (c.R(48 + f) != letter) continue;
        ++sharing;
        const std::string& pile = c.Foundation(f);
        if (pile.empty()) continue;
        const int bottom = PileCodeAt(pile, 0);
        if (bottom < 1 || CardIsJoker(bottom)) continue;  // a joker has no colour
        ++(CardIsRed(bottom) ? reds : blacks);
        ++suits[static_cast<size_t>(CardSuit(bottom))];
    }
    const int most = sharing / 2;
    if (reds > most || blacks > most) return false;
    if (count_suits)
        for (int n : suits)
            if (n > 1) return false;
    return true;
}

// True when the moving rank matches the bottom card of every started
// foundation; `started` tells whether any foundation holds cards.
bool MatchesStartedFoundations(const RuleCtx& c, bool& started) {
    started = false;
    for (int f = 0; f < FoundationsInUse(c.e); ++f) {
        const std::string& pile = c.Foundation(f);
        if (pile.empty()) continue;
        started = true;
        if (CardRank(PileCodeAt(pile, 0)) != c.s) return false;
    }
    return true;
}

bool AnyReserveHoldsCards(const Engine& e) {
    for (int r = 0; r < ReservesInUse(e); ++r)
        if (!e.piles.reserves[static_cast<size_t>(r)].empty()) return true;
    return false;
}

bool RankOrAnyCard(const RuleCtx& c, int v) { return c.s == v || c.in.base_rank == -1; }

// The suit a foundation shows: that of its top card that is not a joker;
// -1 for an empty foundation or one of jokers only.
int ShownSuit(const std::string& pile) {
    for (int i = PileCount(pile) - 1; i >= 0; --i) {
        const int code = PileCodeAt(pile, i);
        if (code >= 1 && !CardIsJoker(code)) return CardSuit(code);
    }
    return -1;
}

}  // namespace

bool EmptyRuleAccepts(const RuleCtx& c) {
    const int v = c.in.empty_rule;
    if (v < kLowestRule || v > kHighestRule) return false;
    if (v == -1) return true;
    if (v >= 1 && v <= 13) return RankOrAnyCard(c, v);
    switch (v) {
        case kRuleQ:
        case kRuleT:
        case kRuleU:
        case kRuleZ: return LetterRule(c, v);
        case kRuleR:
        case kRuleS: return false;
        case kRuleV: return c.move.single;
        case kRuleW: return c.FromStock() || c.FromWaste();
        case kRuleX: return !c.FromTableau();
        case kRuleSameRank: {
            bool started = false;
            return MatchesStartedFoundations(c, started);
        }
        case kRuleSameRankReserve: {
            bool started = false;
            if (!MatchesStartedFoundations(c, started)) return false;
            return started || c.FromReserve();
        }
        case kRuleReserveThenWaste:
            return AnyReserveHoldsCards(c.e) ? c.FromReserve() : c.FromWaste();
        default: return RankOrAnyCard(c, v);
    }
}

bool FourSuitCheck(const Engine& e, int dest, int moving) {
    if (dest < 0 || dest >= kFoundationPiles) return false;
    const int first = dest <= 3 ? 0 : 4;
    std::array<int, 4> seen{};
    auto count = [&](int suit) {
        if (suit >= 0) ++seen[static_cast<size_t>(suit)];
    };
    int moving_suit = CardIsJoker(moving) ? -1 : CardSuit(moving);
    for (int f = first; f < first + 4; ++f) {
        const int shown = ShownSuit(e.piles.foundations[static_cast<size_t>(f)]);
        // In the first group the moving card takes the destination's place;
        // elsewhere it is one more suit beside the four.
        if (f == dest && dest <= 3) {
            count(moving_suit >= 0 ? moving_suit : shown);
            continue;
        }
        count(shown);
    }
    if (dest > 3) count(moving_suit);
    for (int n : seen)
        if (n > 1) return false;
    return true;
}

}  // namespace velmora
