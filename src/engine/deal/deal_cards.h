#pragma once
// Dealing from the front of the deal buffer onto one pile.

#include "engine/deal/deal_buffer.h"
#include "engine/model/engine.h"

namespace velmora {

// Applies a deal count to a pile:
//   n <= 0                       nothing
//   1 .. 1000, 1600 and above    the next n cards, face down
//   1001 .. 1499                 the first card of rank n - 1000, face down
//   1501 .. 1504                 the joker 105 .. 108, face up
// Cards leave the buffer as they are dealt; dealing stops when the buffer
// runs out. A special card that is not in the buffer is not dealt, and
// 1500 and 1505 .. 1599 name no card. An unknown pile receives nothing.
// Returns the number of cards appended.
int DealCards(Engine& e, int n, DealBuffer& buffer, ListId list, int index);

// How many cards a deal count asks for (0, 1 or n).
int RequestedCards(int n);

}  // namespace velmora
