#include "render/selection_marks.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <vector>

#include "engine/layout/card_positions.h"
#include "engine/model/engine.h"
#include "engine/play/selection_pile.h"
#include "render/card_corners.h"
#include "render/table_surfaces.h"

namespace velmora {

namespace {

const QColor kTint(255, 200, 0, 96);     // warm yellow, the card shows through
const QColor kOutline(255, 140, 0);      // deep amber: clear on green, blue and pictures

}  // namespace

void PaintSelectionMark(Surface& target, const QRect& card) {
    if (card.isEmpty() || target.IsNull()) return;
    // The outline is thinner on small cards; its curve follows the card's
    // rounded corners.
    const qreal pen = card.width() < 40 ? 1.5 : 3.0;
    const qreal radius = std::max<qreal>(2.0, card.width() / 18.0);
    const QRectF edge = QRectF(card).adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2);
    QPainterPath shape;
    shape.addRoundedRect(edge, radius, radius);
    // The card's rounded-off corners keep what lies beneath them.
    std::vector<QRgb> corners;
    const std::vector<QPoint> offsets = CornerPixels(card.width(), card.height());
    for (const QPoint& p : offsets) corners.push_back(target.Pixel(card.x() + p.x(), card.y() + p.y()));
    {
        QPainter painter(&target.Image());
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setClipRect(card);
        painter.fillPath(shape, kTint);
        painter.setPen(QPen(kOutline, pen));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(shape);
    }
    for (size_t i = 0; i < offsets.size(); ++i)
        target.SetPixel(card.x() + offsets[i].x(), card.y() + offsets[i].y(), corners[i]);
}

void MarkSelection(TableSurfaces& surfaces, Pacer& pacer, const Rect& rect, bool on_window) {
    if (rect.IsEmpty()) return;
    const QRect card(rect.left, rect.top, rect.Width(), rect.Height());
    if (on_window) PaintSelectionMark(surfaces.Window(), card);
    PaintSelectionMark(surfaces.back_buffer, card.translated(0, surfaces.scroll));
    pacer.Invalidate(card);
}

bool RedrawsSelections(const Engine& engine) {
    const int code = engine.R(47);
    return code == 3 || code == 4 || code == 33 || engine.R(38) != 0;
}

void RedrawSelections(TableSurfaces& surfaces, const Engine& engine, Pacer& pacer, const DrawCardAt& draw_card) {
    if (!RedrawsSelections(engine)) return;
    for (int code : SelectedCards(engine)) {
        const Rect rect = CardRect(engine, code);
        if (rect.IsEmpty()) continue;
        if (draw_card) draw_card(code, rect);
        MarkSelection(surfaces, pacer, rect);
    }
}

}  // namespace velmora
