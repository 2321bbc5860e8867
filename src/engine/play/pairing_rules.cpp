#include "engine/play/pairing_rules.h"

#include <set>

#include "engine/model/card_code.h"
#include "engine/model/pile_string.h"
#include "engine/model/piles.h"
#include "engine/play/bands.h"
#include "engine/play/grid_rules.h"

namespace velmora {

namespace {

constexpr int kAce = 1;
constexpr int kTen = 10;
constexpr int kJack = 11;

int RankSum(const std::vector<int>& cards) {
    int sum = 0;
    for (int c : cards) sum += CardRank(c);
    return sum;
}

bool SameRank(const std::vector<int>& cards) {
    for (int c : cards)
        if (CardRank(c) != CardRank(cards.front())) return false;
    return true;
}

bool DistinctRanks(const std::vector<int>& cards) {
    std::set<int> ranks;
    for (int c : cards) ranks.insert(CardRank(c));
    return ranks.size() == cards.size();
}

SelectionVerdict Verdict(bool accepted, bool complete) { return {accepted, accepted && complete}; }

// Two cards of one rank.
SelectionVerdict Pairs(const std::vector<int>& cards) {
    return Verdict(cards.size() <= 2 && SameRank(cards), cards.size() == 2);
}

// Cards up to `highest` are number cards and add up; the ranks above it
// are court cards, each wanted once and never mixed with number cards.
// Complete with one or two number cards adding to `target`, or with all
// `courts` court ranks.
SelectionVerdict NumbersOrCourts(const std::vector<int>& cards, int highest, int target, int courts) {
    std::vector<int> numbers;
    std::vector<int> court;
    for (int c : cards) (CardRank(c) <= highest ? numbers : court).push_back(c);
    const int court_count = static_cast<int>(court.size());
    return Verdict((numbers.empty() || court.empty()) && DistinctRanks(court) && numbers.size() <= 2 &&
                       court_count <= courts,
                   (!numbers.empty() && RankSum(numbers) == target) || court_count == courts);
}

// At most four cards of distinct ranks: an Ace alone, or one court card
// with three cards of 2 to 10 adding to 18.
SelectionVerdict Eighteens(const std::vector<int>& cards) {
    int courts = 0;
    int others = 0;
    int others_sum = 0;
    bool ace = false;
    for (int c : cards) {
        const int r = CardRank(c);
        if (r >= kJack) {
            ++courts;
        } else {
            ++others;
            others_sum += r;
        }
        ace = ace || r == kAce;
    }
    const size_t n = cards.size();
    return Verdict(n <= 4 && courts <= 1 && others <= 3 && (!ace || n == 1) && DistinctRanks(cards),
                   (ace && n == 1) || (n == 4 && courts == 1 && others_sum == 18));
}

// Either number cards Ace to 9, or cards of one rank from 10 to King. Four
// of such a rank complete; number cards complete by adding to the target
// (15: any number of them; 10: exactly two).
SelectionVerdict NumbersOrFours(const std::vector<int>& cards, int target) {
    int numbers = 0;
    for (int c : cards) numbers += CardRank(c) < kTen ? 1 : 0;
    const bool all_numbers = numbers == static_cast<int>(cards.size());
    const bool one_high_rank = numbers == 0 && SameRank(cards);
    const int sum = RankSum(cards);
    return Verdict((all_numbers || one_high_rank) && (target != 10 || numbers <= 2),
                   (one_high_rank && cards.size() == 4) || (numbers > 0 && target == 15 && sum == 15) ||
                       (target == 10 && numbers == 2 && sum == 10));
}

// Number cards add to one sum and court cards to another; a court card
// needs a number card beside it, at most 13 in court values, and the two
// sums complete when they meet.
SelectionVerdict BalancedSums(const std::vector<int>& cards) {
    int numbers = 0;
    int number_sum = 0;
    int court_sum = 0;
    for (int c : cards) {
        const int r = CardRank(c);
        if (r <= kTen) {
            ++numbers;
            number_sum += r;
        } else {
            court_sum += r;
        }
    }
    return Verdict(cards.empty() || (numbers >= 1 && court_sum <= 13), number_sum > 0 && number_sum == court_sum);
}

// Two cards of one rank on tableaus whose indexes `placed` accepts.
template <typename Placed>
SelectionVerdict PairOnTableaus(const Engine& e, const std::vector<int>& cards, Placed placed) {
    if (cards.size() < 2) return Verdict(true, false);
    const auto a = PileHolding(e, cards[0]);
    const auto b = PileHolding(e, cards[1]);
    const bool where = a && b && a->list == ListId::Tableau && b->list == ListId::Tableau && placed(a->index, b->index);
    return Verdict(cards.size() == 2 && SameRank(cards) && where, true);
}

// Two cards of one rank on tableaus of one band, two piles apart.
SelectionVerdict BandPairs(const Engine& e, const std::vector<int>& cards) {
    return PairOnTableaus(e, cards, [](int a, int b) { return TwoApartInBand(a, b); });
}

// Two cards of one rank on cells of the grid of R[27] columns that touch,
// also corner to corner.
SelectionVerdict TouchingPairs(const Engine& e, const std::vector<int>& cards) {
    const int columns = e.R(27);
    return PairOnTableaus(e, cards, [columns](int a, int b) { return GridTouching(columns, a + 1, b + 1); });
}

// Court cards count ten.
SelectionVerdict TensOfValues(const std::vector<int>& cards) {
    int sum = 0;
    for (int c : cards) sum += CardRank(c) > kTen ? kTen : CardRank(c);
    return Verdict(true, cards.size() >= 2 && (sum == 10 || sum == 20 || sum == 30));
}

bool OnTableau(const Engine& e, PileRef pile) { return pile.list == ListId::Tableau && pile.index < TableauInUse(e); }

bool IsTopOf(const Engine& e, int card, PileRef pile) { return PileTop(e.piles.Text(pile.list, pile.index)) == card; }

}  // namespace

bool PairingNeverAccepts(int special) {
    switch (special) {
        case 21: case 22: case 23: case 25: case 45: case 48: return true;
        default: return false;
    }
}

bool PairingCardEligible(const Engine& e, int card, PileRef pile) {
    const bool tableau = OnTableau(e, pile);
    const bool face_up = !e.cards.IsFaceDown(card);
    switch (e.R(47)) {
        case 14: return tableau && IsTopOf(e, card, pile);
        case 16:
            return (tableau && IsTopOf(e, card, pile)) || (pile.list == ListId::Stock && pile.index == kWasteIndex);
        case 20: case 17: case 24: return tableau;
        case 26: case 47: case 50: return tableau && face_up;
        case 8: return false;
        default:
            if (PairingNeverAccepts(e.R(47))) return false;
            return tableau || (pile.list == ListId::Foundation && pile.index < FoundationsInUse(e));
    }
}

SelectionVerdict JudgePairing(const Engine& e, const std::vector<int>& selection) {
    const int target = e.R(38);
    switch (e.R(47)) {
        case 14: case 16: return Pairs(selection);
        case 20: return TensOfValues(selection);
        case 17: case 26: return NumbersOrCourts(selection, kTen, 11, 3);
        case 24: return NumbersOrCourts(selection, kTen - 1, 9, 4);
        case 18: return Eighteens(selection);
        case 1: return NumbersOrFours(selection, target);
        case 41: return BalancedSums(selection);
        case 47: return BandPairs(e, selection);
        case 50: return TouchingPairs(e, selection);
        case 7: return Verdict(selection.size() <= 2, RankSum(selection) == target);
        case 8: return Verdict(false, false);
        default:
            if (PairingNeverAccepts(e.R(47))) return Verdict(false, false);
            return Verdict(true, RankSum(selection) == target);
    }
}

}  // namespace velmora
