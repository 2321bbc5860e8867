#pragma once
// May a left press on a card start dragging it (with the cards above it)?
// A face-down tableau top card is not picked up: the press turns it over.

#include "engine/model/engine.h"
#include "engine/model/pile_names.h"

namespace velmora {

// `position` counts from the pile's bottom card (0). Checks the pile's
// pick-up rule (tableau runs and locks R[24]/R[25], waste R[7], reserve
// R[13], foundation R[17]) and the games whose presses do something else
// than a drag (click-to-move R[36], selection games R[38] and R[47]).
// Running the run-length check records the run's top card in field 95.
bool CanPickUp(Engine& e, PileRef pile, int position);

// R[13] = -15: any face-up card of a reserve may be taken, and it goes alone,
// the cards above it staying where they lie (a bouquet of loose cards).
inline constexpr int kReserveAnySingleCard = -15;

// Whether a card taken from `pile` leaves without the cards above it: on a
// reserve under R[13] = -15. Everywhere else a card takes its run along.
bool LeavesAlone(const Engine& e, PileRef pile);

}  // namespace velmora
