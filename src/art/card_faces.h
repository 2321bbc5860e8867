#pragma once
// Card faces and the joker, at any card size and scale.

#include <QColor>
#include <QImage>
#include <QRectF>

#include "art/card_size.h"
#include "art/fonts.h"
#include "art/pips.h"

namespace velmora::art {

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
// The set of that number; null for a number no set has.
const CardSet* CardSetNumbered(int number);

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
QImage DrawCardFace(const CardSize& size, const CardSet& set, Suit suit, int rank, double scale);

// The court picture inside layout.court_frame (drawn by court_cards.cpp).
void DrawCourt(QImage& card, const CardSet& set, const FaceLayout& layout, Suit suit, int rank);

QImage DrawJoker(const CardSize& size, double scale);

}  // namespace velmora::art
