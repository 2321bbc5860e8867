#include "card_size.h"

#include <algorithm>

#include "pixel_scale.h"

namespace velmora::rgfgen {

namespace {

// Distance of a pixel from the nearest vertical and horizontal edge of a
// w x h rectangle.
int EdgeDistance(int v, int extent) {
    return std::min(v, extent - 1 - v);
}

}  // namespace

bool IsOutsideCorner(const CardSize& size, int x, int y) {
    const int dx = EdgeDistance(x, size.width);
    const int dy = EdgeDistance(y, size.height);
    return size.small() ? (dx == 0 && dy == 0) : (dx + dy <= 1);
}

void DrawCardFrame(QImage& card, int inset, QColor colour, bool small_rounding) {
    const QSize logical = LogicalSize(card);
    const int w = logical.width() - 2 * inset;
    const int h = logical.height() - 2 * inset;
    const QRgb rgb = colour.rgba();
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int dx = EdgeDistance(x, w);
            const int dy = EdgeDistance(y, h);
            const bool on_frame =
                small_rounding
                    ? (dx + dy == 1 || (dx == 0 && dy > 0) || (dy == 0 && dx > 0))
                    : ((dx == 0 && dy >= 2) || (dy == 0 && dx >= 2) || (dx == 1 && dy == 1));
            if (on_frame) {
                SetLogicalPixel(card, x + inset, y + inset, rgb);
            }
        }
    }
}

void ClearCorners(QImage& card, const CardSize& size) {
    for (int y = 0; y < size.height; ++y) {
        for (int x = 0; x < size.width; ++x) {
            if (IsOutsideCorner(size, x, y)) {
                SetLogicalPixel(card, x, y, qRgba(255, 255, 255, 0));
            }
        }
    }
}

QImage BlankCard(const CardSize& size, QColor fill, QColor border, int scale) {
    QImage card = ScaledImage(QSize(size.width, size.height), QImage::Format_ARGB32, scale);
    card.fill(fill);
    DrawCardFrame(card, 0, border, size.small());
    ClearCorners(card, size);
    return card;
}

}  // namespace velmora::rgfgen
