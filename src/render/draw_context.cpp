#include "render/draw_context.h"

#include "engine/model/card_code.h"
#include "engine/model/engine.h"
#include "engine/model/suit_map.h"
#include "render/card_images.h"
#include "storage/preference_keys.h"

namespace velmora {

Surface& DrawContext::On(Layer layer) const {
    return layer == Layer::Window ? surfaces.Window() : surfaces.back_buffer;
}

int DrawContext::Shift(Layer layer) const { return layer == Layer::Window ? 0 : surfaces.scroll; }

void DrawContext::Touched(Layer layer, const QRect& rect) const {
    if (rect.isEmpty()) return;
    if (layer == Layer::Window)
        pacer.Invalidate(rect);
    else
        state.dirty = state.dirty.united(rect);
}

int DrawContext::CardWidth() const { return engine.geometry.card.width; }
int DrawContext::CardHeight() const { return engine.geometry.card.height; }

const Surface& DrawContext::FaceOf(int code) const { return images.Face(CardImageIndex(ShownCard(engine, code))); }

bool DrawContext::ShadowsOn() const {
    return !state.shadows_suspended && engine.params.ParamRead(key::kCardsShadowed.position, 1) != "N";
}

int DrawContext::ShadowOffset() const { return engine.geometry.shadow_offset; }

void RestoreBackground(const DrawContext& ctx, Layer layer, const QRect& rect) {
    if (rect.isEmpty()) return;
    const QRect from = rect.translated(0, ctx.surfaces.scroll);
    ctx.surfaces.background.PaintOn(ctx.On(layer), rect.x(), rect.y() + ctx.Shift(layer), from);
    ctx.Touched(layer, rect);
}

void RefreshRect(const DrawContext& ctx, const QRect& rect) {
    if (rect.isEmpty()) return;
    // Without a window surface the window shows the back buffer itself.
    if (ctx.surfaces.HasWindow())
        ctx.surfaces.Window().Copy(rect.x(), rect.y(), ctx.surfaces.back_buffer, rect.translated(0, ctx.surfaces.scroll));
    ctx.pacer.Invalidate(rect);
}

void FlushToWindow(const DrawContext& ctx) {
    RefreshRect(ctx, ctx.state.dirty);
    ctx.state.dirty = QRect();
}

void RefreshWindow(const DrawContext& ctx) {
    RefreshRect(ctx, ctx.surfaces.WindowBounds());
    ctx.state.dirty = QRect();
}

}  // namespace velmora
