#include "engine/deal/deal_context.h"

#include <algorithm>

#include "engine/deal/deal_cards.h"
#include "engine/model/card_code.h"
#include "engine/model/card_table.h"
#include "engine/model/pile_string.h"
#include "engine/model/piles.h"

namespace velmora {

int DealCount(DealContext& c, int n, ListId list, int index) {
    const int dealt = DealCards(c.e, n, c.buffer, list, index);
    if (dealt < RequestedCards(n)) c.complete = false;
    return dealt;
}

int DealOneFaceUp(DealContext& c, ListId list, int index) {
    if (DealCount(c, 1, list, index) == 0) return -1;
    const int code = PileTop(c.e.piles.Text(list, index));
    c.e.cards.SetFaceState(code, kFaceUp);
    return code;
}

void TurnTopCardsUp(Engine& e, ListId list, int index, int n) {
    if (n >= 1) e.cards.SetPileFaceStates(e.piles.Text(list, index), n, kFaceUp);
}

bool OnTable(const Engine& e, int code) {
    for (int n = 0; n < kAllPiles; ++n)
        if (PileIndexOf(*e.piles.Flat(n), code) >= 0) return true;
    return false;
}

int TakeUnit(std::string& pile, int at) {
    const int code = PileCodeAt(pile, at);
    if (at >= 0 && at < PileCount(pile)) pile.erase(static_cast<size_t>(at) * 3, 3);
    return code;
}

void MoveToFoundation(Engine& e, std::string& from, int at, int f) {
    if (!e.piles.Pile(ListId::Foundation, f)) return;
    const int code = TakeUnit(from, at);
    PileAppend(e, ListId::Foundation, f, code, kFaceUp);
}

int AcceptingFoundation(const DealContext& c, int card, int first, int last) {
    last = std::min(last, FoundationsInUse(c.e) - 1);
    for (int f = std::max(first, 0); f <= last; ++f)
        if (c.rules.CanPlaceOnFoundation(c.e, card, f)) return f;
    return -1;
}

int NextRank(int rank) { return rank == 13 ? 1 : rank + 1; }
int PreviousRank(int rank) { return rank == 1 ? 13 : rank - 1; }

}  // namespace velmora
