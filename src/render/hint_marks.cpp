#include "render/hint_marks.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

#include "render/table_surfaces.h"

namespace velmora {

namespace {

// Cyan with a dark edge: it reads on green felt, pictures and red or white cards.
const QColor kFrame(0, 220, 255);
const QColor kEdge(0, 40, 90);
constexpr int kOutside = 3;  // the frame stands out of the card this far

QRect Framed(const Rect& place) {
    return QRect(place.left, place.top, place.Width(), place.Height())
        .adjusted(-kOutside, -kOutside, kOutside, kOutside);
}

}  // namespace

void PaintHintMark(Surface& target, const QRect& place) {
    if (place.isEmpty() || target.IsNull()) return;
    const qreal pen = place.width() < 40 ? 2.0 : 4.0;
    const qreal radius = std::max<qreal>(3.0, place.width() / 14.0);
    const QRectF edge = QRectF(place).adjusted(pen / 2 + 1, pen / 2 + 1, -pen / 2 - 1, -pen / 2 - 1);
    QPainter painter(&target.Image());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kEdge, pen + 2));
    painter.drawRoundedRect(edge, radius, radius);
    painter.setPen(QPen(kFrame, pen));
    painter.drawRoundedRect(edge, radius, radius);
}

void ShowHintMarks(TableSurfaces& surfaces, Pacer& pacer, const std::vector<Rect>& places) {
    for (const Rect& place : places) {
        PaintHintMark(surfaces.Window(), Framed(place));
        pacer.Invalidate(Framed(place));
    }
    pacer.Update();
}

void ClearHintMarks(TableSurfaces& surfaces, Pacer& pacer, const std::vector<Rect>& places) {
    for (const Rect& place : places) {
        const QRect framed = Framed(place).intersected(surfaces.WindowBounds());
        if (framed.isEmpty()) continue;
        if (surfaces.HasWindow())
            surfaces.Window().Copy(framed.x(), framed.y(), surfaces.back_buffer, framed.translated(0, surfaces.scroll));
        pacer.Invalidate(framed);
    }
    pacer.Update();
}

}  // namespace velmora
