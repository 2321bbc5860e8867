#pragma once
// The three card sizes and the card outline they share.

#include <QColor>
#include <QImage>
#include <array>
#include <string>

namespace velmora::rgfgen {

struct CardSize {
    char letter;  // "B", "M" or "L" in resource names
    int width;
    int height;

    // Cards 25 pixels wide round one pixel per corner, the others three.
    bool small() const { return width <= 25; }
    std::string tag() const { return std::string(1, letter); }
};

inline constexpr CardSize kBigCard{'B', 71, 96};
inline constexpr CardSize kMediumCard{'M', 59, 80};
inline constexpr CardSize kSmallCard{'L', 25, 32};
inline constexpr std::array<CardSize, 3> kCardSizes{kBigCard, kMediumCard, kSmallCard};

// True for the pixels outside the rounded outline: the corner pixel and its
// two neighbours (the corner pixel alone on small cards). The table code
// replaces exactly these pixels with what lies under the card.
bool IsOutsideCorner(const CardSize& size, int x, int y);

// A card-sized picture filled with `fill`, framed by a one-pixel `border`
// that follows the rounding; the pixels outside it are transparent. With a
// `scale` of 2 every picture pixel is two device pixels each way (see
// pixel_scale.h); the functions below work on either.
QImage BlankCard(const CardSize& size, QColor fill, QColor border, int scale);

// Makes the pixels outside the rounding transparent again (after painting
// that may have touched them).
void ClearCorners(QImage& card, const CardSize& size);

// Draws the one-pixel rounded frame `inset` pixels inside the card edge.
void DrawCardFrame(QImage& card, int inset, QColor colour, bool small_rounding);

}  // namespace velmora::rgfgen
