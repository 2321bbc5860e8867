#include "engine/deal/ace_search.h"

#include <functional>

#include "engine/model/card_code.h"
#include "engine/model/card_table.h"
#include "engine/model/pile_string.h"
#include "engine/model/piles.h"

namespace velmora {

namespace {

// Visits the card at position p of tableau pile t; true when the card left
// the position, so that the same position (now the next card) is visited
// again.
using Visit = std::function<bool(int t, int p)>;

// The visit order: pile by pile (each pile from its bottom) or position by
// position (each position across the piles in use). Piles only shrink or
// keep their length during the search, so the longest pile bounds it.
void VisitTableau(const Engine& e, bool pile_by_pile, const Visit& visit) {
    const int piles = TableauInUse(e);
    const int longest = LongestTableau(e);
    if (pile_by_pile) {
        for (int t = 0; t < piles; ++t)
            for (int p = 0; p < longest; ++p)
                while (visit(t, p)) {}
        return;
    }
    for (int p = 0; p < longest; ++p)
        for (int t = 0; t < piles; ++t)
            while (visit(t, p)) {}
}

struct FoundationRange {
    int first;
    int last;
};

// The foundations a card may go to under search value v; x is the card's
// position (pile-by-pile order) or its pile index (position order).
FoundationRange SearchRange(int v, int t, int x, int used) {
    if (v == 94) return {t, t};
    if (v == 95) {
        if (x >= 0 && x <= 3) return {0, 3};
        if (x >= 6 && x <= 9) return {4, 7};
        return {0, 7};
    }
    return {0, used - 1};
}

void SearchAnyCard(DealContext& c, int v) {
    Engine& e = c.e;
    const bool pile_by_pile = e.R(23) != 0;
    VisitTableau(e, pile_by_pile, [&](int t, int p) {
        std::string& pile = e.piles.tableau[static_cast<size_t>(t)];
        const int card = PileCodeAt(pile, p);
        if (card < 1) return false;
        const FoundationRange range = SearchRange(v, t, pile_by_pile ? p : t, FoundationsInUse(e));
        const int f = AcceptingFoundation(c, card, range.first, range.last);
        if (f < 0) return false;
        MoveToFoundation(e, pile, p, f);
        return true;
    });
}

// The top card of the stock, or of the waste when the stock is empty, goes
// face up onto the pile an ace has left.
void RefillFromStock(Engine& e, int t) {
    std::string& stock = e.piles.stock_area[kStockIndex];
    std::string& source = stock.empty() ? e.piles.stock_area[kWasteIndex] : stock;
    if (source.empty()) return;
    PileAppend(e, ListId::Tableau, t, TakeUnit(source, PileCount(source) - 1), kFaceUp);
}

void SearchAcesWithRefill(DealContext& c) {
    Engine& e = c.e;
    VisitTableau(e, false, [&](int t, int p) {
        std::string& pile = e.piles.tableau[static_cast<size_t>(t)];
        const int card = PileCodeAt(pile, p);
        if (CardRank(card) != 1) return false;
        const int f = AcceptingFoundation(c, card, 0, FoundationsInUse(e) - 1);
        if (f < 0) return false;
        MoveToFoundation(e, pile, p, f);
        RefillFromStock(e, t);
        return true;
    });
}

}  // namespace

void RunAceSearch(DealContext& c) {
    const int v = c.e.R(96);
    if (v >= 93 && v <= 95) SearchAnyCard(c, v);
    if (v == 96) SearchAcesWithRefill(c);
}

}  // namespace velmora
