#include "card_backs.h"

#include <QString>

#include "resource_sink.h"

namespace velmora::rgfgen {

namespace {

// White margin between the card edge and the picture.
int MarginFor(const CardSize& size) {
    return size.small() ? 2 : 3;
}

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

// A dark line round the picture, with its corners cut like the card's.
void FramePicture(QImage& card, QRect frame) {
    QPainter p(&card);
    p.setPen(QColor(40, 40, 40));
    p.drawLine(frame.left() + 1, frame.top(), frame.right() - 1, frame.top());
    p.drawLine(frame.left() + 1, frame.bottom(), frame.right() - 1, frame.bottom());
    p.drawLine(frame.left(), frame.top() + 1, frame.left(), frame.bottom() - 1);
    p.drawLine(frame.right(), frame.top() + 1, frame.right(), frame.bottom() - 1);
}

}  // namespace

QImage DrawCardBack(const CardSize& size, int number) {
    QImage card = BlankCard(size, QColor(255, 255, 255), QColor(32, 32, 32));
    const int margin = MarginFor(size);
    const QRect frame(margin, margin, size.width - 2 * margin, size.height - 2 * margin);
    const QRect inside = frame.adjusted(1, 1, -1, -1);
    {
        QPainter p(&card);
        p.drawImage(inside.topLeft(), BackArea(size, number, inside.size()));
    }
    FramePicture(card, frame);
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
