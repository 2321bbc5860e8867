#include "card_backs.h"

#include <QString>

#include "pixel_scale.h"
#include "resource_sink.h"

namespace velmora::rgfgen {

namespace {

// The picture starts inside the outline and one white pixel: a narrow
// margin, so that the few pixels a face-down card shows in a fan are mostly
// picture.
constexpr int kPictureInset = 2;

QImage PaintedArea(QSize size, int scale, void (*paint)(QPainter&)) {
    QImage area = ScaledImage(size, QImage::Format_RGB32, scale);
    area.fill(Qt::black);
    QPainter p(&area);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(size.width() / 100.0, size.height() / 140.0);
    paint(p);
    return area;
}

QImage BackArea(const CardSize& size, int number, QSize area, int scale) {
    switch (number) {
        case 1:
            return PaintedArea(area, scale, PaintLeonardo);
        case 3:
            return PaintedArea(area, scale, PaintSnowman);
        case 6:
            return PlaitingArea(area, false, size.small() ? 5 : (size.letter == 'B' ? 10 : 8),
                                scale);
        case 7:
            return ClassicBlueArea(area, scale);
        case 11:
            return PlaitingArea(area, true, size.small() ? 4 : (size.letter == 'B' ? 9 : 8), scale);
        case 14:
            return PaintedArea(area, scale, PaintRoses);
        case 19:
            return PaintedArea(area, scale, PaintTropicalFish);
        default:
            return PaintedArea(area, scale, PaintLake);
    }
}

}  // namespace

QImage DrawCardBack(const CardSize& size, int number, int scale) {
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

void AddCardBacks(ResourceSink& sink) {
    for (const CardSize& size : kCardSizes) {
        for (int number : kCardBackNumbers) {
            const std::string name =
                "D" + size.tag() + QString("%1").arg(number, 3, 10, QChar('0')).toStdString();
            sink.AddBitmapTwins(name, [&](int scale) { return DrawCardBack(size, number, scale); });
        }
    }
}

}  // namespace velmora::rgfgen
