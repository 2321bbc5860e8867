#pragma once
// The cards a game puts on its foundations and its second waste before and
// after the ordinary deal, and the base ranks that follow from them.

#include "engine/deal/deal_context.h"

namespace velmora {

// The starting card of each foundation in use, chosen by R[96 + f]; the
// foundation's base rank R[48 + f] becomes the rank of its bottom card.
void PlaceStartingCards(DealContext& c);
// The starting card of the second waste, R[288] (above 100: minus 100).
void PlaceSecondWasteStart(DealContext& c);
// The foundation start mode R[1] (1-4) after the piles are dealt.
void ApplyFoundationStartMode(DealContext& c);
// Tableau base ranks of 91 become the rank before foundation 1's base rank.
void ReplaceTableauBase91(Engine& e);
// R[11] = 1: one more card face up onto foundation 1.
void DealExtraFoundationCard(DealContext& c);

// Puts a named card face up on a pile and takes it out of the buffer.
// Refused for codes that are no card and for a card already on the table.
bool PlaceNamedCard(DealContext& c, ListId list, int index, int code);

}  // namespace velmora
