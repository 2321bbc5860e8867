#pragma once
// The rounded corners of a card: the pixels outside the card art's
// rounding, whose radius grows with the card's width. The library's big and
// medium cards lose each corner pixel and its two neighbours along the
// edges, cards 25 pixels wide the corner pixel alone, where three would eat
// too much of the card; larger fitted cards round more.

#include <QPoint>

#include <vector>

namespace velmora {

class Surface;

// The corner pixels of a card of that size, relative to its top-left.
std::vector<QPoint> CornerPixels(int width, int height);
// One pixel per corner, or three, as asked (the highlight mark's rule).
std::vector<QPoint> CornerPixels(int width, int height, bool single_pixel);

// Gives the corners of the card rectangle (x, y, width, height) of `target`
// the pixels of `source` at (source_x, source_y) and the same offsets: the
// table beneath the card, so the card looks rounded.
void RestoreCorners(Surface& target, int x, int y, int width, int height, const Surface& source, int source_x,
                    int source_y);

}  // namespace velmora
