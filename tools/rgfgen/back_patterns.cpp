// The woven and the classic lattice backs.

#include <algorithm>
#include <cmath>
#include <numbers>

#include "card_backs.h"

namespace velmora::rgfgen {

namespace {

QRgb Shade(QColor colour, double light) {
    const auto channel = [light](int c) {
        return std::clamp(static_cast<int>(std::lround(c * light)), 0, 255);
    };
    return qRgb(channel(colour.red()), channel(colour.green()), channel(colour.blue()));
}

// Brightness of a strand seen from above: brightest in the middle of a
// crossing, shadowed where it dives under the crossing strands.
double AlongStrand(double t) {
    return 0.45 + 0.7 * std::sin(t * std::numbers::pi);
}
double AcrossStrand(double t) {
    return 0.75 + 0.3 * std::sin(t * std::numbers::pi);
}

struct Weave {
    QColor rows;
    QColor columns;
    QColor gap;
};

// Basket weave: each cell shows `strands` parallel strands of the strip on
// top, alternating between the row and the column strips.
QRgb WeavePixel(const Weave& weave, double u, double v, int strands) {
    const double i = std::floor(u);
    const double j = std::floor(v);
    const bool row_on_top = (static_cast<long>(i + j) & 1) == 0;
    const double along = row_on_top ? u - i : v - j;
    const double across = (row_on_top ? v - j : u - i) * strands;
    const double within = across - std::floor(across);
    if (within < 0.14) {
        return weave.gap.rgb();
    }
    const QColor colour = row_on_top ? weave.rows : weave.columns;
    return Shade(colour, AlongStrand(along) * AcrossStrand((within - 0.14) / 0.86));
}

}  // namespace

QImage PlaitingArea(QSize size, bool diagonal, int strip) {
    const Weave weave = diagonal
                            ? Weave{QColor(70, 130, 210), QColor(40, 86, 170), QColor(10, 24, 60)}
                            : Weave{QColor(226, 176, 70), QColor(196, 58, 44), QColor(60, 20, 10)};
    QImage area(size, QImage::Format_RGB32);
    const double cx = size.width() / 2.0;
    const double cy = size.height() / 2.0;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            // Sample the pixel centre, measured from the middle so the weave
            // is symmetric on the card.
            const double px = x + 0.5 - cx;
            const double py = y + 0.5 - cy;
            const double u = diagonal ? (px + py) / (strip * std::numbers::sqrt2) : px / strip;
            const double v = diagonal ? (px - py) / (strip * std::numbers::sqrt2) : py / strip;
            area.setPixel(x, y, WeavePixel(weave, u + 0.5, v + 0.5, strip >= 8 ? 2 : 1));
        }
    }
    return area;
}

QImage ClassicBlueArea(QSize size) {
    const QColor ground(18, 52, 150);
    const QColor line(92, 140, 226);
    const QColor dot(210, 226, 255);
    QImage area(size, QImage::Format_RGB32);
    const int period = size.width() > 40 ? 6 : 4;
    const int half = period / 2;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            // Mirror round the centre so the lattice is the same seen from
            // either end.
            const int mx = std::min(x, size.width() - 1 - x);
            const int my = std::min(y, size.height() - 1 - y);
            const int a = (mx + my) % period;
            const int b = (mx - my + 1000 * period) % period;
            QRgb pixel = ground.rgb();
            if (a == 0 || b == 0) {
                pixel = line.rgb();
            } else if (a == half && b == half) {
                pixel = dot.rgb();
            }
            area.setPixel(x, y, pixel);
        }
    }
    // A light inner frame two pixels in.
    for (int x = 2; x < size.width() - 2; ++x) {
        area.setPixel(x, 2, dot.rgb());
        area.setPixel(x, size.height() - 3, dot.rgb());
    }
    for (int y = 2; y < size.height() - 2; ++y) {
        area.setPixel(2, y, dot.rgb());
        area.setPixel(size.width() - 3, y, dot.rgb());
    }
    return area;
}

}  // namespace velmora::rgfgen
