#pragma once
// The card pictures of the library at its three card sizes, each with its
// twin for screens of twice the density: the suit sheets "C" + size + set +
// suit, the jokers, the backs "D" + size + number, the empty-pile marks, the
// shadow and stock strips, and the suit symbols of the joker labels.

#include <QImage>

#include "art/card_faces.h"
#include "art_names.h"

namespace velmora::rgfgen {

class ResourceSink;

// The thirteen faces of a suit laid out as rows of 5, 5 and 3 cards.
QImage SuitSheet(const CardSize& size, const CardSet& set, Suit suit, double scale);

void AddCardFaces(ResourceSink& sink);
void AddJokers(ResourceSink& sink);
void AddCardBacks(ResourceSink& sink);
void AddPileMarks(ResourceSink& sink);
void AddShadowStrips(ResourceSink& sink);
void AddStockBorders(ResourceSink& sink);
// "SUIT_HEARTS" .. "SUIT_SPADES": small symbols on white for the joker labels.
void AddSuitSymbols(ResourceSink& sink);

}  // namespace velmora::rgfgen
