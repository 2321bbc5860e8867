#pragma once
// The scores of the games with their own scoring code R[47], and the table
// counts they are made of.

#include "engine/model/engine.h"

namespace velmora {

int SecondWasteCards(const Engine& e);
bool AnyTableauHoldsCards(const Engine& e);
// Cards (empty slots included) on tableaus 1 .. n of those in use.
int CardsOnTableaus(const Engine& e, int n);

// 34: ten points for each tableau, from the first on, whose bottom card is
// the card of its place (code i + 1 or i + 14 on tableau i).
int OrderedBottomsScore(const Engine& e);
// 43: 225 points for each tableau holding nine down to the Ace.
int NineDownScore(const Engine& e);
// 44: 150 when the top cards of the tableaus rank 91 in all.
int TopRanksScore(const Engine& e);
// 46: points for the sequences from an Ace up in suit along the rows.
int RowSequenceScore(const Engine& e);

}  // namespace velmora
