#pragma once
// The marks of a hint: a bright frame around the card to move and around
// the place it goes, drawn on the window only. The back buffer keeps the
// table without them, so taking them off is a copy from it.

#include <QRect>

#include <vector>

#include "engine/layout/table_geometry.h"

namespace velmora {

class Pacer;
class Surface;
struct TableSurfaces;

// The frame on one rectangle of `target` (its own coordinates).
void PaintHintMark(Surface& target, const QRect& place);

// Frames every place on the window.
void ShowHintMarks(TableSurfaces& surfaces, Pacer& pacer, const std::vector<Rect>& places);
// The window shows the back buffer again where the frames were.
void ClearHintMarks(TableSurfaces& surfaces, Pacer& pacer, const std::vector<Rect>& places);

}  // namespace velmora
