#include "solver/compiled_checks.h"

#include <algorithm>
#include <array>

namespace velmora::solver {

namespace {

constexpr int kUnlimited = -1;
constexpr int kEndReversal = 2;

}  // namespace

bool CompiledChecks::CanPickUp(int pile, int at) const {
    const bool top = at == p_.Count(pile) - 1;
    const uint8_t card = p_.At(pile, at);
    if (pile == kCompiledWaste) return top;
    if (r_.IsFoundation(pile))
        return top && (r_.foundation_pickup == 1 || (r_.foundation_pickup == 2 && p_.Count(pile) >= 2));
    if (r_.IsReserve(pile)) return (top || r_.reserve_cards_loose) && !IsDown(card);
    if (!r_.IsTableau(pile) || IsDown(card)) return false;
    if (!top && !ValidRun(pile, at)) return false;
    return RunLengthAllowed(pile, at, false);
}

void CompiledChecks::CountEmpty() const {
    empty_tableaus_ = 0;
    empty_reserves_ = 0;
    for (int t = 0; t < r_.tableaus; ++t) empty_tableaus_ += p_.Empty(r_.Tableau(t)) ? 1 : 0;
    for (int res = 0; res < r_.reserves; ++res) empty_reserves_ += p_.Empty(r_.Reserve(res)) ? 1 : 0;
}

int CompiledChecks::RunStart(int pile) const {
    if (pile == run_pile_) return run_start_;
    int at = p_.Count(pile) - 1;
    if (!r_.runs_must_fit || at <= 0) at = 0;
    while (at > 0 && Follows(CodeOf(p_.At(pile, at - 1)), CodeOf(p_.At(pile, at)), r_.run_filter)) --at;
    run_pile_ = pile;
    run_start_ = at;
    return at;
}

bool CompiledChecks::CanDrop(int from, int at, int to) const {
    if (r_.IsFoundation(to)) return Single(from, at) && from != to && HomeTakes(CodeOf(p_.At(from, at)), to);
    if (r_.IsTableau(to)) return CanDropOnTableau(from, at, to);
    if (r_.IsReserve(to)) return CanDropOnReserve(from, at, to);
    return false;
}

namespace {

// Every started foundation began with this rank (any rank while none has).
bool StartedHomesBeganWith(const CompiledRules& rules, const CompiledPosition& p, int rank) {
    for (int f = 0; f < rules.foundations; ++f) {
        const int pile = rules.Foundation(f);
        if (!p.Empty(pile) && RankOf(CodeOf(p.At(pile, 0))) != rank) return false;
    }
    return true;
}

// Some foundation holds a card of this suit (each holds one suit only).
bool SuitBegun(const CompiledRules& rules, const CompiledPosition& p, int suit) {
    for (int f = 0; f < rules.foundations; ++f)
        if (!p.Empty(rules.Foundation(f)) && SuitOf(p.Top(rules.Foundation(f))) == suit) return true;
    return false;
}

// The rank `step` above `rank`: by one the King is followed by the Ace
// unless the foundation began with the Ace; by more the count goes round,
// 0 standing for no rank.
std::array<int, 2> NextRanks(int rank, int step, int base) {
    if (step > 1) return {rank + step <= 13 ? rank + step : 0, (rank + step) % 13};
    if (rank == 13) return {base != 1 ? 1 : 0, 0};
    return {rank + 1, 0};
}

}  // namespace

HomeWants::HomeWants(const CompiledRules& rules, const CompiledPosition& p) {
    if (rules.suit_run_homes) return;
    for (int f = 0; f < rules.foundations; ++f) {
        const int pile = rules.Foundation(f);
        if (p.Count(pile) >= rules.foundation_capacity) continue;
        if (rules.rank_seen_homes) WantRankSeen(rules, p, f);
        else WantNext(rules, p, f);
    }
}

void HomeWants::WantNext(const CompiledRules& rules, const CompiledPosition& p, int f) {
    const int pile = rules.Foundation(f);
    const size_t i = static_cast<size_t>(f);
    const int base = rules.foundation_base[i];
    if (rules.foundation_step[i] == 0) return;
    if (p.Empty(pile)) {
        for (int rank = 1; rank <= 13; ++rank)
            if (base == kBaseOfStartedHomes ? StartedHomesBeganWith(rules, p, rank) : rank == base)
                for (int suit = 0; suit < 4; ++suit) Want(suit, rank);
        return;
    }
    const int top = p.Top(pile);
    const bool in_suit = !rules.foundation_any_suit[i] && !rules.foundation_alternate[i];
    for (int rank : NextRanks(RankOf(top), rules.foundation_step[i], base)) {
        if (rank == 0) continue;
        if (in_suit) {
            Want(SuitOf(top), rank);
            continue;
        }
        // Any suit, or the other colour's.
        for (int suit = 0; suit < 4; ++suit)
            if (rules.foundation_any_suit[i] || (suit < 2) != rules.Red(top)) Want(suit, rank);
    }
}

void HomeWants::WantRankSeen(const CompiledRules& rules, const CompiledPosition& p, int f) {
    const int pile = rules.Foundation(f);
    if (p.Empty(pile)) {
        for (int suit = 0; suit < 4; ++suit)
            if (!SuitBegun(rules, p, suit)) Want(suit, rules.foundation_base[static_cast<size_t>(f)]);
        return;
    }
    const int suit = SuitOf(p.Top(pile));
    if (f == 0) {
        for (int rank = 1; rank <= 13; ++rank) Want(suit, rank);
        return;
    }
    const int before = rules.Foundation(f - 1);
    for (int at = 0; at < p.Count(before); ++at) Want(suit, RankOf(CodeOf(p.At(before, at))));
}

// Both decks' card of that suit and rank.
void HomeWants::Want(int suit, int rank) {
    for (int deck = 0; deck < 2; ++deck) {
        const int code = deck * 52 + suit * 13 + rank;
        bits_[static_cast<size_t>(code / 64)] |= uint64_t{1} << (code % 64);
    }
}

RanksInPlay::RanksInPlay(const CompiledRules& rules, const CompiledPosition& p) {
    if (rules.cards_thrice) {
        CountHome(rules, p);
        return;
    }
    // The cards home of a suit are its lowest ranks, on at most two
    // foundations: a rank is out while fewer foundations reached it than
    // the game has cards of it.
    std::array<int, 4> high{};
    std::array<int, 4> low{};
    for (int f = 0; f < rules.foundations; ++f) {
        const int pile = rules.Foundation(f);
        if (p.Empty(pile)) continue;
        const int top = p.Top(pile);
        const auto suit = static_cast<size_t>(SuitOf(top));
        const int rank = RankOf(top);
        if (high[suit] != 0 && low[suit] != 0) {
            CountHome(rules, p);
            return;
        }
        if (rank > high[suit]) {
            low[suit] = high[suit];
            high[suit] = rank;
        } else {
            low[suit] = rank;
        }
    }
    for (size_t suit = 0; suit < 4; ++suit) {
        const auto up_to = [](int rank) { return static_cast<uint16_t>((2U << rank) - 1); };
        const uint16_t none_home = rules.ranks_once[suit] & static_cast<uint16_t>(~up_to(high[suit]));
        const uint16_t one_home = rules.ranks_twice[suit] & up_to(high[suit]) & static_cast<uint16_t>(~up_to(low[suit]));
        ranks_[suit / 2] |= none_home | one_home;
    }
}

void RanksInPlay::CountHome(const CompiledRules& rules, const CompiledPosition& p) {
    ranks_ = {};
    std::array<std::array<uint8_t, 14>, 4> home{};
    for (int f = 0; f < rules.foundations; ++f) {
        const int pile = rules.Foundation(f);
        if (p.Empty(pile)) continue;
        const int top = p.Top(pile);
        auto& suit = home[static_cast<size_t>(SuitOf(top))];
        for (int rank = 1; rank <= RankOf(top); ++rank) ++suit[static_cast<size_t>(rank)];
    }
    for (size_t suit = 0; suit < 4; ++suit)
        for (size_t rank = 1; rank <= 13; ++rank)
            if (home[suit][rank] < rules.cards_in_game[suit][rank]) ranks_[suit / 2] |= static_cast<uint16_t>(1U << rank);
}

bool RanksInPlay::SafeHome(HomeRule rule, int code) const {
    const int rank = RankOf(code);
    if (rule == HomeRule::Greedy || rank <= 2) return true;
    const uint16_t others = rule == HomeRule::AnySuit ? ranks_[0] | ranks_[1] : ranks_[IsRed(code) ? 1 : 0];
    return (others >> (rank - 1) & 1U) == 0;
}

bool CompiledChecks::CanDropHome(int from, int to) const { return from != to && HomeTakes(p_.Top(from), to); }

bool CompiledChecks::HomeTakes(int moving, int to) const {
    if (r_.suit_run_homes || p_.Count(to) >= r_.foundation_capacity) return false;
    const int f = to - r_.Foundation(0);
    if (r_.rank_seen_homes) return RankSeenTakes(moving, f);
    const size_t i = static_cast<size_t>(f);
    const int step = r_.foundation_step[i];
    const int base = r_.foundation_base[i];
    const int s = RankOf(moving);
    if (step == 0) return false;
    if (p_.Empty(to)) return base == kBaseOfStartedHomes ? StartedHomesBeganWith(r_, p_, s) : s == base;
    const int target = p_.Top(to);
    if (r_.foundation_alternate[i]) {
        if (r_.Red(target) == r_.Red(moving)) return false;
    } else if (!r_.foundation_any_suit[i] && SuitOf(target) != SuitOf(moving)) {
        return false;
    }
    const std::array<int, 2> next = NextRanks(RankOf(target), step, base);
    return s == next[0] || s == next[1];
}

bool CompiledChecks::RankSeenTakes(int moving, int f) const {
    const int pile = r_.Foundation(f);
    if (p_.Empty(pile))
        return RankOf(moving) == r_.foundation_base[static_cast<size_t>(f)] && !SuitBegun(r_, p_, SuitOf(moving));
    if (SuitOf(p_.Top(pile)) != SuitOf(moving)) return false;
    if (f == 0) return true;
    const int before = r_.Foundation(f - 1);
    for (int at = 0; at < p_.Count(before); ++at)
        if (RankOf(CodeOf(p_.At(before, at))) == RankOf(moving)) return true;
    return false;
}

bool CompiledChecks::CanDropOnTableau(int from, int at, int to) const {
    if (from == to) return false;  // back onto its own pile
    const bool empty = p_.Empty(to);
    if (!empty && p_.TopDown(to)) return false;
    const int moving = CodeOf(p_.At(from, at));
    if (!TableauAccepts(empty ? -1 : p_.Top(to), moving, from)) return false;
    if (Single(from, at)) return true;
    if (r_.runs_must_fit && !ValidRun(from, at)) return false;
    return !(empty && (r_.run_limit == -5 || r_.run_limit == -20) && !RunLengthAllowed(from, at, true));
}

bool CompiledChecks::CanDropOnReserve(int from, int at, int to) const {
    if (from == to || r_.reserve_closed[static_cast<size_t>(to - r_.Reserve(0))]) return false;
    return Single(from, at) && p_.Empty(to);
}

bool CompiledChecks::TableauAccepts(int target, int moving, int from) const {
    switch (r_.tableau_filter) {
        case kTableauTakesNothing: return false;
        case kTableauSpacesOnly: return target < 1 && EmptyTableauAccepts(moving, from);
        case kTableauFromWaste: return from == kCompiledWaste || r_.IsFoundation(from);
        default: break;
    }
    return target < 1 ? EmptyTableauAccepts(moving, from) : Follows(target, moving, r_.tableau_filter);
}

bool CompiledChecks::Follows(int target, int moving, int filter) const {
    switch (filter) {
        case 0:
            if (r_.Suit(target) != r_.Suit(moving)) return false;
            break;
        case 1:
            if (r_.Red(target) != r_.Red(moving)) return false;
            break;
        case 3:
            if (r_.Red(target) == r_.Red(moving)) return false;
            break;
        case 21:
            if (r_.Suit(target) == r_.Suit(moving)) return false;
            break;
        default: break;
    }
    const int t = RankOf(target);
    const int s = RankOf(moving);
    switch (r_.tableau_direction) {
        case 0: return RankDown(t, s);
        case 1: return RankUp(t, s);
        default: return RankUp(t, s) || RankDown(t, s);
    }
}

bool CompiledChecks::EmptyTableauAccepts(int moving, int from) const {
    const int rule = r_.tableau_empty;
    if (rule == -1) return true;
    if (rule == kEmptyNothing) return false;
    if (rule == kEmptyFromWaste) return from == kCompiledWaste;
    if (rule == kEmptyFromReserveThenWaste) {
        for (int res = 0; res < r_.reserves; ++res)
            if (!p_.Empty(r_.Reserve(res))) return r_.IsReserve(from);
        return from == kCompiledWaste;
    }
    return RankOf(moving) == rule || r_.tableau_base == -1;
}

bool CompiledChecks::RankDown(int t, int s) const {
    if (r_.tableau_wrap == kEndReversal) return (t == 1 && s == 2) || (t == 13 && s == 12) || s == t - 1;
    if (r_.tableau_wrap <= 0) {
        if (t == r_.tableau_base) return false;
        if (t == 1 && r_.tableau_base >= 81 && r_.tableau_base <= 83) return false;
    }
    if (t == 1) return s == 13;
    return s == t - 1;
}

bool CompiledChecks::RankUp(int t, int s) const {
    if (r_.tableau_wrap == kEndReversal) return (t == 1 && s == 2) || (t == 13 && s == 12) || s == t + 1;
    if (t == r_.tableau_base && r_.tableau_wrap <= 0) return false;
    if (t == 13) return s == 1;
    return s == t + 1;
}

// The cards from `at` up make a run exactly when `at` lies in the run on top.
bool CompiledChecks::ValidRun(int pile, int at) const { return !r_.runs_must_fit || at >= RunStart(pile); }

bool CompiledChecks::RunLengthAllowed(int pile, int at, bool empty_destination) const {
    const bool run_pile = r_.IsTableau(pile) || r_.IsReserve(pile);
    const int cards = run_pile ? p_.Count(pile) - at : 1;
    const int rule = r_.run_limit;
    int limit = rule;
    if (rule < 0) {
        const int tableaus = EmptyTableaus();
        const int reserves = EmptyReserves();
        switch (rule) {
            case -1: limit = kUnlimited; break;
            case -12: limit = RankOf(CodeOf(p_.At(pile, at))) == 13 ? kUnlimited : 1; break;
            case -13: limit = r_.IsTableau(pile) && at == 0 ? kUnlimited : 1; break;
            case -5:
                if (empty_destination) limit = reserves + tableaus;
                else limit = tableaus > 0 ? reserves + tableaus + 1 : reserves + 1;
                break;
            case -6: limit = tableaus > 0 ? reserves + tableaus : reserves + 1; break;
            case -20: {
                // Spaces that take any card carry the run, doubling it each.
                const int open = r_.tableau_empty == -1 ? tableaus : 0;
                limit = (reserves + 1) << std::min(std::max(open - (empty_destination ? 1 : 0), 0), 16);
                break;
            }
            default: limit = std::max(tableaus, 1); break;
        }
    }
    return limit == kUnlimited || std::max(cards, 1) <= limit;
}

}  // namespace velmora::solver
