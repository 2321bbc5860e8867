#pragma once
// Card faces: the suit sheets "C" + size + set + suit and the jokers.

#include <QColor>
#include <QImage>
#include <QRectF>

#include "card_size.h"
#include "fonts.h"
#include "pips.h"

namespace velmora::rgfgen {

class ResourceSink;

// What differs between the card sets.
struct CardSet {
    int number;  // 1 classic, 3 plain and high contrast
    QColor red;
    QColor black;
    QColor paper;
    QColor edge;
    Face index_face;
    bool pictured_courts;  // figures; otherwise large letters in a frame
};

const CardSet& ClassicSet();
const CardSet& PlainSet();

// Where things go on a face of one size and set.
struct FaceLayout {
    QRectF rank_box;   // top-left index: rank
    QRectF suit_box;   // top-left index: small suit under the rank
    int rank_pixels;   // font pixel size of the rank
    QRectF pip_field;  // centres of the outermost pips
    double pip_width;
    double ace_width;
    QRectF court_frame;
};

FaceLayout LayoutFor(const CardSize& size, const CardSet& set);

QColor InkFor(const CardSet& set, Suit suit);

// Rank text: "A", "2" .. "10", "J", "Q", "K".
QString RankText(int rank);

// One card face (rank 1 to 13), `scale` device pixels per card pixel.
QImage DrawCardFace(const CardSize& size, const CardSet& set, Suit suit, int rank, int scale);

// The court picture inside layout.court_frame (drawn by court_cards.cpp).
void DrawCourt(QImage& card, const CardSet& set, const FaceLayout& layout, Suit suit, int rank);

// The thirteen faces of a suit laid out as rows of 5, 5 and 3 cards.
QImage SuitSheet(const CardSize& size, const CardSet& set, Suit suit, int scale);

void AddCardFaces(ResourceSink& sink);
void AddJokers(ResourceSink& sink);
QImage DrawJoker(const CardSize& size, int scale);

}  // namespace velmora::rgfgen
