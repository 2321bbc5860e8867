#pragma once
// Deck filters: games played with part of the deck remove cards from the
// shuffled buffer before anything is dealt (chosen by R[33]).

#include "engine/deal/deal_buffer.h"
#include "engine/model/engine.h"

namespace velmora {

// R[33] = 11: one card of each rank 1 .. R[304];
//         14: ace to nine of the suit of the first card;
//          9: the lowest R[304] codes (hearts and clubs past 13);
//         12: a fixed set of codes, larger for more tableau piles.
// Any other value keeps the buffer as it is.
void ApplyDeckFilter(const Engine& e, DealBuffer& buffer);

}  // namespace velmora
