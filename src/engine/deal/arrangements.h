#pragma once
// Arrangements after the deal, chosen by R[33]: games whose starting
// position is not simply the dealt piles rearrange them here.

#include "engine/deal/deal_context.h"

namespace velmora {

void ApplyArrangement(DealContext& c);

}  // namespace velmora
