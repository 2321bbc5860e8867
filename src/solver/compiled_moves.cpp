#include "solver/compiled_moves.h"

#include <algorithm>
#include <array>
#include <tuple>

#include "engine/model/pile_names.h"
#include "solver/compiled_checks.h"
#include "solver/compiled_play.h"

namespace velmora::solver {

namespace {

struct Drag {
    int from;
    int at;
    int code;
    int to;
};

// Every drag the pick-up and drop rules allow, ordered as the engine lists
// them: by source pile, card, then destination pile; none onto the piles
// `left_out` marks.
std::vector<Drag> ListDrags(const CompiledRules& rules, const CompiledPosition& p, const PileMarks& left_out) {
    const CompiledChecks checks(rules, p);
    std::vector<Drag> drags;
    for (int from = kCompiledWaste; from < rules.Piles(); ++from) {
        // Below the run on top of a tableau pile nothing can be picked up.
        const int lowest = rules.IsTableau(from) ? checks.RunStart(from) : 0;
        for (int at = lowest; at < p.Count(from); ++at) {
            if (!checks.CanPickUp(from, at)) continue;
            for (int to = rules.Foundation(0); to < rules.Piles(); ++to)
                if (!left_out[static_cast<size_t>(to)] && checks.CanDrop(from, at, to))
                    drags.push_back({from, at, CodeOf(p.At(from, at)), to});
        }
    }
    std::sort(drags.begin(), drags.end(), [](const Drag& a, const Drag& b) {
        return std::tie(a.from, a.code, a.to) < std::tie(b.from, b.code, b.to);
    });
    return drags;
}

// Keeps the first move to each position the moves lead to.
class Collector {
  public:
    Collector(const CompiledRules& rules, const CompiledPosition& parent, const MoveVisitor& visit)
        : rules_(rules), visit_(visit), parent_(rules, parent) {
        seen_.push_back(parent.ExactHash(rules));
    }
    void Offer(const CompiledPosition& after, const CompiledMove& move) {
        uint64_t exact = 0;
        uint64_t key = 0;
        after.Hashes(rules_, exact, key, &parent_);
        if (std::find(seen_.begin(), seen_.end(), exact) != seen_.end()) return;
        seen_.push_back(exact);
        visit_(move, after, key);
    }

  private:
    const CompiledRules& rules_;
    const MoveVisitor& visit_;
    const PileHashes parent_;
    std::vector<uint64_t> seen_;
};

void TryMove(const CompiledRules& rules, const CompiledPosition& p, const CompiledMove& move, HomeFacts& facts, Collector& out) {
    CompiledPosition tried = p;
    if (PlayCompiledMove(rules, tried, move, &facts)) out.Offer(tried, move);
}

uint8_t Byte(int n) { return static_cast<uint8_t>(n); }

bool Listed(const std::vector<Drag>& drags, int from, int at, int to) {
    return std::any_of(drags.begin(), drags.end(),
                       [&](const Drag& d) { return d.from == from && d.at == at && d.to == to; });
}

}  // namespace

bool PlayCompiledMove(const CompiledRules& rules, CompiledPosition& p, const CompiledMove& move, HomeFacts* before) {
    if (p.over) return false;
    CompiledPlay play(rules, p, before);
    switch (move.kind) {
        case Input::Kind::Drop: {
            int from = 0;
            int at = 0;
            if (!p.Find(move.card, from, at)) return false;
            play.Move(from, at, move.pile);
            break;
        }
        case Input::Kind::Click:
            if (!play.DoubleClick(move.pile)) return false;
            break;
        case Input::Kind::Press:
            if (move.pile == kCompiledStock) {
                if (!play.PressStock()) return false;
            } else {
                // A press on a face-down top card turns it up.
                if (!rules.IsTableau(move.pile) || !p.TopDown(move.pile)) return false;
                p.TurnUp(move.pile, p.Count(move.pile) - 1);
            }
            break;
    }
    play.AfterRelease();
    return true;
}

PileMarks EmptyAlikeRepeats(const CompiledRules& rules, const CompiledPosition& p) {
    PileMarks repeats{};
    PileMarks group_has_empty{};
    for (int pile = rules.Foundation(0); pile < rules.Piles(); ++pile) {
        if (!p.Empty(pile)) continue;
        const auto group = static_cast<size_t>(rules.AlikeGroupStart(pile, p.passes));
        repeats[static_cast<size_t>(pile)] = group_has_empty[group];
        group_has_empty[group] = true;
    }
    return repeats;
}

void VisitCompiledMoves(const CompiledRules& rules, const CompiledPosition& p, const MoveVisitor& visit, bool alike_once,
                        HomeFacts* given) {
    if (p.over) return;
    Collector out(rules, p, visit);
    HomeFacts own(rules, p);
    HomeFacts& facts = given != nullptr ? *given : own;
    const PileMarks left_out = alike_once ? EmptyAlikeRepeats(rules, p) : PileMarks{};
    const std::vector<Drag> drags = ListDrags(rules, p, left_out);
    for (const Drag& drag : drags) TryMove(rules, p, {Input::Kind::Drop, Byte(drag.code), Byte(drag.to)}, facts, out);
    if (rules.stock_pressable) TryMove(rules, p, {Input::Kind::Press, Byte(p.Top(kCompiledStock)), kCompiledStock}, facts, out);
    for (int t = 0; t < rules.tableaus; ++t) {
        const int pile = rules.Tableau(t);
        if (p.TopDown(pile)) TryMove(rules, p, {Input::Kind::Press, Byte(p.Top(pile)), Byte(pile)}, facts, out);
    }
    if (rules.click_to_foundations) {
        // A click that makes a drag already tried leads where the drag led.
        CompiledPosition unmoved = p;
        CompiledPlay clicks(rules, unmoved, &facts);
        for (int pile = kCompiledWaste; pile < rules.Piles(); ++pile) {
            const int to = clicks.ClickTarget(pile);
            if (to < 0 || Listed(drags, pile, p.Count(pile) - 1, to)) continue;
            TryMove(rules, p, {Input::Kind::Click, Byte(p.Top(pile)), Byte(pile)}, facts, out);
        }
    }
}

std::vector<CompiledChild> CompiledChildren(const CompiledRules& rules, const CompiledPosition& p) {
    std::vector<CompiledChild> children;
    VisitCompiledMoves(rules, p, [&](const CompiledMove& move, const CompiledPosition& after, uint64_t key) {
        children.push_back({move, key, CompiledScore(rules, after), after.over});
    });
    SortBestFirst(children);
    return children;
}

Input InputOf(const CompiledRules& rules, const CompiledMove& move) {
    return {move.kind, move.card, PileName(EnginePile(rules, move.pile))};
}

namespace {

PileScores::Counts CountPile(const CompiledRules& rules, const CompiledPosition& p, int pile) {
    PileScores::Counts counts;
    int lowest = 1000;
    uint8_t below = kFaceDownBit;
    for (int at = 0; at < p.Count(pile); ++at) {
        const uint8_t card = p.At(pile, at);
        const int code = CodeOf(card);
        if (IsDown(card)) ++counts.down;
        const int rank = RankOf(code);
        if (rank > lowest) ++counts.blocking;
        lowest = std::min(lowest, rank);
        int& suit_lowest = counts.lowest[static_cast<size_t>(SuitOf(code))];
        suit_lowest = std::min(suit_lowest, rank);
        if (!IsDown(card) && !IsDown(below) && RankOf(CodeOf(below)) == rank + 1 &&
            rules.Suit(CodeOf(below)) == rules.Suit(code))
            ++counts.in_suit;
        below = card;
    }
    return counts;
}

// How many cards of the pile lie above the cards the foundations want soon:
// those at most one rank above the lowest card of their suit still out.
// Loose reserve cards are never covered.
int BuriedIn(const CompiledRules& rules, const CompiledPosition& p, int pile, const std::array<int, 4>& lowest) {
    if (rules.reserve_cards_loose && rules.IsReserve(pile)) return 0;
    const int n = p.Count(pile);
    int depth = 0;
    for (int at = 0; at < n; ++at) {
        const int code = CodeOf(p.At(pile, at));
        if (RankOf(code) <= lowest[static_cast<size_t>(SuitOf(code))] + 1) depth += n - 1 - at;
    }
    return depth;
}

void TakeLowest(std::array<int, 4>& lowest, const std::array<int, 4>& more) {
    for (size_t suit = 0; suit < 4; ++suit) lowest[suit] = std::min(lowest[suit], more[suit]);
}

}  // namespace

PileScores::PileScores(const CompiledRules& rules, const CompiledPosition& p) : position_(p) {
    lowest_.fill(99);
    for (int pile = rules.Tableau(0); pile < rules.Piles(); ++pile) {
        counts_[static_cast<size_t>(pile)] = CountPile(rules, p, pile);
        TakeLowest(lowest_, counts_[static_cast<size_t>(pile)].lowest);
    }
    for (int pile = rules.Tableau(0); pile < rules.Piles(); ++pile)
        buried_[static_cast<size_t>(pile)] = BuriedIn(rules, p, pile, lowest_);
}

// The interpreter model's score (cards home, face-down cards, cards above
// lower ones, empty piles), with empty piles worth more and a penalty for
// the cards that cover those the foundations want next: a better order for
// the search, which is all the score steers.
int CompiledScore(const CompiledRules& rules, const CompiledPosition& p, const ScoreWeights& weights,
                  const PileScores* near) {
    int home = 0;
    for (int f = 0; f < rules.foundations; ++f) home += p.Count(rules.Foundation(f));
    PileMarks same{};
    std::array<PileScores::Counts, kMaxCompiledPiles> counts;
    std::array<int, 4> lowest{99, 99, 99, 99};
    int down = 0;
    int blocking = 0;
    int in_suit = 0;
    int empty = 0;
    for (int pile = rules.Tableau(0); pile < rules.Piles(); ++pile) {
        const auto i = static_cast<size_t>(pile);
        same[i] = near != nullptr && p.SamePile(near->position_, pile);
        counts[i] = same[i] ? near->counts_[i] : CountPile(rules, p, pile);
        TakeLowest(lowest, counts[i].lowest);
        if (p.Empty(pile)) ++empty;
        if (!rules.IsTableau(pile)) continue;
        down += counts[i].down;
        blocking += counts[i].blocking;
        in_suit += counts[i].in_suit;
    }
    int buried = 0;
    if (weights.buried != 0) {
        const bool same_lowest = near != nullptr && lowest == near->lowest_;
        for (int pile = rules.Tableau(0); pile < rules.Piles(); ++pile) {
            const auto i = static_cast<size_t>(pile);
            buried += same[i] && same_lowest ? near->buried_[i] : BuriedIn(rules, p, pile, lowest);
        }
    }
    return home * weights.home - down * weights.down - blocking * weights.blocking + empty * weights.empty -
           buried * weights.buried + in_suit * weights.in_suit;
}

}  // namespace velmora::solver
