#include "art/shapes.h"

#include <cmath>
#include <numbers>

namespace velmora::art {

QPen RoundPen(QColor colour, double width, bool cosmetic) {
    QPen pen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCosmetic(cosmetic);
    return pen;
}

double PixelWidth(const QPainter& p) {
    return p.device()->devicePixelRatio();
}

QPen InkOutline(const QPainter& p) {
    return RoundPen(QColor(24, 24, 24), PixelWidth(p), true);
}

QPainterPath Polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    auto it = points.begin();
    path.moveTo(*it);
    for (++it; it != points.end(); ++it) {
        path.lineTo(*it);
    }
    path.closeSubpath();
    return path;
}

QPainterPath Ellipse(QPointF centre, double rx, double ry) {
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

QPainterPath Star(QPointF centre, double outer, double inner) {
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const double r = i % 2 ? inner : outer;
        const QPointF point = centre + QPointF(r * std::cos(angle), r * std::sin(angle));
        i == 0 ? star.moveTo(point) : star.lineTo(point);
    }
    star.closeSubpath();
    return star;
}

void FillPath(QPainter& p, const QPainterPath& path, const QBrush& brush, const QPen& pen) {
    p.setPen(pen);
    p.setBrush(brush);
    p.drawPath(path);
}

}  // namespace velmora::art
