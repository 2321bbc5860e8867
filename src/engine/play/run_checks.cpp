#include "engine/play/run_checks.h"

#include <algorithm>

#include "engine/model/card_code.h"
#include "engine/model/piles.h"
#include "engine/model/pile_string.h"
#include "engine/play/move_description.h"
#include "engine/play/rule_interpreter.h"

namespace velmora {

namespace {

constexpr int kUnlimited = -1;

// The pile holding the card, when it is a tableau or reserve in use.
const std::string* RunPile(const Engine& e, int card) {
    const int loc = LocateCard(e, card);
    if (LocatorIsTableau(loc)) return &e.piles.tableau[static_cast<size_t>(TableauOfLocator(loc))];
    if (LocatorIsReserve(loc)) return &e.piles.reserves[static_cast<size_t>(ReserveOfLocator(loc))];
    return nullptr;
}

int CountEmpty(const std::string* first, int n) {
    return static_cast<int>(std::count_if(first, first + n, [](const std::string& p) { return p.empty(); }));
}

// Empty tableaus that take any card: only those can hold part of a run on
// its way.
int CountOpenSpaces(const Engine& e) {
    int spaces = 0;
    for (int t = 0; t < TableauInUse(e); ++t)
        if (e.piles.tableau[static_cast<size_t>(t)].empty() && e.R(128 + t) == -1) ++spaces;
    return spaces;
}

// The longest run that can be carried card by card through r free cells
// and s open spaces: (r + 1) doubled for every space.
int CarriedThroughSpaces(int reserves, int spaces) { return (reserves + 1) << std::min(spaces, 16); }

}  // namespace

std::vector<int> RunFrom(const Engine& e, int bottom) {
    if (bottom < 1) return {};
    if (const std::string* pile = RunPile(e, bottom)) {
        const std::vector<int> codes = PileCodes(*pile);
        const auto at = std::find(codes.begin(), codes.end(), bottom);
        return {at, codes.end()};
    }
    if (LocateCard(e, bottom) == kLocNowhere) return {};
    return {bottom};
}

bool IsValidRun(const Engine& e, int bottom, int tableau_index) {
    if (tableau_index < 0 || tableau_index >= kTableauPiles) return false;
    const int mode = e.R(2);
    if (mode != 1 && mode != 10) return true;
    const std::vector<int> run = RunFrom(e, bottom);
    MoveSpec move = DescribeMove(e, bottom);
    for (size_t k = 1; k < run.size(); ++k) {
        PlaceInputs in = TableauDropInputs(e, tableau_index, run[k]);
        in.target = run[k - 1];
        in.drop = false;
        if (mode == 10) in.build_code = 0;
        if (!CanPlaceCard(e, in, move)) return false;
    }
    return true;
}

int RunLengthLimit(const Engine& e, int bottom, bool empty_destination) {
    const int rule = e.R(12);
    if (rule >= 0) return rule;
    const int tableaus = CountEmpty(e.piles.tableau.data(), TableauInUse(e));
    const int reserves = CountEmpty(e.piles.reserves.data(), ReservesInUse(e));
    switch (rule) {
        case -1: return kUnlimited;
        case -12: return CardRank(bottom) == 13 ? kUnlimited : 1;
        case -13: {
            // One card, or a whole tableau pile from its bottom card.
            const int loc = LocateCard(e, bottom);
            if (LocatorIsTableau(loc) && PileCodeAt(e.piles.tableau[static_cast<size_t>(loc - 1)], 0) == bottom)
                return kUnlimited;
            return 1;
        }
        case -5:
            // The destination is one of the empty tableaus and cannot hold
            // cards on the way.
            if (empty_destination) return reserves + tableaus;
            return tableaus > 0 ? reserves + tableaus + 1 : reserves + 1;
        case -6: return tableaus > 0 ? reserves + tableaus : reserves + 1;
        case -20:
            // A destination that is itself a space holds no card on the way.
            return CarriedThroughSpaces(reserves, std::max(CountOpenSpaces(e) - (empty_destination ? 1 : 0), 0));
        default: return std::max(tableaus, 1);
    }
}

bool IsRunLengthAllowed(Engine& e, int bottom, bool empty_destination) {
    const std::vector<int> run = RunFrom(e, bottom);
    e.main_game.SetField(field::kRunTopCard, run.empty() ? bottom : run.back());
    const int limit = RunLengthLimit(e, bottom, empty_destination);
    const int cards = std::max(static_cast<int>(run.size()), 1);
    return limit == kUnlimited || cards <= limit;
}

}  // namespace velmora
