// Strips drawn beside cards: the shadow of a lifted card and the edges of
// the cards under the stock's top card.

#include <QPainter>

#include "pile_marks.h"
#include "pixel_scale.h"
#include "resource_sink.h"

namespace velmora::rgfgen {

namespace {

const QRgb kSeeThroughWhite = qRgb(255, 255, 255);
const QRgb kSeeThroughBlue = qRgb(0, 0, 255);
constexpr int kStockLayers = 16;

// The shadow is the card's own shape moved down and right, drawn as a
// stipple so the table shows through.
QImage Stipple(QSize size, int scale) {
    QImage strip = ScaledImage(size, QImage::Format_RGB32, scale);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            SetLogicalPixel(strip, x, y, (x + y) % 2 == 0 ? qRgb(0, 0, 0) : kSeeThroughWhite);
        }
    }
    return strip;
}

void Clear(QImage& strip, std::initializer_list<QPoint> pixels) {
    for (QPoint pixel : pixels) {
        SetLogicalPixel(strip, pixel.x(), pixel.y(), kSeeThroughWhite);
    }
}

// A stack of cards, each one pixel up and left of the one below, on blue.
// The bottom card lies at (15, 15).
QImage StockStack(const CardSize& size, int scale) {
    QImage canvas = ScaledImage(QSize(size.width + kStockLayers, size.height + kStockLayers),
                                QImage::Format_RGB32, scale);
    canvas.fill(kSeeThroughBlue);
    QPainter p(&canvas);
    for (int k = 0; k < kStockLayers; ++k) {
        // Edges alternate light and grey so the layers can be counted; the
        // lowest card has a dark edge that outlines the stack.
        const QColor edge =
            k == 0 ? QColor(40, 40, 40) : (k % 2 ? QColor(228, 228, 228) : QColor(150, 150, 150));
        const QImage card = BlankCard(size, QColor(236, 236, 236), edge, scale);
        const int at = (kStockLayers - 1 - k) * scale;
        for (int y = 0; y < card.height(); ++y) {
            for (int x = 0; x < card.width(); ++x) {
                if (!IsOutsideCorner(size, x / scale, y / scale)) {
                    canvas.setPixel(at + x, at + y, card.pixel(x, y));
                }
            }
        }
    }
    return canvas;
}

}  // namespace

QImage ShadowStrip(const CardSize& size, bool right, int scale) {
    const int d = kShadowDepth;
    if (right) {
        // Beside the card, from `d` rows below its top to `d` rows below its bottom.
        QImage strip = Stipple(QSize(d, size.height), scale);
        const int b = size.height - 1;
        if (size.small()) {
            Clear(strip, {{d - 1, 0}, {d - 1, b}});
        } else {
            Clear(strip,
                  {{d - 1, 0}, {d - 2, 0}, {d - 1, 1}, {d - 1, b}, {d - 2, b}, {d - 1, b - 1}});
        }
        return strip;
    }
    // Under the card, from `d` + 1 columns right of its left edge to its right edge.
    QImage strip = Stipple(QSize(size.width - d - 1, d), scale);
    if (!size.small()) {
        Clear(strip, {{0, d - 1}});  // next to the rounded corner
    }
    return strip;
}

QImage StockBorderStrip(const CardSize& size, bool right, int scale) {
    const QImage stack = StockStack(size, scale);
    const QRect part = right ? QRect(size.width - 1, 2, kStockLayers, size.height + 13)
                             : QRect(2, size.height - 1, size.width + 11, kStockLayers);
    return stack.copy(QRect(part.topLeft() * scale, part.size() * scale));
}

void AddShadowStrips(ResourceSink& sink) {
    for (const CardSize& size : kCardSizes) {
        for (const bool right : {true, false}) {
            sink.AddBitmapTwins("SHADOW_" + size.tag() + (right ? "1" : "2"),
                                [&](int scale) { return ShadowStrip(size, right, scale); });
        }
    }
}

void AddStockBorders(ResourceSink& sink) {
    for (const CardSize& size : kCardSizes) {
        for (const bool right : {true, false}) {
            sink.AddBitmapTwins("3D_BORDER_" + size.tag() + (right ? "1" : "2"),
                                [&](int scale) { return StockBorderStrip(size, right, scale); });
        }
    }
}

}  // namespace velmora::rgfgen
