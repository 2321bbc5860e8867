// The picture backs, each painted in a 100 x 140 box.

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>

#include "art/card_backs.h"
#include "art/random.h"
#include "art/shapes.h"

namespace velmora::art {

namespace {

void VerticalGradient(QPainter& p, const QRectF& box, QColor top, QColor bottom) {
    QLinearGradient gradient(box.topLeft(), box.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    p.fillRect(box, gradient);
}

// A ridge of hills or mountains through the given points, closed downwards.
QPainterPath Ridge(std::initializer_list<QPointF> points, double bottom) {
    QPainterPath path;
    path.moveTo(points.begin()->x(), bottom);
    for (QPointF point : points) {
        path.lineTo(point);
    }
    path.lineTo((points.end() - 1)->x(), bottom);
    path.closeSubpath();
    return path;
}

// ---- Leonardo da Vinci: a lady in the manner of a Renaissance portrait.

void LeonardoLandscape(QPainter& p) {
    VerticalGradient(p, QRectF(0, 0, 100, 140), QColor(176, 178, 136), QColor(70, 80, 52));
    FillPath(p,
             Ridge({{0, 46}, {14, 36}, {28, 44}, {40, 34}, {60, 40}, {76, 30}, {90, 40}, {100, 34}},
                   140),
             QColor(116, 136, 124));
    // A river winding through the hazy valley.
    QPen river(QColor(146, 160, 136), 2.2);
    river.setCapStyle(Qt::RoundCap);
    p.setPen(river);
    p.setBrush(Qt::NoBrush);
    QPainterPath path;
    path.moveTo(2, 64);
    path.cubicTo(12, 58, 4, 52, 16, 48);
    path.moveTo(98, 60);
    path.cubicTo(88, 56, 96, 50, 84, 46);
    p.drawPath(path);
    FillPath(p, Ridge({{0, 66}, {20, 60}, {36, 68}, {64, 62}, {82, 66}, {100, 60}}, 140),
             QColor(92, 100, 66));
}

void LeonardoLady(QPainter& p) {
    const QColor hair(54, 34, 20);
    const QColor dress(44, 36, 24);
    // Hair falling behind the shoulders.
    QPainterPath back_hair;
    back_hair.moveTo(31, 46);
    back_hair.cubicTo(28, 14, 72, 14, 69, 46);
    back_hair.cubicTo(70, 60, 74, 70, 78, 80);
    back_hair.lineTo(22, 80);
    back_hair.cubicTo(26, 70, 30, 60, 31, 46);
    FillPath(p, back_hair, hair);
    QPainterPath body;
    body.moveTo(6, 141);
    body.cubicTo(8, 100, 18, 80, 38, 72);
    body.lineTo(62, 72);
    body.cubicTo(82, 80, 92, 100, 94, 141);
    body.closeSubpath();
    FillPath(p, body, dress);
    QRadialGradient skin(QPointF(46, 40), 24);
    skin.setColorAt(0, QColor(236, 202, 146));
    skin.setColorAt(1, QColor(170, 122, 76));
    QPainterPath neck;
    neck.moveTo(43, 54);
    neck.lineTo(57, 54);
    neck.lineTo(62, 74);
    neck.cubicTo(56, 84, 44, 84, 38, 74);
    neck.closeSubpath();
    FillPath(p, neck, QBrush(skin));
    // Locks of hair over the shoulders, framing the face.
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath lock;
        lock.moveTo(50 + side * 12, 30);
        lock.cubicTo(50 + side * 16, 46, 50 + side * 16, 62, 50 + side * 26, 80);
        lock.lineTo(50 + side * 18, 80);
        lock.cubicTo(50 + side * 10, 66, 50 + side * 11, 48, 50 + side * 9, 34);
        lock.closeSubpath();
        FillPath(p, lock, hair);
    }
    FillPath(p, Ellipse(QPointF(50, 41), 12, 16), QBrush(skin));
    // Hands folded at the waist.
    FillPath(p, Ellipse(QPointF(57, 116), 14, 7), QBrush(skin));
    FillPath(p, Ellipse(QPointF(44, 122), 13, 6.5), QBrush(skin));
    p.setPen(QPen(QColor(150, 100, 60), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(36, 120), QPointF(52, 118));
    // Quiet features: brows, eyes, nose and the faint smile.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 36, 22));
    p.drawEllipse(QPointF(45, 39), 2.2, 1.4);
    p.drawEllipse(QPointF(55, 39), 2.2, 1.4);
    p.setPen(QPen(QColor(146, 96, 56), 1.2));
    p.drawLine(QPointF(50, 41), QPointF(49, 47));
    p.setPen(QPen(QColor(126, 66, 46), 1.4));
    QPainterPath smile;
    smile.moveTo(45.5, 51);
    smile.quadTo(50, 53.5, 54.5, 50.5);
    p.setBrush(Qt::NoBrush);
    p.drawPath(smile);
    // A thin veil across the brow.
    p.setPen(QPen(QColor(30, 20, 12, 160), 1.0));
    p.drawArc(QRectF(37, 24, 26, 16), 20 * 16, 140 * 16);
    // Folds of the sleeves.
    p.setPen(QPen(QColor(96, 74, 44), 1.5));
    p.drawLine(QPointF(22, 102), QPointF(34, 114));
    p.drawLine(QPointF(72, 96), QPointF(78, 108));
}

// ---- Snowman: a snowman with hat, scarf and carrot nose on a winter night.

void SnowmanSnow(QPainter& p) {
    VerticalGradient(p, QRectF(0, 0, 100, 140), QColor(20, 40, 110), QColor(120, 170, 230));
    QPainterPath drift;
    drift.moveTo(0, 104);
    drift.cubicTo(30, 96, 60, 110, 100, 100);
    drift.lineTo(100, 140);
    drift.lineTo(0, 140);
    drift.closeSubpath();
    FillPath(p, drift, QColor(236, 244, 255));
    Random random("snowman flakes");
    p.setBrush(QColor(255, 255, 255));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 40; ++i) {
        const double r = random.Range(0.8, 2.0);
        p.drawEllipse(QPointF(random.Range(2, 98), random.Range(2, 100)), r, r);
    }
}

void SnowmanFigure(QPainter& p) {
    const QColor snow(250, 252, 255);
    QPen rim(QColor(150, 170, 200), 1.0);
    p.setPen(rim);
    p.setBrush(snow);
    p.drawEllipse(QPointF(50, 106), 25, 22);
    p.drawEllipse(QPointF(50, 72), 18, 16);
    p.drawEllipse(QPointF(50, 46), 13, 12);
    // Stick arms.
    QPen stick(QColor(110, 70, 30), 2.2);
    stick.setCapStyle(Qt::RoundCap);
    p.setPen(stick);
    p.drawLine(QPointF(34, 70), QPointF(14, 56));
    p.drawLine(QPointF(20, 60), QPointF(16, 52));
    p.drawLine(QPointF(66, 70), QPointF(86, 56));
    p.drawLine(QPointF(80, 60), QPointF(86, 50));
    // Top hat.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 24));
    p.drawRect(QRectF(36, 32, 28, 4));
    p.drawRect(QRectF(40, 14, 20, 19));
    p.setBrush(QColor(200, 30, 40));
    p.drawRect(QRectF(40, 28, 20, 3));
    // Face, coal buttons and the carrot.
    p.setBrush(QColor(20, 20, 24));
    for (QPointF coal : {QPointF(45, 43), QPointF(55, 43), QPointF(50, 68), QPointF(50, 76),
                         QPointF(50, 98), QPointF(50, 108)}) {
        p.drawEllipse(coal, 1.8, 1.8);
    }
    QPainterPath carrot;
    carrot.moveTo(50, 47);
    carrot.lineTo(66, 50);
    carrot.lineTo(50, 51);
    carrot.closeSubpath();
    FillPath(p, carrot, QColor(244, 120, 20));
    // Red scarf with a hanging end.
    QPainterPath scarf;
    scarf.moveTo(36, 56);
    scarf.cubicTo(44, 62, 56, 62, 64, 56);
    scarf.lineTo(64, 61);
    scarf.cubicTo(56, 67, 44, 67, 36, 61);
    scarf.closeSubpath();
    FillPath(p, scarf, QColor(210, 30, 40));
    FillPath(p, Ridge({{56, 62}, {62, 62}, {64, 80}, {58, 80}}, 62), QColor(210, 30, 40));
}

// ---- Roses: red roses and leaves on dark green.

void Rose(QPainter& p, QPointF centre, double radius) {
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath leaf;
        const QPointF base = centre + QPointF(side * radius * 0.7, radius * 0.6);
        const QPointF tip = centre + QPointF(side * radius * 1.9, radius * 1.3);
        leaf.moveTo(base);
        leaf.quadTo(QPointF(tip.x(), base.y() - radius * 0.3), tip);
        leaf.quadTo(QPointF(base.x(), tip.y() + radius * 0.2), base);
        FillPath(p, leaf, QColor(40, 130, 50));
    }
    QRadialGradient bloom(centre, radius);
    bloom.setColorAt(0, QColor(150, 0, 20));
    bloom.setColorAt(1, QColor(226, 40, 60));
    FillPath(p, Ellipse(centre, radius, radius * 0.92), QBrush(bloom));
    // Petal edges as a spiral of arcs.
    QPen petal(QColor(110, 0, 16), std::max(0.8, radius * 0.11));
    petal.setCapStyle(Qt::RoundCap);
    p.setPen(petal);
    p.setBrush(Qt::NoBrush);
    for (int turn = 0; turn < 3; ++turn) {
        const double r = radius * (0.8 - turn * 0.25);
        const double start = turn * 110.0;
        p.drawArc(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r),
                  static_cast<int>(start * 16), static_cast<int>(200 * 16));
    }
}

// ---- Tropical fish: angelfish and clownfish among weed and bubbles.

void Angelfish(QPainter& p, QPointF at, double size, bool facing_left) {
    p.save();
    p.translate(at);
    p.scale(facing_left ? -size / 20.0 : size / 20.0, size / 20.0);
    QPainterPath body;
    body.moveTo(12, 0);
    body.cubicTo(6, -8, -2, -18, -4, -22);
    body.cubicTo(-6, -12, -10, -6, -12, 0);
    body.cubicTo(-10, 6, -6, 12, -4, 22);
    body.cubicTo(-2, 18, 6, 8, 12, 0);
    body.closeSubpath();
    QPainterPath tail;
    tail.moveTo(-11, 0);
    tail.lineTo(-20, -7);
    tail.lineTo(-20, 7);
    tail.closeSubpath();
    FillPath(p, tail, QColor(250, 210, 40));
    FillPath(p, body, QColor(250, 210, 40));
    p.setClipPath(body);
    p.setPen(QPen(QColor(20, 20, 30), 2.6));
    p.drawLine(QPointF(-6, -20), QPointF(-6, 20));
    p.drawLine(QPointF(2, -20), QPointF(2, 20));
    p.setClipping(false);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 30));
    p.drawEllipse(QPointF(7, -2), 1.4, 1.4);
    p.restore();
}

void Clownfish(QPainter& p, QPointF at, double size, bool facing_left) {
    p.save();
    p.translate(at);
    p.scale(facing_left ? -size / 20.0 : size / 20.0, size / 20.0);
    QPainterPath body;
    body.addEllipse(QPointF(0, 0), 13, 7);
    QPainterPath tail;
    tail.moveTo(-11, 0);
    tail.lineTo(-19, -6);
    tail.lineTo(-19, 6);
    tail.closeSubpath();
    FillPath(p, tail, QColor(250, 110, 20));
    FillPath(p, body, QColor(250, 110, 20));
    p.setClipPath(body);
    p.setPen(QPen(QColor(255, 255, 255), 3.0));
    p.drawLine(QPointF(6, -8), QPointF(6, 8));
    p.drawLine(QPointF(-3, -8), QPointF(-3, 8));
    p.setClipping(false);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 30));
    p.drawEllipse(QPointF(9, -2), 1.3, 1.3);
    p.restore();
}

void Seaweed(QPainter& p, double x, double height, double sway) {
    QPen weed(QColor(40, 150, 80), 3.0);
    weed.setCapStyle(Qt::RoundCap);
    p.setPen(weed);
    p.setBrush(Qt::NoBrush);
    QPainterPath stalk;
    stalk.moveTo(x, 140);
    stalk.cubicTo(x + sway, 140 - height / 3, x - sway, 140 - 2 * height / 3, x + sway / 2,
                  140 - height);
    p.drawPath(stalk);
}

// ---- Lake: mountains mirrored in a still lake, pines on the shore.

void Pine(QPainter& p, double x, double base, double height) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 70, 40));
    for (int tier = 0; tier < 3; ++tier) {
        const double top = base - height + tier * height * 0.25;
        const double width = height * (0.22 + tier * 0.1);
        QPainterPath t;
        t.moveTo(x, top);
        t.lineTo(x + width, top + height * 0.4);
        t.lineTo(x - width, top + height * 0.4);
        t.closeSubpath();
        p.drawPath(t);
    }
}

QPainterPath Mountains() {
    return Ridge({{0, 64}, {16, 40}, {28, 52}, {46, 26}, {60, 46}, {74, 34}, {100, 60}}, 74);
}

}  // namespace

void PaintLeonardo(QPainter& p) {
    LeonardoLandscape(p);
    LeonardoLady(p);
}

void PaintSnowman(QPainter& p) {
    SnowmanSnow(p);
    SnowmanFigure(p);
}

void PaintRoses(QPainter& p) {
    p.fillRect(QRectF(0, 0, 100, 140), QColor(16, 54, 28));
    // Small roses in a lattice, a large one in the middle.
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 3; ++column) {
            const double x = 18 + column * 32 + (row % 2) * 16 - 8;
            const double y = 14 + row * 28;
            if (row == 2 && column == 1) {
                continue;
            }
            Rose(p, QPointF(x, y), 7.5);
        }
    }
    Rose(p, QPointF(50, 70), 17);
}

void PaintTropicalFish(QPainter& p) {
    VerticalGradient(p, QRectF(0, 0, 100, 140), QColor(60, 200, 220), QColor(10, 50, 130));
    FillPath(p, Ridge({{0, 130}, {30, 126}, {60, 132}, {100, 127}}, 141), QColor(226, 206, 150));
    Seaweed(p, 12, 46, 8);
    Seaweed(p, 20, 32, -6);
    Seaweed(p, 86, 52, -9);
    Angelfish(p, QPointF(60, 40), 22, false);
    Clownfish(p, QPointF(30, 78), 18, true);
    Angelfish(p, QPointF(34, 112), 14, true);
    Clownfish(p, QPointF(72, 98), 14, false);
    QPen bubble(QColor(220, 250, 255), 1.0);
    p.setPen(bubble);
    p.setBrush(Qt::NoBrush);
    Random random("fish bubbles");
    for (int i = 0; i < 9; ++i) {
        const double r = random.Range(1.2, 2.6);
        p.drawEllipse(QPointF(random.Range(60, 90), 70 - i * 7.0), r, r);
    }
}

void PaintLake(QPainter& p) {
    VerticalGradient(p, QRectF(0, 0, 100, 74), QColor(90, 150, 230), QColor(214, 230, 250));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 236, 150));
    p.drawEllipse(QPointF(80, 16), 7, 7);
    const QPainterPath mountains = Mountains();
    FillPath(p, mountains, QColor(96, 110, 150));
    // Snow caps: the mountains clipped to their upper part.
    p.save();
    p.setClipRect(QRectF(0, 0, 100, 40));
    FillPath(p, mountains, QColor(246, 248, 255));
    p.restore();
    // The lake and the mirrored mountains in it.
    VerticalGradient(p, QRectF(0, 74, 100, 66), QColor(60, 110, 180), QColor(20, 50, 110));
    p.save();
    p.translate(0, 148);
    p.scale(1, -1);
    FillPath(p, mountains, QColor(72, 92, 150));
    p.restore();
    p.setPen(QPen(QColor(200, 220, 250), 1.0));
    for (double y : {84.0, 96.0, 110.0}) {
        p.drawLine(QPointF(20, y), QPointF(44, y));
        p.drawLine(QPointF(58, y + 5), QPointF(86, y + 5));
    }
    // Shore with pines.
    FillPath(p, Ridge({{0, 118}, {24, 122}, {50, 130}, {70, 141}}, 141), QColor(50, 110, 50));
    Pine(p, 8, 124, 30);
    Pine(p, 20, 128, 24);
    Pine(p, 32, 134, 18);
}

}  // namespace velmora::art
