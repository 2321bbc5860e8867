#include "art/card_size.h"

#include <algorithm>
#include <cmath>

#include "art/pixel_scale.h"

namespace velmora::art {

namespace {

// Distance of a pixel from the nearest edge of an extent.
int EdgeDistance(int v, int extent) {
    return std::min(v, extent - 1 - v);
}

// The same test on distances from the nearest two edges: outside when the
// pixel's centre lies beyond a quarter circle a half pixel inside the
// corner square. Radius 1 leaves the corner pixel, 2 the corner pixel and
// its two neighbours.
bool OutsideAt(int dx, int dy, int radius) {
    if (dx >= radius || dy >= radius) {
        return false;
    }
    const double cx = radius - dx - 0.5;
    const double cy = radius - dy - 0.5;
    const double r = radius - 0.5;
    return cx * cx + cy * cy > r * r;
}

// Calls `visit` for every pixel of the four reach x reach squares in the
// corners (once each where they meet on a narrow card): the only pixels the
// rounding can touch.
template <typename Visit>
void ForCornerSquares(int width, int height, int reach, Visit visit) {
    for (int y = 0; y < height; ++y) {
        if (EdgeDistance(y, height) >= reach) {
            y = std::max(y, height - reach - 1);
            continue;
        }
        for (int x = 0; x < width; ++x) {
            if (EdgeDistance(x, width) >= reach) {
                x = std::max(x, width - reach - 1);
                continue;
            }
            visit(x, y);
        }
    }
}

}  // namespace

int CornerRadius(int width) {
    return std::max(1, static_cast<int>(std::lround(width / 29.0)));
}

bool IsOutsideCorner(int width, int height, int x, int y) {
    return OutsideAt(EdgeDistance(x, width), EdgeDistance(y, height), CornerRadius(width));
}

bool IsOnOutline(int width, int height, int x, int y) {
    const int dx = EdgeDistance(x, width);
    const int dy = EdgeDistance(y, height);
    const int radius = CornerRadius(width);
    if (dx < 0 || dy < 0 || OutsideAt(dx, dy, radius)) {
        return false;
    }
    if (dx == 0 || dy == 0) {
        return true;
    }
    return OutsideAt(dx - 1, dy, radius) || OutsideAt(dx, dy - 1, radius);
}

void DrawCardFrame(QImage& card, QColor colour) {
    const QSize size = LogicalSize(card);
    const int width = size.width();
    const int height = size.height();
    const int reach = CornerRadius(width) + 1;
    const QRgb rgb = colour.rgba();
    ForCornerSquares(width, height, reach, [&](int x, int y) {
        if (IsOnOutline(width, height, x, y)) SetLogicalPixel(card, x, y, rgb);
    });
    // Between the corner squares the outline is the edge row or column itself.
    if (width > 2 * reach) {
        FillLogicalRect(card, QRect(reach, 0, width - 2 * reach, 1), rgb);
        FillLogicalRect(card, QRect(reach, height - 1, width - 2 * reach, 1), rgb);
    }
    if (height > 2 * reach) {
        FillLogicalRect(card, QRect(0, reach, 1, height - 2 * reach), rgb);
        FillLogicalRect(card, QRect(width - 1, reach, 1, height - 2 * reach), rgb);
    }
}

void ClearCorners(QImage& card, const CardSize& size) {
    ForCornerSquares(size.width, size.height, CornerRadius(size.width), [&](int x, int y) {
        if (IsOutsideCorner(size, x, y)) SetLogicalPixel(card, x, y, qRgba(255, 255, 255, 0));
    });
}

QImage BlankCard(const CardSize& size, QColor fill, QColor border, double scale) {
    QImage card = ScaledImage(QSize(size.width, size.height), QImage::Format_ARGB32, scale);
    card.fill(fill);
    DrawCardFrame(card, border);
    ClearCorners(card, size);
    return card;
}

}  // namespace velmora::art
