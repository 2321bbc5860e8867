// Table backgrounds "B" + number: textures that tile seamlessly (the table
// repeats them across and down).

#include "backgrounds.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <numbers>

#include "noise.h"
#include "art/random.h"
#include "art_names.h"
#include "resource_sink.h"

namespace velmora::rgfgen {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kTile = 128;

QRgb Mix(QColor a, QColor b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    const auto channel = [t](int x, int y) {
        return static_cast<int>(std::lround(x + (y - x) * t));
    };
    return qRgb(channel(a.red(), b.red()), channel(a.green(), b.green()),
                channel(a.blue(), b.blue()));
}

QRgb Scale(QRgb colour, double light) {
    const auto channel = [light](int c) {
        return std::clamp(static_cast<int>(std::lround(c * light)), 0, 255);
    };
    return qRgb(channel(qRed(colour)), channel(qGreen(colour)), channel(qBlue(colour)));
}

// A texture computed pixel by pixel from its position in the tile (0..1).
QImage FromField(QSize size, const std::function<QRgb(double, double)>& field) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            image.setPixel(x, y, field((x + 0.5) / size.width(), (y + 0.5) / size.height()));
        }
    }
    return image;
}

// Paints `paint` nine times, shifted by one tile each way, so shapes that
// cross an edge come back in on the other side.
void PaintWrapped(QImage& image, const std::function<void(QPainter&)>& paint) {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            p.save();
            p.translate(dx * image.width(), dy * image.height());
            paint(p);
            p.restore();
        }
    }
}

QImage Marble() {
    const TilingFractal turbulence(4, 4, 5, 0.55, Random::Hash("marble"));
    const TilingFractal cloud(3, 3, 4, 0.5, Random::Hash("marble cloud"));
    return FromField({kTile, kTile}, [&](double u, double v) {
        const double t = turbulence.At(u, v);
        const double vein = std::pow(std::abs(std::sin(2 * kPi * (u + v) + 7.0 * t)), 0.35);
        const QRgb stone =
            Mix(QColor(180, 182, 190), QColor(240, 238, 232), cloud.At(u, v) * 1.4 - 0.2);
        return Mix(QColor(96, 98, 112), stone, vein);
    });
}

QImage MetalGold() {
    // Streaks along the brushing: few cells across, many down.
    const TilingFractal streaks(2, 64, 3, 0.6, Random::Hash("metal gold"));
    const TilingNoise sheen(1, 2, Random::Hash("gold sheen"));
    return FromField({kTile, kTile}, [&](double u, double v) {
        const double light = 0.55 * streaks.At(u, v) + 0.45 * sheen.At(u, v);
        return Mix(QColor(150, 104, 28), QColor(252, 218, 120), light * 1.3 - 0.1);
    });
}

void Leaf(QPainter& p, QPointF at, double length, double angle, QColor colour) {
    p.save();
    p.translate(at);
    p.rotate(angle);
    QPainterPath leaf;
    leaf.moveTo(-length / 2, 0);
    leaf.cubicTo(-length / 4, -length * 0.32, length / 4, -length * 0.3, length / 2, 0);
    leaf.cubicTo(length / 4, length * 0.3, -length / 4, length * 0.32, -length / 2, 0);
    p.setPen(QPen(QColor(colour).darker(150), 0.8));
    p.setBrush(colour);
    p.drawPath(leaf);
    p.setPen(QPen(QColor(colour).lighter(135), 0.8));
    p.drawLine(QPointF(-length / 2, 0), QPointF(length / 2 - 2, 0));
    p.restore();
}

QImage Leaves() {
    QImage image(kTile, kTile, QImage::Format_RGB32);
    image.fill(QColor(22, 52, 20));
    PaintWrapped(image, [](QPainter& p) {
        Random random("leaves");
        for (int i = 0; i < 70; ++i) {
            const QColor colour(static_cast<int>(random.Range(40, 110)),
                                static_cast<int>(random.Range(100, 170)),
                                static_cast<int>(random.Range(20, 50)));
            Leaf(p, QPointF(random.Range(0, kTile), random.Range(0, kTile)), random.Range(18, 30),
                 random.Range(0, 360), colour);
        }
    });
    return image;
}

QImage Meadow() {
    QImage image(kTile, kTile, QImage::Format_RGB32);
    image.fill(QColor(52, 110, 34));
    PaintWrapped(image, [](QPainter& p) {
        Random random("meadow");
        for (int i = 0; i < 900; ++i) {
            const QPointF root(random.Range(0, kTile), random.Range(0, kTile));
            const double length = random.Range(5, 11);
            const double lean = random.Range(-3, 3);
            const QColor blade(static_cast<int>(random.Range(50, 120)),
                               static_cast<int>(random.Range(120, 190)),
                               static_cast<int>(random.Range(30, 60)));
            p.setPen(QPen(blade, 1.1));
            p.drawLine(root, root + QPointF(lean, -length));
        }
        for (int i = 0; i < 14; ++i) {
            const QPointF flower(random.Range(0, kTile), random.Range(0, kTile));
            p.setPen(Qt::NoPen);
            p.setBrush(i % 3 ? QColor(250, 240, 120) : QColor(250, 250, 250));
            p.drawEllipse(flower, 1.8, 1.8);
        }
    });
    return image;
}

QImage Pattern() {
    // Interlocking rings on a deep teal ground, one ring per 32-pixel cell.
    return FromField({kTile, kTile}, [](double u, double v) {
        const double cx = u * 4 - std::floor(u * 4) - 0.5;
        const double cy = v * 4 - std::floor(v * 4) - 0.5;
        const double ring = std::abs(std::hypot(cx, cy) - 0.36);
        const double dx = std::abs(cx) - 0.5;
        const double dy = std::abs(cy) - 0.5;
        const double corner = std::abs(std::hypot(dx, dy) - 0.14);
        if (ring < 0.045) {
            return Mix(QColor(230, 200, 120), QColor(150, 110, 40), ring / 0.045);
        }
        if (corner < 0.04) {
            return qRgb(170, 40, 60);
        }
        return Mix(QColor(16, 78, 84), QColor(10, 56, 62), std::hypot(cx, cy) * 1.4);
    });
}

QImage Moquette() {
    const TilingFractal pile(8, 8, 3, 0.5, Random::Hash("moquette"));
    Random random("moquette loops");
    QImage image = FromField({kTile, kTile}, [&](double u, double v) {
        return Mix(QColor(90, 16, 30), QColor(156, 40, 54), pile.At(u, v) * 1.3 - 0.15);
    });
    // Each loop of the pile catches the light a little differently.
    for (int y = 0; y < kTile; ++y) {
        for (int x = 0; x < kTile; ++x) {
            const double loop = ((x + y) % 2 ? 0.92 : 1.04) * random.Range(0.9, 1.1);
            image.setPixel(x, y, Scale(image.pixel(x, y), loop));
        }
    }
    return image;
}

QImage BrickWall() {
    constexpr int kBrickWidth = 32;
    constexpr int kBrickHeight = 16;
    constexpr int kMortar = 2;
    const TilingFractal grit(16, 16, 3, 0.5, Random::Hash("brick grit"));
    Random random("bricks");
    double tone[kTile / kBrickHeight][kTile / kBrickWidth];
    for (auto& row : tone) {
        for (double& t : row) {
            t = random.Range(0, 1);
        }
    }
    QImage image(kTile, kTile, QImage::Format_RGB32);
    for (int y = 0; y < kTile; ++y) {
        const int row = y / kBrickHeight;
        const int shift = row % 2 ? kBrickWidth / 2 : 0;
        for (int x = 0; x < kTile; ++x) {
            const int bx = (x + shift) % kTile;
            const bool mortar = y % kBrickHeight < kMortar || bx % kBrickWidth < kMortar;
            const double g = grit.At((x + 0.5) / kTile, (y + 0.5) / kTile);
            const QRgb brick =
                Mix(QColor(140, 56, 36), QColor(186, 92, 60), tone[row][bx / kBrickWidth]);
            image.setPixel(x, y,
                           mortar ? Mix(QColor(150, 146, 136), QColor(196, 192, 182), g)
                                  : Scale(brick, 0.82 + 0.36 * g));
        }
    }
    return image;
}

QImage Parquet() {
    // Square blocks of four planks, the grain turning a quarter each block.
    constexpr int kBlock = 32;
    constexpr int kPlank = kBlock / 4;
    const TilingFractal along(4, 64, 3, 0.5, Random::Hash("parquet grain"));
    Random random("parquet planks");
    std::vector<double> tone(static_cast<size_t>((kTile / kPlank) * (kTile / kBlock)) * 2);
    for (double& t : tone) {
        t = random.Range(0, 1);
    }
    QImage image(kTile, kTile, QImage::Format_RGB32);
    for (int y = 0; y < kTile; ++y) {
        for (int x = 0; x < kTile; ++x) {
            const bool across = ((x / kBlock) + (y / kBlock)) % 2 == 0;
            const int length = across ? x : y;  // along the plank
            const int width = across ? y : x;   // across the planks
            const bool seam = width % kPlank == 0 || length % kBlock == 0;
            const size_t plank =
                static_cast<size_t>((width / kPlank) * (kTile / kBlock) + length / kBlock) * 2 +
                (across ? 1 : 0);
            const double grain = along.At((width + 0.5) / kTile, (length + 0.5) / kTile);
            const QRgb wood = Mix(QColor(150, 92, 44), QColor(206, 146, 80),
                                  0.5 * tone[plank] + 0.6 * grain - 0.1);
            image.setPixel(x, y, seam ? qRgb(92, 54, 26) : wood);
        }
    }
    return image;
}

// For screens of 256 colours or fewer: a small carpet pattern in a handful
// of plain colours.
QImage LowColourMoquette() {
    constexpr QRgb kColours[] = {qRgb(0, 64, 64), qRgb(0, 96, 96), qRgb(0, 128, 128),
                                 qRgb(128, 128, 0)};
    return FromField({32, 32}, [&](double u, double v) {
        const int x = static_cast<int>(u * 32);
        const int y = static_cast<int>(v * 32);
        const int mx = std::min(x % 16, 15 - x % 16);
        const int my = std::min(y % 16, 15 - y % 16);
        if (mx + my == 7) {
            return kColours[3];
        }
        return kColours[(x + y) % 2 + (mx + my > 7 ? 1 : 0)];
    });
}

}  // namespace

const std::vector<Background>& Backgrounds() {
    static const std::vector<Background> kAll = {
        {263, Marble},
        {287, MetalGold},
        {277, Leaves},
        {324, Meadow},
        {302, Pattern},
        {296, Moquette},
        {304, BrickWall},
        {311, Parquet},
        {102, LowColourMoquette},  // for screens of 256 colours or fewer
    };
    return kAll;
}

void AddBackgrounds(ResourceSink& sink) {
    for (const Background& background : Backgrounds()) {
        char name[8];
        std::snprintf(name, sizeof name, "B%03d", background.number);
        sink.AddBitmap(name, background.paint());
    }
}

}  // namespace velmora::rgfgen
