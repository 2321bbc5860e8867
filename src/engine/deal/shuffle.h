#pragma once
// The deterministic shuffle: a fixed function of the stored deal number and
// the game's card count, built from digit extraction, the step and suit
// tables and a collision rule.

#include "engine/deal/deal_buffer.h"
#include "engine/model/engine.h"

namespace velmora {

constexpr int kMaxJokers = 4;

// Jokers in the game: R[310] when R[43] is 1, kept within 0-4 (there are
// only four joker codes); otherwise 0.
int JokersInGame(const Engine& e);
// Slots of the deal buffer: R[307] (never below 0) plus the jokers.
int DealCardCount(const Engine& e);

// Fills `buffer` with the game's cards in deal order. Returns false when the
// card count R[307] is neither at most 52 nor 104: the message is shown and
// the buffer keeps only free slots (and the jokers).
bool ShuffleDeck(Engine& e, DealBuffer& buffer);

// The index of a free slot ("000"): scanning from `start` forward or
// backward, then from the front; -1 when the buffer is full.
int FindFreeSlot(const DealBuffer& buffer, int start, bool forward);

// The rank-list index a cycle takes: q when it names a rank still in the
// list; otherwise the last rank when the direction is forward, the first
// when it is backward.
int ChooseRankIndex(int q, int ranks_left, bool forward);

}  // namespace velmora
