#pragma once
// The marking of selected cards in the removal games: a warm tint over the
// card and a clear outline along its rounded edge, so the selection reads
// on any card, back or background. Drawing the card again unmarks it.

#include <QRect>

#include <functional>

#include "engine/layout/table_geometry.h"

namespace velmora {

class Pacer;
struct Engine;
class Surface;
struct TableSurfaces;

// The mark on one card rectangle of `target` (its own coordinates).
void PaintSelectionMark(Surface& target, const QRect& card);

// Marks the card at `rect` (window coordinates) in the back buffer and,
// when `on_window`, on the window. Marking a marked card again deepens the
// tint: the card must be drawn again first.
void MarkSelection(TableSurfaces& surfaces, Pacer& pacer, const Rect& rect, bool on_window = true);

// Whether a full redraw must draw the selection again: special rule codes
// 3, 4 and 33 (rules entry 47) and games with rules entry 38 not 0.
bool RedrawsSelections(const Engine& engine);

// Draws a card face at its place in the back buffer and on the window (the
// full redraw's card drawing).
using DrawCardAt = std::function<void(int code, const Rect& rect)>;

// After a full redraw: every card of the selection (foundation 1) is drawn
// again at its place and marked. Nothing happens in other games.
void RedrawSelections(TableSurfaces& surfaces, const Engine& engine, Pacer& pacer,
                      const DrawCardAt& draw_card);

}  // namespace velmora
