#pragma once
// Small drawing helpers shared by the pictures.

#include <QBrush>
#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <initializer_list>

namespace velmora::art {

// A pen with round caps and joins; `cosmetic` keeps its width in pixels
// whatever the painter's scale.
QPen RoundPen(QColor colour, double width = 1.0, bool cosmetic = false);

// Device pixels per picture pixel of the painter's image (2 on the
// high-density twins), for cosmetic pens that should stay one picture
// pixel wide.
double PixelWidth(const QPainter& p);

// The thin dark outline of the figures (one picture pixel at any scale of
// the painter).
QPen InkOutline(const QPainter& p);

QPainterPath Polygon(std::initializer_list<QPointF> points);
QPainterPath Ellipse(QPointF centre, double rx, double ry);
QPainterPath Star(QPointF centre, double outer, double inner);

// Fills a path; with a pen it is outlined too.
void FillPath(QPainter& p, const QPainterPath& path, const QBrush& brush,
              const QPen& pen = QPen(Qt::NoPen));

}  // namespace velmora::art
