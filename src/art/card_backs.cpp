#include "art/card_backs.h"

#include <QString>
#include <algorithm>
#include <cmath>

#include "art/pixel_scale.h"

namespace velmora::art {

namespace {

// The picture starts inside the outline and one white pixel: a narrow
// margin, so that the few pixels a face-down card shows in a fan are mostly
// picture.
constexpr int kPictureInset = 2;

QImage PaintedArea(QSize size, double scale, void (*paint)(QPainter&)) {
    QImage area = ScaledImage(size, QImage::Format_RGB32, scale);
    area.fill(Qt::black);
    QPainter p(&area);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(size.width() / 100.0, size.height() / 140.0);
    paint(p);
    return area;
}

// Width of the woven strips: set by hand for the library's sizes, growing
// with the width of a fitted card.
int StripWidth(const CardSize& size, bool diagonal) {
    if (size.letter == 'F') {
        return std::max(4, static_cast<int>(std::lround(size.width * (diagonal ? 9 : 10) / 71.0)));
    }
    if (size.small()) {
        return diagonal ? 4 : 5;
    }
    return size.letter == 'B' ? (diagonal ? 9 : 10) : 8;
}

QImage BackArea(const CardSize& size, int number, QSize area, double scale) {
    switch (number) {
        case 1:
            return PaintedArea(area, scale, PaintLeonardo);
        case 3:
            return PaintedArea(area, scale, PaintSnowman);
        case 6:
            return PlaitingArea(area, false, StripWidth(size, false), scale);
        case 7:
            return ClassicBlueArea(area, scale);
        case 11:
            return PlaitingArea(area, true, StripWidth(size, true), scale);
        case 14:
            return PaintedArea(area, scale, PaintRoses);
        case 19:
            return PaintedArea(area, scale, PaintTropicalFish);
        default:
            return PaintedArea(area, scale, PaintLake);
    }
}

}  // namespace

QImage DrawCardBack(const CardSize& size, int number, double scale) {
    QImage card = BlankCard(size, QColor(255, 255, 255), QColor(32, 32, 32), scale);
    const QRect inside(kPictureInset, kPictureInset, size.width - 2 * kPictureInset,
                       size.height - 2 * kPictureInset);
    {
        QPainter p(&card);
        p.drawImage(inside.topLeft(), BackArea(size, number, inside.size(), scale));
    }
    ClearCorners(card, size);
    return card;
}

}  // namespace velmora::art
