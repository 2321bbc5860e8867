#pragma once
// Empty-pile marks that suit any table: the library's mark pictures are
// painted on one felt colour, so each is read as a shape (how far every
// pixel stands out from the picture's own fill) and drawn as a light
// outline and symbol over a faint shade of whatever background lies there.

#include <QImage>
#include <QRect>

namespace velmora {

class Surface;

// A mark picture as two alpha channels at its device resolution.
struct MarkOverlay {
    QImage shade;  // Format_Alpha8: how much the table is darkened
    QImage light;  // Format_Alpha8: how much the outline and symbol show
    bool IsNull() const { return shade.isNull(); }
};

// Reads the shape of a mark picture of `width` x `height` table pixels; its
// rounded-off corners take no shade.
MarkOverlay MakeMarkOverlay(const Surface& picture, int width, int height);

// Draws the mark onto `target` at `at` over the pixels of `table` at
// `table_at` (the bare table beneath it).
void PaintMarkOverlay(Surface& target, QPoint at, const MarkOverlay& mark, const Surface& table, QPoint table_at);

}  // namespace velmora
