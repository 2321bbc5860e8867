#pragma once
// The ace search after the deal: tableau cards that the move rules let onto
// a foundation go there at once. Foundation 1's starting-card value R[96]
// selects it (93, 94, 95, 96); R[23] orders the visit.

#include "engine/deal/deal_context.h"

namespace velmora {

void RunAceSearch(DealContext& c);

}  // namespace velmora
