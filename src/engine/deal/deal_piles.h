#pragma once
// The ordinary part of the deal: tableau piles, stock, waste, second waste
// and reserves, with the face states each game asks for.

#include "engine/deal/deal_context.h"

namespace velmora {

// Tableau piles whose count R[311 + t] is above 1000 (a card of a given
// rank, a joker, or a count of 1600 and more), before anything else.
void DealSpecialTableaus(DealContext& c);
// The stock (R[308], face up when R[6] is 0) and the waste (R[309], face up).
void DealStockAndWaste(DealContext& c);
// Tableau piles with an ordinary count 1 .. 1000.
void DealOrdinaryTableaus(DealContext& c);
// The second waste (R[367], face up) and the reserves (R[368 + r] cards,
// the top R[378 + r] of them face up).
void DealSecondWasteAndReserves(DealContext& c);

}  // namespace velmora
