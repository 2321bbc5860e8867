#include "card_backs.h"

#include <QString>

#include "resource_sink.h"

namespace velmora::rgfgen {

namespace {

// The picture starts inside the outline and one white pixel: a narrow
// margin, so that the few pixels a face-down card shows in a fan are mostly
// picture.
constexpr int kPictureInset = 2;

QImage PaintedArea(QSize size, void (*paint)(QPainter&)) {
    QImage area(size, QImage::Format_RGB32);
    area.fill(Qt::black);
    QPainter p(&area);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(size.width() / 100.0, size.height() / 140.0);
    paint(p);
    return area;
}

QImage BackArea(const CardSize& size, int number, QSize area) {
    switch (number) {
        case 1:
            return PaintedArea(area, PaintLeonardo);
        case 3:
            return PaintedArea(area, PaintSnowman);
        case 6:
            return PlaitingArea(area, false, size.small() ? 5 : (size.letter == 'B' ? 10 : 8));
        case 7:
            return ClassicBlueArea(area);
        case 11:
            return PlaitingArea(area, true, size.small() ? 4 : (size.letter == 'B' ? 9 : 8));
        case 14:
            return PaintedArea(area, PaintRoses);
        case 19:
            return PaintedArea(area, PaintTropicalFish);
        default:
            return PaintedArea(area, PaintLake);
    }
}

}  // namespace

QImage DrawCardBack(const CardSize& size, int number) {
    QImage card = BlankCard(size, QColor(255, 255, 255), QColor(32, 32, 32));
    const QRect inside(kPictureInset, kPictureInset, size.width - 2 * kPictureInset,
                       size.height - 2 * kPictureInset);
    {
        QPainter p(&card);
        p.drawImage(inside.topLeft(), BackArea(size, number, inside.size()));
    }
    ClearCorners(card, size);
    return card;
}

void AddCardBacks(ResourceSink& sink) {
    for (const CardSize& size : kCardSizes) {
        for (int number : kCardBackNumbers) {
            const std::string name =
                "D" + size.tag() + QString("%1").arg(number, 3, 10, QChar('0')).toStdString();
            sink.AddBitmap(name, DrawCardBack(size, number));
        }
    }
}

}  // namespace velmora::rgfgen
