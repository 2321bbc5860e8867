#include "engine/deal/arrangements.h"

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <functional>
#include <string>
#include <vector>

#include "engine/deal/ace_search.h"
#include "engine/deal/buffer_layouts.h"
#include "engine/model/card_code.h"
#include "engine/model/card_table.h"
#include "engine/model/pile_string.h"
#include "engine/model/piles.h"
#include "engine/model/random_draw.h"
#include "text/fixed_text.h"

namespace velmora {

namespace {

constexpr int kKing = 13;

std::string& Tableau(Engine& e, int t) { return e.piles.tableau[static_cast<size_t>(t)]; }

// Kings at the bottom of a tableau pile or a foundation go to the bottom of
// the stock, and the first other card of the stock takes the king's place.
void MoveBottomKingsToStock(Engine& e) {
    std::string& stock = e.piles.stock_area[kStockIndex];
    auto replace_king = [&](ListId list, int index) {
        std::string& pile = *e.piles.Pile(list, index);
        if (CardRank(PileCodeAt(pile, 0)) != kKing) return;
        stock.insert(0, pile.substr(0, 3));
        pile.erase(0, 3);
        e.cards.SetFaceState(PileTop(stock), kFaceDown);
        for (int i = 0; i < PileCount(stock); ++i) {
            const int code = PileCodeAt(stock, i);
            if (code < 1 || CardRank(code) == kKing) continue;
            pile.insert(0, CardCodeText(TakeUnit(stock, i)));
            e.cards.SetFaceState(code, kFaceUp);
            return;
        }
    };
    for (int t = 0; t < TableauInUse(e); ++t) replace_king(ListId::Tableau, t);
    for (int f = 0; f < FoundationsInUse(e); ++f) replace_king(ListId::Foundation, f);
}

bool PileHoldsRank(const std::string& pile, int rank) {
    for (int i = 0; i < PileCount(pile); ++i)
        if (PileCodeAt(pile, i) >= 1 && CardRank(PileCodeAt(pile, i)) == rank) return true;
    return false;
}

// Fills the free slots of a pile, in order, with the first collected card
// that `fits`; a slot no card fits stays free.
void FillSlots(std::string& pile, std::vector<int>& collected, const std::function<bool(int)>& fits) {
    for (int at = 0; at < PileCount(pile); ++at) {
        if (PileCodeAt(pile, at) != kNoCard) continue;
        for (size_t k = 0; k < collected.size(); ++k) {
            if (!fits(collected[k])) continue;
            pile.replace(static_cast<size_t>(at) * 3, 3, CardCodeText(collected[k]));
            collected.erase(collected.begin() + static_cast<std::ptrdiff_t>(k));
            break;
        }
    }
}

// The cards of the tableau are dealt again so that no pile repeats a rank.
// When the ranks leave no way to do that, the remaining cards fill the
// remaining slots in order: no card leaves the table.
void SpreadRanks(Engine& e) {
    std::vector<int> collected;
    for (int t = 0; t < TableauInUse(e); ++t) {
        for (int code : PileCodes(Tableau(e, t)))
            if (code >= 1) collected.push_back(code);
        Tableau(e, t) = RepeatChar('0', PileCount(Tableau(e, t)) * 3);
    }
    for (int t = 0; t < TableauInUse(e); ++t) {
        std::string& pile = Tableau(e, t);
        FillSlots(pile, collected, [&pile](int code) { return !PileHoldsRank(pile, CardRank(code)); });
    }
    for (int t = 0; t < TableauInUse(e); ++t) FillSlots(Tableau(e, t), collected, [](int) { return true; });
}

void BottomCardsToFoundations(DealContext& c) {
    for (int t = 0; t < TableauInUse(c.e); ++t) {
        std::string& pile = Tableau(c.e, t);
        const int card = PileCodeAt(pile, 0);
        if (card >= 1 && AcceptingFoundation(c, card, t, t) == t) MoveToFoundation(c.e, pile, 0, t);
    }
}

// Cards of the given rank become free slots.
void RankToSlots(Engine& e, int rank) {
    for (int t = 0; t < TableauInUse(e); ++t) {
        std::string& pile = Tableau(e, t);
        for (int at = 0; at < PileCount(pile); ++at)
            if (PileCodeAt(pile, at) >= 1 && CardRank(PileCodeAt(pile, at)) == rank)
                pile.replace(static_cast<size_t>(at) * 3, 3, kFreeSlot);
    }
}

void EmptyPileWithBottom(Engine& e) {
    const int code = e.R(304) > 13 ? e.R(304) + 13 : e.R(304);
    for (int t = 0; t < TableauInUse(e); ++t) {
        if (!Tableau(e, t).empty() && PileCodeAt(Tableau(e, t), 0) == code) {
            Tableau(e, t).clear();
            return;
        }
    }
}

// One of piles 1 .. R[304] - 1 is emptied; the last pile never is.
void EmptyRandomPile(Engine& e) {
    const int piles = TableauInUse(e);
    if (piles < 2) return;
    Tableau(e, RandomBelow(e.random, piles - 1)).clear();
}

// Each empty foundation in use shows the buffer card of its own index; the
// buffer keeps the card. A foundation that already holds cards keeps them.
void BufferCardsToFoundations(DealContext& c) {
    for (int f = 0; f < FoundationsInUse(c.e); ++f) {
        if (!BufferHoldsCard(c.buffer, f) || !c.e.piles.foundations[static_cast<size_t>(f)].empty()) continue;
        PileAppend(c.e, ListId::Foundation, f, BufferCode(c.buffer, f), kFaceUp);
    }
}

// Kings become free slots and every pile is padded to nine slots.
void KingsToSlotsInRowsOfNine(Engine& e) {
    RankToSlots(e, kKing);
    for (int t = 0; t < TableauInUse(e); ++t) {
        std::string& pile = Tableau(e, t);
        if (pile.size() < 27) pile.append(27 - pile.size(), '0');
    }
}

// In every tableau pile the Kings go to the bottom, each order kept, so that
// no King buries a lower card.
void KingsToTheBottom(Engine& e) {
    for (int t = 0; t < TableauInUse(e); ++t) {
        const std::vector<int> codes = PileCodes(Tableau(e, t));
        std::vector<int> sorted;
        std::copy_if(codes.begin(), codes.end(), std::back_inserter(sorted), [](int c) { return CardRank(c) == kKing; });
        std::copy_if(codes.begin(), codes.end(), std::back_inserter(sorted), [](int c) { return CardRank(c) != kKing; });
        std::string pile;
        for (int code : sorted) pile += CardCodeText(code);
        Tableau(e, t) = pile;
    }
}

}  // namespace

void ApplyArrangement(DealContext& c) {
    Engine& e = c.e;
    switch (e.R(33)) {
        case 1: MoveBottomKingsToStock(e); break;
        case 2: DealRunsFromBuffer(c, kKing); RunAceSearch(c); break;
        case 4: DealRunsFromBuffer(c, 12); RunAceSearch(c); break;
        case 3: SpreadRanks(e); break;
        case 5: DealByRank(c, -1); break;
        case 6: DealByRank(c, 0); break;
        case 7: BottomCardsToFoundations(c); break;
        case 8: RankToSlots(e, 1); break;
        case 9: EmptyPileWithBottom(e); break;
        case 10: EmptyRandomPile(e); break;
        case 13: BufferCardsToFoundations(c); break;
        case 15: KingsToSlotsInRowsOfNine(e); break;
        case 16: KingsToTheBottom(e); break;
        default: break;
    }
}

}  // namespace velmora
