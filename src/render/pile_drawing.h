#pragma once
// Drawing whole piles at their places on the table: every card from the
// bottom up at its fanned place, face or back by its face state, or the
// pile's mark when it is empty. Piles the layout did not place are skipped.

#include <QPoint>
#include <QRect>

#include <string>
#include <vector>

#include "engine/model/pile_names.h"
#include "render/draw_context.h"
#include "render/pile_view.h"

namespace velmora {

// The cards a pile is drawn from. Foundation 1 of the selection games names
// the selected cards, which lie elsewhere: only cards lying there count.
std::string DrawnPileText(const Engine& e, PileRef pile);

// The pile's anchor in window coordinates (y less the scroll offset).
QPoint PileAnchor(const Engine& e, PileRef pile);
bool IsPilePlaced(const Engine& e, PileRef pile);

// Where each card of the pile is drawn, bottom first (also for the
// placeholders of empty slots).
std::vector<QPoint> PileCardPlaces(const Engine& e, PileRef pile);
// The rectangle the pile covers now: its cards, or the card rectangle at
// its anchor when empty; a deck pile with room for its thickness. Empty
// for a pile not on the table.
QRect PileExtent(const Engine& e, PileRef pile);

// Every placed pile in the order a full redraw draws them: deck piles,
// foundations, reserves, tableaus. Later piles lie on top.
std::vector<PileRef> PilesInDrawingOrder(const Engine& e);

// One card of a tableau, foundation or reserve (position 0 = bottom).
void DrawPileCard(const DrawContext& ctx, Layer layer, PileRef pile, int position);
// A whole pile; deck piles with their thickness (redrawn when `force` or
// when it changed).
void DrawPile(const DrawContext& ctx, Layer layer, PileRef pile, bool force = false);
// A tableau, foundation or reserve as taken from the layout: its cards, or
// its mark when empty.
void DrawPileView(const DrawContext& ctx, Layer layer, const PileView& view);

}  // namespace velmora
