#include "art/pips.h"


namespace velmora::art {

namespace {

constexpr double kPipAspect = 1.12;  // height / width

QPainterPath HeartShape() {
    QPainterPath p;
    p.moveTo(50, 97);
    p.cubicTo(42, 84, 0, 62, 0, 29);
    p.cubicTo(0, 11, 12, 1, 26, 1);
    p.cubicTo(38, 1, 47, 9, 50, 21);
    p.cubicTo(53, 9, 62, 1, 74, 1);
    p.cubicTo(88, 1, 100, 11, 100, 29);
    p.cubicTo(100, 62, 58, 84, 50, 97);
    p.closeSubpath();
    return p;
}

QPainterPath DiamondShape() {
    QPainterPath p;
    p.moveTo(50, 0);
    p.cubicTo(60, 18, 72, 35, 88, 50);
    p.cubicTo(72, 65, 60, 82, 50, 100);
    p.cubicTo(40, 82, 28, 65, 12, 50);
    p.cubicTo(28, 35, 40, 18, 50, 0);
    p.closeSubpath();
    return p;
}

QPainterPath SpadeShape() {
    QPainterPath p;
    p.moveTo(50, 1);
    p.cubicTo(58, 16, 100, 38, 100, 63);
    p.cubicTo(100, 78, 89, 86, 77, 86);
    p.cubicTo(67, 86, 58, 80, 54, 72);
    p.cubicTo(55, 85, 61, 93, 71, 99);
    p.lineTo(29, 99);
    p.cubicTo(39, 93, 45, 85, 46, 72);
    p.cubicTo(42, 80, 33, 86, 23, 86);
    p.cubicTo(11, 86, 0, 78, 0, 63);
    p.cubicTo(0, 38, 42, 16, 50, 1);
    p.closeSubpath();
    return p;
}

QPainterPath ClubShape() {
    QPainterPath leaves;
    leaves.addEllipse(QPointF(50, 25), 23, 23);
    leaves.addEllipse(QPointF(24, 59), 23, 23);
    leaves.addEllipse(QPointF(76, 59), 23, 23);
    QPainterPath centre;
    centre.addRect(38, 36, 24, 30);
    QPainterPath stem;
    stem.moveTo(46, 58);
    stem.cubicTo(46, 80, 40, 92, 29, 99);
    stem.lineTo(71, 99);
    stem.cubicTo(60, 92, 54, 80, 54, 58);
    stem.closeSubpath();
    return leaves.united(centre).united(stem).simplified();
}

}  // namespace

char SuitLetter(Suit suit) {
    static constexpr char kLetters[] = {'H', 'D', 'C', 'S'};
    return kLetters[static_cast<int>(suit)];
}

const QPainterPath& SuitShape(Suit suit) {
    static const std::array<QPainterPath, 4> shapes{HeartShape(), DiamondShape(), ClubShape(),
                                                    SpadeShape()};
    return shapes[static_cast<size_t>(suit)];
}

QRectF PipBox(QPointF centre, double width) {
    const double height = width * kPipAspect;
    return {centre.x() - width / 2, centre.y() - height / 2, width, height};
}

void DrawPip(QPainter& painter, Suit suit, const QRectF& box, QColor colour, bool upside_down) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.translate(box.center());
    if (upside_down) {
        painter.rotate(180);
    }
    painter.scale(box.width() / 100.0, box.height() / 100.0);
    painter.translate(-50, -50);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(SuitShape(suit));
    painter.restore();
}

}  // namespace velmora::art
