#pragma once
// The full redraw of the table (a resize, a new game, undo and redo): the
// background, then every pile, then the marks drawn over cards (completed
// foundations, selected cards, the joker label); with `animate` the cards
// are dealt one by one. Without a game in progress the table shows its
// background only.

#include "render/draw_context.h"

namespace velmora {

// The marks of every placed tableau and reserve, as before a deal.
void DrawEmptyTableauMarks(const DrawContext& ctx, Layer layer);

void FullRedraw(const DrawContext& ctx, bool animate);

}  // namespace velmora
