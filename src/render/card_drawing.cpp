#include "render/card_drawing.h"

#include <algorithm>
#include <vector>

#include "engine/model/card_code.h"
#include "engine/model/engine.h"
#include "render/card_corners.h"
#include "render/card_images.h"

namespace velmora {

namespace {

const QRgb kSilver = qRgb(192, 192, 192);

// The bare table under a card at (x, y) (window coordinates), as a card-sized
// surface of its own.
Surface BareTable(const DrawContext& ctx, int x, int y) {
    return ctx.surfaces.background.Part(QRect(x, y + ctx.surfaces.scroll, ctx.CardWidth(), ctx.CardHeight()));
}

// The lowest card edge drawn, for the scroll range of the table.
void RaiseLowestEdge(const DrawContext& ctx, int y) {
    int& lowest = ctx.engine.play.lowest_painted_y;
    lowest = std::max(lowest, y + ctx.CardHeight() + ctx.surfaces.scroll);
}

}  // namespace

void PaintCard(Surface& target, QPoint at, const Surface& image, int width, int height, const Surface& table,
               QPoint table_at, bool shadow, const QRect& part) {
    if (image.IsNull()) return;
    const QRect drawn = part.isNull() ? QRect(0, 0, width, height) : part.intersected(QRect(0, 0, width, height));
    if (drawn.isEmpty()) return;
    std::vector<QPoint> corners = CornerPixels(width, height);
    std::erase_if(corners, [&drawn](const QPoint& p) { return !drawn.contains(p); });
    // Both read before the copy, so `table` may be the target itself.
    std::vector<QRgb> under;
    std::vector<QRgb> bare;
    under.reserve(corners.size());
    bare.reserve(corners.size());
    for (const QPoint& p : corners) {
        under.push_back(target.Pixel(at.x() + p.x(), at.y() + p.y()));
        bare.push_back(table.Pixel(table_at.x() + p.x(), table_at.y() + p.y()));
    }
    target.Copy(at.x() + drawn.x(), at.y() + drawn.y(), image, drawn);
    for (size_t i = 0; i < corners.size(); ++i) {
        const QPoint& p = corners[i];
        const bool top = p.y() < height / 2;
        const bool right = p.x() >= width / 2;
        QRgb colour = under[i];
        if (!top) colour = shadow && right ? kSilver : bare[i];
        target.SetPixel(at.x() + p.x(), at.y() + p.y(), colour);
    }
}

void DrawCardImage(const DrawContext& ctx, Layer layer, const Surface& image, int x, int y, bool shadow,
                   const QRect& part) {
    if (IsUnsetPoint(x, y) || image.IsNull()) return;
    PaintCard(ctx.On(layer), QPoint(x, y + ctx.Shift(layer)), image, ctx.CardWidth(), ctx.CardHeight(),
              BareTable(ctx, x, y), QPoint(0, 0), shadow, part);
    ctx.Touched(layer, ctx.CardAt(x, y));
    RaiseLowestEdge(ctx, y);
}

void DrawCardFaceOver(const DrawContext& ctx, Layer layer, int code, int x, int y) {
    if (code < 1 || code > kLastCard || IsUnsetPoint(x, y)) return;
    const Surface& image = ctx.FaceOf(code);
    const QPoint at(x, y + ctx.Shift(layer));
    Surface& target = ctx.On(layer);
    PaintCard(target, at, image, ctx.CardWidth(), ctx.CardHeight(), target, at, false);
    ctx.Touched(layer, ctx.CardAt(x, y));
    RaiseLowestEdge(ctx, y);
}

void DrawCardFace(const DrawContext& ctx, Layer layer, int code, int x, int y, bool shadow) {
    if (code < 1 || code > kLastCard) return;
    DrawCardImage(ctx, layer, ctx.FaceOf(code), x, y, shadow);
}

void DrawCardBack(const DrawContext& ctx, Layer layer, int x, int y, bool shadow) {
    DrawCardImage(ctx, layer, ctx.images.Back(), x, y, shadow);
}

void DrawCardAsItLies(const DrawContext& ctx, Layer layer, int code, int x, int y) {
    if (code < 1) return;
    if (ctx.engine.cards.IsFaceDown(code))
        DrawCardBack(ctx, layer, x, y);
    else
        DrawCardFace(ctx, layer, code, x, y);
}

const MarkOverlay& MarkOverlayFor(const DrawContext& ctx, const Surface& picture) {
    std::map<qint64, MarkOverlay>& marks = ctx.state.marks;
    const qint64 key = picture.Image().cacheKey();
    const auto found = marks.find(key);
    if (found != marks.end()) return found->second;
    // Pictures of card sets loaded before are not coming back.
    if (marks.size() > 4 * kMarkNames.size()) marks.clear();
    return marks[key] = MakeMarkOverlay(picture, ctx.CardWidth(), ctx.CardHeight());
}

void DrawMark(const DrawContext& ctx, Layer layer, std::string_view name, int x, int y) {
    if (name.empty() || IsUnsetPoint(x, y)) return;
    const Surface& picture = ctx.images.Mark(name);
    if (picture.IsNull()) return;
    const MarkOverlay& overlay = MarkOverlayFor(ctx, picture);
    // Blended afresh each time: a few microseconds for a card-sized part of
    // the table, where keeping each mark as painted cost half a megabyte.
    PaintMarkOverlay(ctx.On(layer), QPoint(x, y + ctx.Shift(layer)), overlay, BareTable(ctx, x, y), QPoint(0, 0));
    ctx.Touched(layer, ctx.CardAt(x, y));
    RaiseLowestEdge(ctx, y);
}

void CornersFromBackground(const DrawContext& ctx, Layer layer, int x, int y) {
    if (IsUnsetPoint(x, y)) return;
    RestoreCorners(ctx.On(layer), x, y + ctx.Shift(layer), ctx.CardWidth(), ctx.CardHeight(), BareTable(ctx, x, y), 0,
                   0);
    ctx.Touched(layer, ctx.CardAt(x, y));
}

}  // namespace velmora
