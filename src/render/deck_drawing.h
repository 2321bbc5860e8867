#pragma once
// The deck piles (stock, waste, second waste) with the thickness of the
// cards under their top card, and the foundations.

#include "engine/layout/stock_depth.h"
#include "render/draw_context.h"

namespace velmora {

// How far right of its anchor's card a deck pile's fan reaches (the fanned
// waste); 0 for a squared pile.
int DeckFanReach(const Engine& e, int slot);

// Draws the thickness of deck pile `slot` (0 stock, 1 waste, 2 second
// waste) for `depth` at anchor (x, y): the background above and left of
// the moved top card, then the bottom and right edge strips. Nothing is
// drawn when depth and anchor are those drawn last, unless `force`.
void DrawStockThickness(const DrawContext& ctx, Layer layer, int slot, int x, int y, int depth, bool force);

// A deck pile: its thickness, then its mark when empty, else the back or
// the top card's face as the game shows it. `face_down_stock` shows the
// stock's back whatever the game says.
void DrawDeckPile(const DrawContext& ctx, Layer layer, int slot, bool force, bool face_down_stock = false);

// Every placed deck pile and foundation (the start of a full redraw).
void DrawDeckPilesAndFoundations(const DrawContext& ctx, Layer layer);

}  // namespace velmora
