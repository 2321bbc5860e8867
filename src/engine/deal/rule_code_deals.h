#pragma once
// Deal steps of two games' special-rule codes (R[47]).

#include "engine/deal/deal_context.h"

namespace velmora {

// Code 11: the aces of reserve 1 start foundations 2, 3 ...; then the waste
// gives its first ace to foundation 1 and refills reserve 1 with as many
// cards as there were aces.
void ApplyReserveAceRule(DealContext& c);
// Code 22: the king of hearts goes to the bottom of the stock and the queen
// of hearts face up onto tableau pile 1.
void ApplyHeartsCourtRule(DealContext& c);

}  // namespace velmora
