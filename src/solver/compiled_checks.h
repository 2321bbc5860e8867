#pragma once
// Which cards the player may pick up and where they may be dropped, on a
// compiled position: the engine's pick-up rules, drop checks, run checks and
// empty-pile rules for the values a compiled rules row can hold.

#include <array>
#include <cstdint>

#include "solver/compiled_position.h"
#include "solver/compiled_rules.h"

namespace velmora::solver {

class CompiledChecks {
  public:
    CompiledChecks(const CompiledRules& rules, const CompiledPosition& p) : r_(rules), p_(p) {}

    // The card at place `at` of `pile` (with those above it) may be taken.
    bool CanPickUp(int pile, int at) const;
    // The lowest place of tableau pile `pile` from which the cards up to its
    // top make a run by the run rules: no card below it can be picked up
    // with those above it.
    int RunStart(int pile) const;
    // The card at place `at` of `from` (with those above it) may go onto `to`.
    bool CanDrop(int from, int at, int to) const;
    // Onto foundation pile `to`, the top card of `from`.
    bool CanDropHome(int from, int to) const;
    // Foundation pile `to` would take the card `code` now.
    bool HomeTakes(int code, int to) const;

  private:
    // The card goes without others: the top card, or a loose reserve card.
    bool Single(int from, int at) const {
        return at == p_.Count(from) - 1 || (r_.reserve_cards_loose && r_.IsReserve(from));
    }
    bool CanDropOnTableau(int from, int at, int to) const;
    bool CanDropOnReserve(int from, int at, int to) const;
    bool TableauAccepts(int target, int moving, int from) const;
    // `moving` goes on the card `target` by the suit filter and the ranks.
    bool Follows(int target, int moving, int filter) const;
    bool EmptyTableauAccepts(int moving, int from) const;
    // Foundation `f` of suits built in any order of ranks takes `moving`.
    bool RankSeenTakes(int moving, int f) const;
    bool RankDown(int t, int s) const;
    bool RankUp(int t, int s) const;
    bool ValidRun(int pile, int at) const;
    bool RunLengthAllowed(int pile, int at, bool empty_destination) const;

    // The empty tableau piles and reserves, counted once (as the run on top
    // of the last pile asked about): the checks live no longer than the
    // position stays as it is.
    void CountEmpty() const;
    int EmptyTableaus() const {
        if (empty_tableaus_ < 0) CountEmpty();
        return empty_tableaus_;
    }
    int EmptyReserves() const {
        if (empty_reserves_ < 0) CountEmpty();
        return empty_reserves_;
    }

    const CompiledRules& r_;
    const CompiledPosition& p_;
    mutable int empty_tableaus_ = -1;
    mutable int empty_reserves_ = -1;
    mutable int run_pile_ = -1;  // the pile whose run start is known (RunStart)
    mutable int run_start_ = 0;
};

// The cards some foundation would take now (the same answer as the
// foundations' drop checks), read from the foundations' tops once.
class HomeWants {
  public:
    HomeWants() = default;
    HomeWants(const CompiledRules& rules, const CompiledPosition& p);
    bool Has(int code) const { return (bits_[static_cast<size_t>(code / 64)] >> (code % 64) & 1) != 0; }

  private:
    // The cards foundation `f` takes next.
    void WantNext(const CompiledRules& rules, const CompiledPosition& p, int f);
    void WantRankSeen(const CompiledRules& rules, const CompiledPosition& p, int f);
    void Want(int suit, int rank);
    std::array<uint64_t, 2> bits_{};
};

// The ranks of each colour still in play, for safe automatic play, read from
// the foundations' tops: safe play only runs where the foundations go up in
// suit from the Ace, so the cards home of a suit are its lowest ranks.
class RanksInPlay {
  public:
    RanksInPlay() = default;
    RanksInPlay(const CompiledRules& rules, const CompiledPosition& p);
    // Automatic play may send the card of this code home (see SafeToSendHome).
    bool SafeHome(HomeRule rule, int code) const;

  private:
    // Card by card, for any number of foundations of a suit and cards of a rank.
    void CountHome(const CompiledRules& rules, const CompiledPosition& p);
    std::array<uint16_t, 2> ranks_{};  // red, black: bit r while a card of rank r is in play
};

}  // namespace velmora::solver
