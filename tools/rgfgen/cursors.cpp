#include "cursors.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include "resource_sink.h"
#include "art/shapes.h"
#include "art_names.h"

namespace velmora::rgfgen {

namespace {

struct HandStyle {
    QColor skin;
    QColor cuff;
};

const HandStyle kBareHand{QColor(250, 214, 172), QColor(60, 100, 200)};
const HandStyle kGlove{QColor(255, 255, 255), QColor(200, 40, 40)};

QImage Canvas() {
    QImage image(kCursorSize, kCursorSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QPainterPath Rounded(const QRectF& box, double radius) {
    QPainterPath path;
    path.addRoundedRect(box, radius, radius);
    return path;
}

void DrawArrow(QPainter& p, QColor fill) {
    QPainterPath arrow;
    arrow.moveTo(1.5, 1.5);
    arrow.lineTo(1.5, 22);
    arrow.lineTo(6.5, 17);
    arrow.lineTo(10, 24.5);
    arrow.lineTo(13, 23.2);
    arrow.lineTo(9.5, 16);
    arrow.lineTo(16, 16);
    arrow.closeSubpath();
    p.setPen(RoundPen(QColor(0, 0, 0)));
    p.setBrush(fill);
    p.drawPath(arrow);
}

// A face-down card hanging from the pointer: the run being carried.
void DrawCarriedCard(QPainter& p, QPointF at) {
    p.setPen(RoundPen(QColor(0, 0, 0)));
    p.setBrush(QColor(255, 255, 255));
    p.drawRoundedRect(QRectF(at.x(), at.y(), 11, 14), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 80, 190));
    p.drawRect(QRectF(at.x() + 2, at.y() + 2, 7, 10));
}

// A right hand pointing up with the index finger; its tip is the hotspot.
void DrawPointingHand(QPainter& p, const HandStyle& style) {
    QPainterPath hand = Rounded(QRectF(10, 1, 5, 17), 2.5);
    hand = hand.united(Rounded(QRectF(14.5, 9.5, 4.5, 9), 2.2));
    hand = hand.united(Rounded(QRectF(18.5, 10.5, 4.5, 9), 2.2));
    hand = hand.united(Rounded(QRectF(22.5, 12, 4, 8.5), 2));
    hand = hand.united(Rounded(QRectF(9, 15, 17.5, 13), 4));
    QTransform thumb;
    thumb.translate(8.5, 19);
    thumb.rotate(-45);
    hand = hand.united(thumb.map(Rounded(QRectF(-2.3, -7, 4.6, 10), 2.3)));
    p.setPen(RoundPen(QColor(0, 0, 0)));
    p.setBrush(style.skin);
    p.drawPath(hand.simplified());
    p.setBrush(style.cuff);
    p.drawRect(QRectF(10.5, 27.5, 15, 4));
    p.setPen(QPen(QColor(0, 0, 0, 150), 1.0));
    p.drawLine(QPointF(14.8, 13), QPointF(14.8, 17));
    p.drawLine(QPointF(18.7, 13), QPointF(18.7, 18));
    p.drawLine(QPointF(22.6, 14.5), QPointF(22.6, 19));
}

// The same hand closed round a card.
void DrawGrabbingHand(QPainter& p, const HandStyle& style) {
    DrawCarriedCard(p, QPointF(11.5, 1.5));
    QPainterPath fist = Rounded(QRectF(7.5, 9.5, 18, 14), 5);
    for (int i = 0; i < 4; ++i) {
        fist = fist.united(Rounded(QRectF(8 + i * 4.4, 7, 4.6, 8), 2.3));
    }
    QTransform thumb;
    thumb.translate(9, 16);
    thumb.rotate(-70);
    fist = fist.united(thumb.map(Rounded(QRectF(-2.3, -8, 4.6, 10), 2.3)));
    p.setPen(RoundPen(QColor(0, 0, 0)));
    p.setBrush(style.skin);
    p.drawPath(fist.simplified());
    p.setPen(QPen(QColor(0, 0, 0, 150), 1.0));
    for (int i = 1; i < 4; ++i) {
        p.drawLine(QPointF(8 + i * 4.4, 8.5), QPointF(8 + i * 4.4, 13));
    }
    p.setPen(RoundPen(QColor(0, 0, 0)));
    p.setBrush(style.cuff);
    p.drawRect(QRectF(9.5, 23.5, 14, 4));
}

CursorPicture Arrow(const std::string& name, QColor fill, bool carrying) {
    QImage image = Canvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    if (carrying) {
        DrawCarriedCard(p, QPointF(12.5, 12.5));
    }
    DrawArrow(p, fill);
    p.end();
    return {name, image.convertToFormat(QImage::Format_ARGB32), QPoint(1, 1)};
}

CursorPicture RightHand(const std::string& name, const HandStyle& style, bool carrying) {
    QImage image = Canvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    carrying ? DrawGrabbingHand(p, style) : DrawPointingHand(p, style);
    p.end();
    return {name, image.convertToFormat(QImage::Format_ARGB32),
            carrying ? QPoint(16, 14) : QPoint(12, 1)};
}

CursorPicture Mirrored(const std::string& name, const CursorPicture& right) {
    return {name, right.image.mirrored(true, false),
            QPoint(kCursorSize - 1 - right.hotspot.x(), right.hotspot.y())};
}

}  // namespace

std::vector<CursorPicture> DrawCursors() {
    std::vector<CursorPicture> cursors;
    for (char variant : {'A', 'B'}) {
        const bool carrying = variant == 'B';
        const std::string v(1, variant);
        cursors.push_back(Arrow("CUR_ARROW1" + v, QColor(255, 255, 255), carrying));
        cursors.push_back(Arrow("CUR_ARROW2" + v, QColor(250, 200, 40), carrying));
        const CursorPicture bare = RightHand("CUR_RIGHT_HAND1" + v, kBareHand, carrying);
        const CursorPicture glove = RightHand("CUR_RIGHT_HAND2" + v, kGlove, carrying);
        cursors.push_back(bare);
        cursors.push_back(glove);
        cursors.push_back(Mirrored("CUR_LEFT_HAND1" + v, bare));
        cursors.push_back(Mirrored("CUR_LEFT_HAND2" + v, glove));
    }
    return cursors;
}

void AddCursors(ResourceSink& sink) {
    for (const CursorPicture& cursor : DrawCursors()) {
        sink.AddCursor(cursor.name, cursor.image, cursor.hotspot);
    }
}

}  // namespace velmora::rgfgen
