// The woven and the classic lattice backs.

#include <algorithm>
#include <cmath>
#include <numbers>

#include "art/card_backs.h"
#include "art/pixel_scale.h"

namespace velmora::art {

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

// The classic lattice is mirrored round the centre so it is the same seen
// from either end. Its diagonal lines are placed in steps of 1 / (2 * scale)
// card pixel from a card pixel's centre, on which every device pixel's
// centre falls: the lines stay one card pixel wide and run smoothly at any
// scale.
int MirroredSteps(int device, int device_extent, int scale) {
    return std::min(2 * device + 1, 2 * device_extent - 2 * device - 1) - scale;
}

// Within half a card pixel of a multiple of `period` card pixels (the
// lower end included, so a line covers one card pixel per row).
bool OnLatticeLine(int steps, int period, int scale) {
    const int cycle = 2 * scale * period;
    return ((steps + scale) % cycle + cycle) % cycle < 2 * scale;
}

struct BlueLattice {
    QSize size;  // card pixels
    int scale;
    int period;
};

const QRgb kBlueGround = qRgb(18, 52, 150);
const QRgb kBlueLine = qRgb(92, 140, 226);
const QRgb kBlueDot = qRgb(210, 226, 255);

QRgb ClassicBluePixel(const BlueLattice& lattice, int x, int y) {
    const int s = lattice.scale;
    const int mx = MirroredSteps(x, lattice.size.width() * s, s);
    const int my = MirroredSteps(y, lattice.size.height() * s, s);
    if (OnLatticeLine(mx + my, lattice.period, s) || OnLatticeLine(mx - my, lattice.period, s)) {
        return kBlueLine;
    }
    // The dots between the lines are whole card pixels.
    const int cx = std::min(x / s, lattice.size.width() - 1 - x / s);
    const int cy = std::min(y / s, lattice.size.height() - 1 - y / s);
    const int half = lattice.period / 2;
    const bool on_dot = (cx + cy) % lattice.period == half &&
                        (cx - cy + 1000 * lattice.period) % lattice.period == half;
    return on_dot ? kBlueDot : kBlueGround;
}

}  // namespace

QImage PlaitingArea(QSize size, bool diagonal, int strip, double scale) {
    const Weave weave = diagonal
                            ? Weave{QColor(70, 130, 210), QColor(40, 86, 170), QColor(10, 24, 60)}
                            : Weave{QColor(226, 176, 70), QColor(196, 58, 44), QColor(60, 20, 10)};
    QImage area = ScaledImage(size, QImage::Format_RGB32, scale);
    const double cx = size.width() / 2.0;
    const double cy = size.height() / 2.0;
    for (int y = 0; y < area.height(); ++y) {
        for (int x = 0; x < area.width(); ++x) {
            // Sample the device pixel's centre in card pixels, measured from
            // the middle so the weave is symmetric on the card.
            const double px = (x + 0.5) / scale - cx;
            const double py = (y + 0.5) / scale - cy;
            const double u = diagonal ? (px + py) / (strip * std::numbers::sqrt2) : px / strip;
            const double v = diagonal ? (px - py) / (strip * std::numbers::sqrt2) : py / strip;
            area.setPixel(x, y, WeavePixel(weave, u + 0.5, v + 0.5, strip >= 8 ? 2 : 1));
        }
    }
    return area;
}

namespace {

// The lattice's period in card pixels: 6 on the library's big and medium
// backs, 4 on the small ones, wider on large fitted cards.
int LatticePeriod(int width) {
    if (width <= 40) {
        return 4;
    }
    return std::max(6, 2 * static_cast<int>(std::lround(width / 22.0)));
}

}  // namespace

QImage ClassicBlueArea(QSize size, double scale) {
    QImage area = ScaledImage(size, QImage::Format_RGB32, scale);
    const int period = LatticePeriod(size.width());
    const int whole = static_cast<int>(std::lround(scale));
    // Between whole scales the lattice is laid out on the device pixels
    // themselves, its period grown to match.
    const BlueLattice lattice =
        whole == scale ? BlueLattice{size, whole, period}
                       : BlueLattice{area.size(), 1,
                                     std::max(4, 2 * static_cast<int>(std::lround(period * scale / 2)))};
    for (int y = 0; y < area.height(); ++y) {
        for (int x = 0; x < area.width(); ++x) {
            area.setPixel(x, y, ClassicBluePixel(lattice, x, y));
        }
    }
    // A light inner frame two pixels in.
    for (int x = 2; x < size.width() - 2; ++x) {
        SetLogicalPixel(area, x, 2, kBlueDot);
        SetLogicalPixel(area, x, size.height() - 3, kBlueDot);
    }
    for (int y = 2; y < size.height() - 2; ++y) {
        SetLogicalPixel(area, 2, y, kBlueDot);
        SetLogicalPixel(area, size.width() - 3, y, kBlueDot);
    }
    return area;
}

}  // namespace velmora::art
