#include "render/drag_image.h"

#include <QRegion>

#include <algorithm>

#include "engine/model/card_code.h"
#include "engine/model/engine.h"
#include "engine/play/pickup_rules.h"
#include "render/card_drawing.h"
#include "render/card_images.h"
#include "render/pile_drawing.h"

namespace velmora {

namespace {

const Surface& PictureOf(const DrawContext& ctx, const DragCard& card) {
    if (card.back || card.code < 1) return ctx.images.Back();
    return ctx.FaceOf(card.code);
}

// The shadow is made once per drag image, at the first move that shows it.
const SoftShadow& ShadowOf(const DrawContext& ctx, DragImage& drag) {
    static const SoftShadow kNone;
    if (!ctx.ShadowsOn()) return kNone;
    if (drag.shadow.IsNull())
        drag.shadow = MakeSoftShadow(drag.coverage, ShadowShapeFor(ctx.CardWidth()), drag.image.Scale());
    return drag.shadow;
}

// Draws the drag image at its place on the window; returns what it covers.
QRect Compose(const DrawContext& ctx, DragImage& drag) {
    const SoftShadow& shadow = ShadowOf(ctx, drag);
    const QRect area = drag.rect.united(shadow.RectAt(drag.rect.topLeft(), drag.image.Scale()));
    ComposeDrag(ctx.surfaces.Window(), area, ctx.surfaces.back_buffer, ctx.surfaces.scroll, drag.image, drag.coverage,
                shadow, drag.rect.topLeft());
    ctx.pacer.Invalidate(area);
    return area;
}

}  // namespace

void BuildDragImage(const DrawContext& ctx, const std::vector<DragCard>& cards, QPoint at) {
    DragImage& drag = ctx.state.drag;
    const int w = ctx.CardWidth();
    const int h = ctx.CardHeight();
    int width = w;
    int height = h;
    CardPlaces places;
    for (const DragCard& card : cards) {
        width = std::max(width, card.offset.x() + w);
        height = std::max(height, card.offset.y() + h);
        places.emplace_back(card.offset, QSize(w, h));
    }
    // The picture starts as the bare table; only its cards' outline is shown.
    const QPoint table_at(at.x(), at.y() + ctx.surfaces.scroll);
    const Surface bare = ctx.surfaces.background.Part(QRect(table_at, QSize(width, height)));
    drag.image = bare;
    for (const DragCard& card : cards)
        PaintCard(drag.image, card.offset, PictureOf(ctx, card), w, h, bare, card.offset, false);
    if (places.empty()) places.emplace_back(QPoint(), QSize(w, h));
    drag.coverage = CardCoverage(QSize(width, height), places, drag.image.Scale());
    drag.shadow = SoftShadow();
    drag.rect = QRect(at, QSize(width, height));
    drag.shown = QRect();
    drag.cards = std::max<int>(1, static_cast<int>(cards.size()));
}

void BuildCardDragImage(const DrawContext& ctx, int card, QPoint at) {
    BuildDragImage(ctx, {DragCard{card, card < 1, QPoint()}}, at);
}

void BuildRunDragImage(const DrawContext& ctx, PileRef pile, int position) {
    const PileView view = ViewPile(ctx.engine, pile, ctx.engine.piles.Text(pile.list, pile.index));
    if (position < 0 || position >= static_cast<int>(view.cards.size())) return;
    const QPoint at = view.cards[static_cast<size_t>(position)].rect.topLeft();
    std::vector<DragCard> cards;
    // A card that leaves alone is carried without the cards above it.
    const size_t end = LeavesAlone(ctx.engine, pile) ? static_cast<size_t>(position) + 1 : view.cards.size();
    for (size_t i = static_cast<size_t>(position); i < end; ++i) {
        const PileCardView& card = view.cards[i];
        if (card.code < 1) continue;
        cards.push_back({card.code, card.face_down, card.rect.topLeft() - at});
    }
    BuildDragImage(ctx, cards, at);
}

void DropDragImage(const DrawContext& ctx) { ctx.state.drag = DragImage(); }

void ShowDragImage(const DrawContext& ctx) {
    DragImage& drag = ctx.state.drag;
    if (drag.cards == 0) return;
    drag.shown = Compose(ctx, drag);
}

void HideDragImage(const DrawContext& ctx) {
    DragImage& drag = ctx.state.drag;
    RefreshRect(ctx, drag.shown.united(drag.rect));
    drag.shown = QRect();
}

void MoveDragImage(const DrawContext& ctx, int x, int y, bool final) {
    DragImage& drag = ctx.state.drag;
    if (drag.cards == 0) return;
    const QRect before = drag.shown.united(drag.rect);
    const QRect now(QPoint(x, y), drag.rect.size());
    if (!final && now.topLeft() == drag.rect.topLeft()) return;
    drag.rect = now;
    drag.shown = Compose(ctx, drag);
    for (const QRect& rect : QRegion(before).subtracted(QRegion(drag.shown))) RefreshRect(ctx, rect);
    if (final) {
        Surface& back = ctx.surfaces.back_buffer;
        const QRect table_rect = now.translated(0, ctx.surfaces.scroll);
        ComposeDrag(back, table_rect, back, 0, drag.image, drag.coverage, SoftShadow(), table_rect.topLeft());
    }
    ctx.pacer.Update();
}

}  // namespace velmora
