#include "engine/play/safe_autoplay.h"

#include "engine/model/card_code.h"
#include "engine/model/pile_string.h"
#include "engine/model/piles.h"

namespace velmora {

namespace {

constexpr int kBuildInSuit = 0;
constexpr int kBuildAnySuit = 2;
constexpr int kBuildAlternateColours = 3;
constexpr int kBuildDown = 0;
constexpr int kBuildUp = 1;
constexpr int kAce = 1;

// Every foundation in use starts with the Ace and goes up in suit, so the
// cards home of a suit are its lowest ranks.
bool FoundationsUpInSuit(const Engine& e) {
    const int foundations = FoundationsInUse(e);
    if (foundations < 1) return false;
    for (int f = 0; f < foundations; ++f)
        if (e.R(48 + f) != kAce || e.R(64 + f) != kBuildUp || e.R(80 + f) != kBuildInSuit) return false;
    return true;
}

// The build code every tableau pile in use shares when they all build down
// without wrapping; -1 when they differ or there is nothing to go by.
int SharedTableauCode(const Engine& e) {
    const int tableaus = TableauInUse(e);
    // Special games that never take a card onto the tableau, and a tableau
    // capacity of 0, which refuses every drop.
    if (tableaus < 1 || e.R(47) == 32 || e.R(47) == 46 || e.R(32) == 0) return -1;
    const int code = e.R(184);
    for (int t = 0; t < tableaus; ++t)
        if (e.R(184 + t) != code || e.R(156 + t) != kBuildDown || e.R(212 + t) != 0) return -1;
    return code;
}

bool MayNeed(HomeRule rule, int code, int rank_below, bool red) {
    if (CardRank(code) != rank_below) return false;
    return rule == HomeRule::AnySuit || CardIsRed(code) != red;
}

bool PileHolds(std::string_view pile, HomeRule rule, int rank_below, bool red) {
    for (int i = 0; i < PileCount(pile); ++i)
        if (MayNeed(rule, PileCodeAt(pile, i), rank_below, red)) return true;
    return false;
}

}  // namespace

HomeRule AutoplayHomeRule(const Engine& e) {
    if (e.params.ParamRead(param::kSafeAutoplay, 1) == "N" || !FoundationsUpInSuit(e)) return HomeRule::Greedy;
    switch (SharedTableauCode(e)) {
        case kBuildAlternateColours: return HomeRule::AlternateColours;
        case kBuildAnySuit: return HomeRule::AnySuit;
        default: return HomeRule::Greedy;
    }
}

bool SafeToSendHome(const Engine& e, HomeRule rule, int card) {
    const int rank = CardRank(card);
    if (rule == HomeRule::Greedy || rank <= 2 || rank > 13) return true;
    const bool red = CardIsRed(card);
    // The second waste holds cards out of play.
    for (int s = 0; s < ListSize(ListId::Stock); ++s)
        if (s != kSecondWasteIndex && PileHolds(e.piles.stock_area[static_cast<size_t>(s)], rule, rank - 1, red))
            return false;
    for (ListId list : {ListId::Tableau, ListId::Reserve})
        for (int i = 0; i < ListSize(list); ++i)
            if (PileHolds(e.piles.Text(list, i), rule, rank - 1, red)) return false;
    return true;
}

}  // namespace velmora
