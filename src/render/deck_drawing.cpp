#include "render/deck_drawing.h"

#include <algorithm>

#include "engine/layout/nearest.h"
#include "engine/layout/pile_fan.h"
#include "engine/model/engine.h"
#include "engine/model/pile_string.h"
#include "render/card_drawing.h"
#include "render/card_images.h"
#include "render/empty_pile_marks.h"
#include "render/pile_count.h"
#include "render/pile_drawing.h"

namespace velmora {

namespace {

// The border strips hold the edges of 16 stacked cards; row (column) 15
// is the edge of the bottom card.
constexpr int kBorderLayers = 16;
const QRgb kSeeThroughBlue = qRgb(0, 0, 255);

void DrawBorderStrips(const DrawContext& ctx, Layer layer, int x, int y, int depth) {
    const int w = ctx.CardWidth();
    const int h = ctx.CardHeight();
    const int shift = ctx.Shift(layer);
    Surface& target = ctx.On(layer);
    const int first = kBorderLayers - 1 - depth;
    target.CopyTransparent(x - 13, y + h - depth - 1 + shift, ctx.images.BorderBottom(), QRect(0, first, w + 11, depth + 1),
                           kSeeThroughBlue);
    target.CopyTransparent(x + w - depth - 1, y - 13 + shift, ctx.images.BorderRight(), QRect(first, 0, depth + 1, h + 13),
                           kSeeThroughBlue);
    ctx.Touched(layer, QRect(x - 13, y - 13, w + 13, h + 13));
}

// The top card of a deck pile: the back or the face, as the game shows it.
void DrawDeckTop(const DrawContext& ctx, Layer layer, int slot, int top, int x, int y, bool face_down_stock) {
    const Engine& e = ctx.engine;
    const bool back = (slot == kStockIndex && (e.R(6) != 0 || face_down_stock)) || (slot == kWasteIndex && e.R(7) != 0);
    if (back)
        DrawCardBack(ctx, layer, x, y);
    else
        DrawCardFace(ctx, layer, top, x, y);
}

// The waste's fan, from its first shown card (at the anchor less the
// thickness) to the top card, each a step further right.
void DrawWasteFan(const DrawContext& ctx, Layer layer, int depth) {
    const Engine& e = ctx.engine;
    const PileFan fan = DescribePile(e, PileRef{ListId::Stock, kWasteIndex});
    const int first = std::max(0, fan.Count() - WasteFanCards(e));
    for (int i = first; i < fan.Count(); ++i) {
        const Point place = CardPlace(e, fan, i);
        const int x = place.x - depth;
        const int y = place.y - depth;
        if (i == first)
            DrawDeckTop(ctx, layer, kWasteIndex, fan.CodeAt(i), x, y, false);
        else
            DrawCardFaceOver(ctx, layer, fan.CodeAt(i), x, y);
    }
    if (fan.Count() == 1) CornersFromBackground(ctx, layer, fan.x - depth, fan.y - depth);
}

}  // namespace

int DeckFanReach(const Engine& e, int slot) {
    if (slot != kWasteIndex) return 0;
    return (WasteFanCards(e) - 1) * WasteFanStep(e);
}

void DrawStockThickness(const DrawContext& ctx, Layer layer, int slot, int x, int y, int depth, bool force) {
    if (slot < 0 || slot >= kStockAreaPiles || IsUnsetPoint(x, y)) return;
    const DeckMemo now{depth, x, y};
    DeckMemo& memo = ctx.state.deck[static_cast<size_t>(slot)];
    if (!force && memo == now) return;
    memo = now;
    const int w = ctx.CardWidth();
    const int h = ctx.CardHeight();
    RestoreBackground(ctx, layer, QRect(x - 15, y - 15, w + 16, 16 - depth));
    RestoreBackground(ctx, layer, QRect(x - 15, y - 14, 16 - depth, h + 15));
    DrawBorderStrips(ctx, layer, x, y, depth);
}

void DrawDeckPile(const DrawContext& ctx, Layer layer, int slot, bool force, bool face_down_stock) {
    const PileRef pile{ListId::Stock, slot};
    if (!IsPilePlaced(ctx.engine, pile)) return;
    const std::string& text = ctx.engine.piles.Text(ListId::Stock, slot);
    const int cards = PileCount(text);
    const int depth = StockDepth(cards, ctx.engine.geometry.inputs.preview);
    const QPoint anchor = PileAnchor(ctx.engine, pile);
    const bool fanned = DeckFanReach(ctx.engine, slot) > 0;
    // A fan may have been wider before: its whole area is laid again.
    if (fanned) RestoreBackground(ctx, layer, PileExtent(ctx.engine, pile));
    DrawStockThickness(ctx, layer, slot, anchor.x(), anchor.y(), depth, force || fanned);
    if (cards == 0) {
        // A pile without a mark must not keep the picture of its last card.
        RestoreBackground(ctx, layer, ctx.CardAt(anchor.x(), anchor.y()));
        DrawMark(ctx, layer, EmptyPileMark(ctx.engine, pile), anchor.x(), anchor.y());
        DrawPileCount(ctx, layer, pile);
        return;
    }
    if (fanned) {
        DrawWasteFan(ctx, layer, depth);
        return;
    }
    const int x = anchor.x() - depth;
    const int y = anchor.y() - depth;
    DrawDeckTop(ctx, layer, slot, PileTop(text), x, y, face_down_stock);
    if (cards == 1) CornersFromBackground(ctx, layer, x, y);
}

void DrawDeckPilesAndFoundations(const DrawContext& ctx, Layer layer) {
    for (int slot = 0; slot < kStockAreaPiles; ++slot) DrawDeckPile(ctx, layer, slot, true);
    for (int f = 0; f < kFoundationPiles; ++f) DrawPile(ctx, layer, {ListId::Foundation, f});
}

}  // namespace velmora
