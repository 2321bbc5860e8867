#include "engine/play/win_condition.h"

#include <functional>
#include <string>

#include "engine/model/card_code.h"
#include "engine/model/pile_string.h"
#include "engine/model/piles.h"
#include "engine/play/scoring.h"

namespace velmora {

namespace {

const std::string& Tableau(const Engine& e, int t) { return e.piles.tableau[static_cast<size_t>(t)]; }

bool EveryTableau(const Engine& e, const std::function<bool(const std::string&)>& test) {
    for (int t = 0; t < TableauInUse(e); ++t)
        if (!test(Tableau(e, t))) return false;
    return true;
}

int TableausHoldingCards(const Engine& e) {
    int n = 0;
    for (int t = 0; t < TableauInUse(e); ++t) n += Tableau(e, t).empty() ? 0 : 1;
    return n;
}

bool OnlySlots(const std::string& pile) {
    for (int code : PileCodes(pile))
        if (code != kNoCard) return false;
    return true;
}

bool StockEmpty(const Engine& e) { return e.piles.stock_area[kStockIndex].empty(); }

// Stock, waste, every tableau and every reserve empty; with `slots_count_empty`
// a tableau of nothing but empty slots counts as empty.
bool TableCleared(const Engine& e, bool slots_count_empty) {
    if (!StockEmpty(e) || !e.piles.stock_area[kWasteIndex].empty()) return false;
    for (int r = 0; r < ReservesInUse(e); ++r)
        if (!e.piles.reserves[static_cast<size_t>(r)].empty()) return false;
    return EveryTableau(e, [&](const std::string& pile) { return pile.empty() || (slots_count_empty && OnlySlots(pile)); });
}

bool ReachedTarget(const Engine& e) {
    // Without a target score (R[46] = 0) these games are not won by the score.
    return e.R(46) != 0 && ComputeScore(e) >= e.R(46);
}

bool LaterFoundationsEmpty(const Engine& e) {
    for (int f = 1; f < FoundationsInUse(e); ++f)
        if (!e.piles.foundations[static_cast<size_t>(f)].empty()) return false;
    return true;
}

bool FullRowsOfFour(const Engine& e) {
    for (int t = 0; t < 24; ++t)
        if (PileCount(Tableau(e, t)) != 4) return false;
    return true;
}

}  // namespace

bool IsNineDownToAce(std::string_view pile) {
    if (PileCount(pile) != 9) return false;
    for (int i = 0; i < 9; ++i)
        if (CardRank(PileCodeAt(pile, i)) != 9 - i) return false;
    return true;
}

bool IsGameWon(const Engine& e) {
    switch (e.R(47)) {
        case 4: return TableCleared(e, true);
        case 9: return EveryTableau(e, [](const std::string& pile) { return !pile.empty(); });
        case 21:
        case 22: return StockEmpty(e) && PileCount(Tableau(e, 0)) <= 4;
        case 27: return EveryTableau(e, [](const std::string& pile) { return PileCount(pile) == 1; });
        case 31:
            return StockEmpty(e) && EveryTableau(e, [](const std::string& pile) {
                       return PileCount(pile) == 1 && CardRank(PileTop(pile)) == 1;
                   });
        case 32:
        case 44:
        case 46:
        case 48: return false;
        case 34:
        case 35:
        case 36:
        case 37:
        case 39:
        case 40:
        case 42:
        case 47: return ReachedTarget(e);
        case 41: return LaterFoundationsEmpty(e);
        case 43: return !EveryTableau(e, [](const std::string& pile) { return !IsNineDownToAce(pile); });
        case 45: return TableausHoldingCards(e) == 4;
        case 49: return FullRowsOfFour(e);
        case 51: return EveryTableau(e, OnlySlots);
        default: return TableCleared(e, false);
    }
}

}  // namespace velmora
