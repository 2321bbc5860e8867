// Strips drawn beside cards: the shadow of a lifted card and the edges of
// the cards under the stock's top card.

#include <QPainter>

#include "art/pile_marks.h"
#include "art/pixel_scale.h"

namespace velmora::art {

namespace {

const QRgb kSeeThroughWhite = qRgb(255, 255, 255);
const QRgb kSeeThroughBlue = qRgb(0, 0, 255);
constexpr int kStockLayers = 16;

// The shadow is the card's own shape moved down and right, drawn as a
// stipple so the table shows through.
QImage Stipple(QSize size, double scale) {
    QImage strip = ScaledImage(size, QImage::Format_RGB32, scale);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            SetLogicalPixel(strip, x, y, (x + y) % 2 == 0 ? qRgb(0, 0, 0) : kSeeThroughWhite);
        }
    }
    return strip;
}

// Clears the strip's pixels that lie outside the rounded outline of the
// shadow, whose card pixel (0, 0) is the strip's (-left, -top).
void ClearOutsideShadow(QImage& strip, const CardSize& size, int left, int top) {
    const QSize extent = LogicalSize(strip);
    for (int y = 0; y < extent.height(); ++y) {
        for (int x = 0; x < extent.width(); ++x) {
            if (IsOutsideCorner(size, x + left, y + top)) {
                SetLogicalPixel(strip, x, y, kSeeThroughWhite);
            }
        }
    }
}

// A stack of cards, each one pixel up and left of the one below, on blue;
// the bottom card lies at (15, 15). Edges alternate light and grey so the
// layers can be counted; the lowest card has a dark edge that outlines the
// stack. The colour at (x, y) is the top card's there.
QRgb StackPixel(const CardSize& size, int x, int y) {
    for (int k = kStockLayers - 1; k >= 0; --k) {
        const int at = kStockLayers - 1 - k;
        const int cx = x - at;
        const int cy = y - at;
        if (cx < 0 || cy < 0 || cx >= size.width || cy >= size.height ||
            IsOutsideCorner(size, cx, cy)) {
            continue;
        }
        if (!IsOnOutline(size.width, size.height, cx, cy)) {
            return qRgb(236, 236, 236);
        }
        return k == 0 ? qRgb(40, 40, 40) : (k % 2 ? qRgb(228, 228, 228) : qRgb(150, 150, 150));
    }
    return kSeeThroughBlue;
}

}  // namespace

QImage ShadowStrip(const CardSize& size, bool right, double scale) {
    const int d = kShadowDepth;
    if (right) {
        // Beside the card, from `d` rows below its top to `d` rows below its bottom.
        QImage strip = Stipple(QSize(d, size.height), scale);
        ClearOutsideShadow(strip, size, size.width - d, 0);
        return strip;
    }
    // Under the card, from `d` + 1 columns right of its left edge to its right edge.
    QImage strip = Stipple(QSize(size.width - d - 1, d), scale);
    ClearOutsideShadow(strip, size, 1, size.height - d);
    return strip;
}

QImage StockBorderStrip(const CardSize& size, bool right, double scale) {
    const QRect part = right ? QRect(size.width - 1, 2, kStockLayers, size.height + 13)
                             : QRect(2, size.height - 1, size.width + 11, kStockLayers);
    QImage strip = ScaledImage(part.size(), QImage::Format_RGB32, scale);
    for (int y = 0; y < part.height(); ++y) {
        for (int x = 0; x < part.width(); ++x) {
            SetLogicalPixel(strip, x, y, StackPixel(size, part.x() + x, part.y() + y));
        }
    }
    return strip;
}

}  // namespace velmora::art
