#include "render/selection_marks.h"

#include <QRect>

#include "engine/layout/card_positions.h"
#include "engine/model/engine.h"
#include "engine/play/selection_pile.h"
#include "render/card_corners.h"
#include "render/table_surfaces.h"

namespace velmora {

void MarkSelection(TableSurfaces& surfaces, Pacer& pacer, const Rect& rect, bool on_window) {
    if (rect.IsEmpty()) return;
    const int x = rect.left;
    const int y = rect.top;
    const int table_y = y + surfaces.scroll;
    const int w = rect.Width();
    const int h = rect.Height();
    if (on_window) surfaces.window.InvertRect(QRect(x, y, w, h));
    surfaces.back_buffer.InvertRect(QRect(x, table_y, w, h));
    RestoreCorners(surfaces.window, x, y, w, h, surfaces.background, x, table_y);
    RestoreCorners(surfaces.back_buffer, x, table_y, w, h, surfaces.background, x, table_y);
    pacer.Invalidate(QRect(x, y, w, h));
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
