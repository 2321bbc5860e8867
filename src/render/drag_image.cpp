#include "render/drag_image.h"

#include <QRegion>

#include <algorithm>

#include "engine/model/card_code.h"
#include "engine/model/engine.h"
#include "engine/model/pile_string.h"
#include "render/card_drawing.h"
#include "render/card_images.h"
#include "render/pile_drawing.h"

namespace velmora {

namespace {

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kSeeThroughWhite = qRgb(255, 255, 255);
constexpr int kShadowDepth = 7;  // the width of the shadow beside a card

const Surface& PictureOf(const DrawContext& ctx, const DragCard& card) {
    if (card.back || card.code < 1) return ctx.images.Back();
    return ctx.images.Face(CardImageIndex(card.code));
}

// The two strips of a single card's shadow, at the card's rectangle.
void DrawCardShadow(const DrawContext& ctx, DragImage& drag) {
    const QRect& r = drag.rect;
    const int right = r.x() + r.width();
    const int bottom = r.y() + r.height();
    const int offset = ctx.ShadowOffset();
    Surface& window = ctx.surfaces.window;
    const Surface& side = ctx.images.ShadowRight();
    const Surface& under = ctx.images.ShadowBottom();
    drag.shadow_right = QRect(right, r.y() + offset - 2, side.Width(), side.Height());
    drag.shadow_bottom = QRect(r.x() + offset - 1, bottom, under.Width(), under.Height());
    window.CopyTransparent(drag.shadow_right.x(), drag.shadow_right.y(), side, side.Bounds(), kSeeThroughWhite);
    window.CopyTransparent(drag.shadow_bottom.x(), drag.shadow_bottom.y(), under, under.Bounds(), kSeeThroughWhite);
    window.SetPixel(right - 1, bottom - 2, kBlack);
    window.SetPixel(right - 2, bottom - 1, kBlack);
}

void DrawShadow(const DrawContext& ctx, DragImage& drag) {
    if (drag.cards > 1) {
        const QRect& r = drag.rect;
        const int right = r.x() + r.width();
        const int bottom = r.y() + r.height();
        DrawStippleShadow(ctx.surfaces.window, r);
        drag.shadow_right = QRect(right, r.y() + kShadowDepth, kShadowDepth, std::max(0, r.height() - kShadowDepth));
        drag.shadow_bottom = QRect(r.x() + 8, bottom, right + 6 - (r.x() + 8), kShadowDepth);
    } else {
        DrawCardShadow(ctx, drag);
    }
    ctx.pacer.Invalidate(drag.shadow_right);
    ctx.pacer.Invalidate(drag.shadow_bottom);
}

}  // namespace

void BuildDragImage(const DrawContext& ctx, const std::vector<DragCard>& cards, QPoint at) {
    DragImage& drag = ctx.state.drag;
    const int w = ctx.CardWidth();
    const int h = ctx.CardHeight();
    int width = w;
    int height = h;
    for (const DragCard& card : cards) {
        width = std::max(width, card.offset.x() + w);
        height = std::max(height, card.offset.y() + h);
    }
    // The picture starts as the bare table, so the rounded corners of its
    // cards show the table.
    const QPoint table_at(at.x(), at.y() + ctx.surfaces.scroll);
    drag.image = ctx.surfaces.Make(width, height);
    drag.image.Copy(0, 0, ctx.surfaces.background, QRect(table_at, QSize(width, height)));
    for (const DragCard& card : cards)
        PaintCard(drag.image, card.offset, PictureOf(ctx, card), w, h, ctx.surfaces.background, table_at + card.offset,
                  false);
    drag.rect = QRect(at, QSize(width, height));
    drag.shadow_right = QRect();
    drag.shadow_bottom = QRect();
    drag.cards = std::max<int>(1, static_cast<int>(cards.size()));
}

void BuildCardDragImage(const DrawContext& ctx, int card, QPoint at) {
    BuildDragImage(ctx, {DragCard{card, card < 1, QPoint()}}, at);
}

void BuildRunDragImage(const DrawContext& ctx, PileRef pile, int position) {
    const std::string& text = ctx.engine.piles.Text(pile.list, pile.index);
    const std::vector<QPoint> places = PileCardPlaces(ctx.engine, pile);
    if (position < 0 || position >= static_cast<int>(places.size())) return;
    const QPoint at = places[static_cast<size_t>(position)];
    std::vector<DragCard> cards;
    for (size_t i = static_cast<size_t>(position); i < places.size(); ++i) {
        const int code = PileCodeAt(text, static_cast<int>(i));
        if (code < 1) continue;
        cards.push_back({code, ctx.engine.cards.IsFaceDown(code), places[i] - at});
    }
    BuildDragImage(ctx, cards, at);
}

void DropDragImage(const DrawContext& ctx) { ctx.state.drag = DragImage(); }

void MoveDragImage(const DrawContext& ctx, int x, int y, bool final) {
    DragImage& drag = ctx.state.drag;
    if (drag.cards == 0) return;
    const QRect old = drag.rect;
    const QRect now(QPoint(x, y), old.size());
    if (!final && now.topLeft() == old.topLeft()) return;
    QRegion uncovered = QRegion(old).subtracted(QRegion(now));
    uncovered += drag.shadow_right;
    uncovered += drag.shadow_bottom;
    for (const QRect& rect : uncovered) RefreshRect(ctx, rect);
    drag.shadow_right = QRect();
    drag.shadow_bottom = QRect();
    ctx.surfaces.window.Copy(x, y, drag.image, drag.image.Bounds());
    ctx.pacer.Invalidate(now);
    drag.rect = now;
    if (ctx.ShadowsOn()) DrawShadow(ctx, drag);
    if (final) ctx.surfaces.back_buffer.Copy(x, y + ctx.surfaces.scroll, drag.image, drag.image.Bounds());
    ctx.pacer.Update();
}

void DrawStippleShadow(Surface& target, const QRect& rect) {
    const int left = rect.x();
    const int top = rect.y();
    const int right = left + rect.width();
    const int bottom = top + rect.height();
    const auto dot = [&](int x, int y) {
        if ((x - left + y - top) % 2 == 0) target.SetPixel(x, y, kBlack);
    };
    // Beside the run; its outer column starts lower, rounding the corner.
    for (int x = right; x < right + kShadowDepth; ++x) {
        const int from = top + (x == right + kShadowDepth - 1 ? 9 : 7);
        for (int y = from; y < bottom; ++y) dot(x, y);
    }
    // Under the run; its last two rows end sooner, its last row starts later.
    for (int y = bottom; y < bottom + kShadowDepth; ++y) {
        const bool last_two = y >= bottom + kShadowDepth - 2;
        const int from = left + (y == bottom + kShadowDepth - 1 ? 10 : 8);
        const int to = right + (last_two ? 4 : 6);
        for (int x = from; x < to; ++x) dot(x, y);
    }
}

}  // namespace velmora
