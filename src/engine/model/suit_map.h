#pragma once
// Decks of fewer suits: with deal style R[33] = 17 the game's cards are all
// hearts and spades, with 18 all spades. Every card keeps its own code (two
// cards that look alike stay two cards); only the suit it plays and shows
// as changes. Everything that compares suits or colours, or draws a face,
// asks for the card it shows.

#include "engine/model/engine.h"

namespace velmora {

constexpr int kDeckHeartsAndSpades = 17;  // R[33]: diamonds show as hearts, clubs as spades
constexpr int kDeckSpadesOnly = 18;       // R[33]: every suit shows as spades

// The code of the card of the same rank and deck that `code` shows as under
// deal style `deck_style`; jokers, empty slots and other styles keep theirs.
int SuitMappedCard(int code, int deck_style);

// The card `code` shows and plays as in the current game.
inline int ShownCard(const Engine& e, int code) { return SuitMappedCard(code, e.R(33)); }
// Its suit index (0 hearts .. 3 spades; -1 jokers).
int ShownSuit(const Engine& e, int code);
bool ShownRed(const Engine& e, int code);

}  // namespace velmora
