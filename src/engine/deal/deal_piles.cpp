#include "engine/deal/deal_piles.h"

#include "engine/model/card_table.h"

namespace velmora {

namespace {

// Deals every tableau pile whose count `selected` accepts, then applies the
// pile's face-up instruction R[339 + t].
template <typename Pred>
void DealTableaus(DealContext& c, Pred selected) {
    for (int t = 0; t < kTableauPiles; ++t) {
        const int count = c.e.R(311 + t);
        if (!selected(count)) continue;
        DealCount(c, count, ListId::Tableau, t);
        c.e.cards.SetPileFaceStates(c.e.piles.tableau[static_cast<size_t>(t)], c.e.R(339 + t), kFaceUp);
    }
}

void DealFaceUp(DealContext& c, ListId list, int index, int count) {
    DealCount(c, count, list, index);
    TurnTopCardsUp(c.e, list, index, count);
}

}  // namespace

void DealSpecialTableaus(DealContext& c) {
    DealTableaus(c, [](int count) { return count > 1000; });
}

void DealStockAndWaste(DealContext& c) {
    const int stock = c.e.R(308);
    DealCount(c, stock, ListId::Stock, kStockIndex);
    if (c.e.R(6) == 0) TurnTopCardsUp(c.e, ListId::Stock, kStockIndex, stock);
    if (c.e.R(309) > 0) DealFaceUp(c, ListId::Stock, kWasteIndex, c.e.R(309));
}

void DealOrdinaryTableaus(DealContext& c) {
    DealTableaus(c, [](int count) { return count >= 1 && count <= 1000; });
}

void DealSecondWasteAndReserves(DealContext& c) {
    DealFaceUp(c, ListId::Stock, kSecondWasteIndex, c.e.R(367));
    for (int r = 0; r < kReservePiles; ++r) {
        if (c.e.R(368 + r) <= 0) continue;
        DealCount(c, c.e.R(368 + r), ListId::Reserve, r);
        TurnTopCardsUp(c.e, ListId::Reserve, r, c.e.R(378 + r));
    }
}

}  // namespace velmora
