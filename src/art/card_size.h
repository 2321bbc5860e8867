#pragma once
// The card sizes and the card outline they share: the three sizes of the
// resource library and a fitted size of any width, each with rounded
// corners whose radius grows with the card.

#include <QColor>
#include <QImage>
#include <array>
#include <string>

namespace velmora::art {

struct CardSize {
    char letter;  // "B", "M" or "L" in resource names; 'F' for a fitted size
    int width;
    int height;

    // The narrowest cards (25 pixels) round one pixel per corner.
    bool small() const { return width <= 25; }
    // Cards too narrow for pips and indices in both corners show the rank
    // and one large suit symbol instead.
    bool compact() const { return letter == 'L' || (letter == 'F' && width < 50); }
    std::string tag() const { return std::string(1, letter); }
};

inline constexpr CardSize kBigCard{'B', 71, 96};
inline constexpr CardSize kMediumCard{'M', 59, 80};
inline constexpr CardSize kSmallCard{'L', 25, 32};
inline constexpr std::array<CardSize, 3> kCardSizes{kBigCard, kMediumCard, kSmallCard};

// A card of any size drawn for the table's own layout.
inline constexpr CardSize FittedCard(int width, int height) { return {'F', width, height}; }

// The radius of the rounding in pixels: 1 on cards up to 43 pixels wide
// (the corner pixel alone), 2 on the library's big and medium cards (the
// corner pixel and its two neighbours), growing by one every 29 pixels.
int CornerRadius(int width);

// True for the pixels outside the rounded outline of a width x height card.
// The table code replaces exactly these pixels with what lies under the card.
bool IsOutsideCorner(int width, int height, int x, int y);
inline bool IsOutsideCorner(const CardSize& size, int x, int y) {
    return IsOutsideCorner(size.width, size.height, x, y);
}

// True for the pixels of the one-pixel outline: the edge pixels and those
// next to the rounding (inside it).
bool IsOnOutline(int width, int height, int x, int y);

// A card-sized picture filled with `fill`, framed by a one-pixel `border`
// that follows the rounding; the pixels outside it are transparent. With a
// `scale` of 2 every picture pixel is two device pixels each way (see
// pixel_scale.h); the functions below work on any scale.
QImage BlankCard(const CardSize& size, QColor fill, QColor border, double scale);

// Makes the pixels outside the rounding transparent again (after painting
// that may have touched them).
void ClearCorners(QImage& card, const CardSize& size);

// Draws the one-pixel rounded outline along the card's edge.
void DrawCardFrame(QImage& card, QColor colour);

}  // namespace velmora::art
