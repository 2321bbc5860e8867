#pragma once
// Drawing one card-sized picture: a face, the back or an empty-pile mark.
// Cards are rounded: before the picture is copied, its corner pixels take
// what lies under them, the two top corners from the surface drawn on (in
// a fan that is the card below) and the two bottom corners from the bare
// table. Nothing is drawn at an unset anchor (below -9999) or for a
// picture the library lacks.

#include <QPoint>
#include <QRect>
#include <string_view>

#include "render/draw_context.h"

namespace velmora {

// The bare rounding on any surface: `image` to `at` of `target`, its top
// corners keeping the target's pixels, its bottom corners taken from
// `table` at `table_at`, or silver at the bottom right with `shadow`.
// With a `part` (card coordinates) only that part is drawn: a card in a fan
// whose rest the next card hides.
void PaintCard(Surface& target, QPoint at, const Surface& image, int width, int height, const Surface& table,
               QPoint table_at, bool shadow, const QRect& part = QRect());

// A card-sized picture at (x, y) on `layer` (only `part` of it, when given);
// raises the lowest drawn edge.
void DrawCardImage(const DrawContext& ctx, Layer layer, const Surface& image, int x, int y, bool shadow = false,
                   const QRect& part = QRect());
// Codes below 1 (and any code without a face) draw nothing.
void DrawCardFace(const DrawContext& ctx, Layer layer, int code, int x, int y, bool shadow = false);
// A face laid partly over another card (the fanned waste): its bottom
// corners keep what lies under them too, not the bare table.
void DrawCardFaceOver(const DrawContext& ctx, Layer layer, int code, int x, int y);
void DrawCardBack(const DrawContext& ctx, Layer layer, int x, int y, bool shadow = false);
// A face, or the back when the card lies face down.
void DrawCardAsItLies(const DrawContext& ctx, Layer layer, int code, int x, int y);
// An empty-pile mark by name ("022") over the bare table there: a faint
// shade with a light outline and symbol, whatever the background; an empty
// name draws nothing.
void DrawMark(const DrawContext& ctx, Layer layer, std::string_view name, int x, int y);
// The mark picture read as a shape, made once per picture.
const MarkOverlay& MarkOverlayFor(const DrawContext& ctx, const Surface& picture);

// The four corners of the card rectangle at (x, y) taken again from the
// background image.
void CornersFromBackground(const DrawContext& ctx, Layer layer, int x, int y);

}  // namespace velmora
