#pragma once
// The four suit shapes and the suit symbols of the joker labels.

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <array>

namespace velmora::art {

// In the order of the suit sheets and of the program's suit indexes.
enum class Suit { Hearts = 0, Diamonds = 1, Clubs = 2, Spades = 3 };
inline constexpr std::array<Suit, 4> kSuits{Suit::Hearts, Suit::Diamonds, Suit::Clubs,
                                            Suit::Spades};

inline bool IsRed(Suit suit) {
    return suit == Suit::Hearts || suit == Suit::Diamonds;
}
char SuitLetter(Suit suit);  // "H", "D", "C", "S"

// The suit's outline in a 100 x 100 box (the diamond is narrower than the box).
const QPainterPath& SuitShape(Suit suit);

// Fills the suit shape scaled into `box`; `upside_down` turns it half round.
void DrawPip(QPainter& painter, Suit suit, const QRectF& box, QColor colour,
             bool upside_down = false);

// A pip of the given width centred on a point, its height following the
// shape's proportions (pips are a little taller than wide).
QRectF PipBox(QPointF centre, double width);

}  // namespace velmora::art
