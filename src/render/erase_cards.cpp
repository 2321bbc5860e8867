#include "render/erase_cards.h"

#include <algorithm>

#include "engine/layout/pile_fan.h"
#include "engine/model/engine.h"
#include "engine/model/pile_string.h"
#include "render/pile_drawing.h"

namespace velmora {

namespace {

constexpr int kSquaredMode = 3;

// How many cards from the bottom the two piles share.
int SharedCards(const std::string& old_text, const std::string& new_text) {
    const int shared_max = std::min(PileCount(old_text), PileCount(new_text));
    int k = 0;
    while (k < shared_max && old_text.compare(static_cast<size_t>(3 * k), 3, new_text, static_cast<size_t>(3 * k), 3) == 0)
        ++k;
    return k;
}

QRect CardRectOf(const Engine& e, const PileFan& fan, int position) {
    const Point place = CardPlace(e, fan, position);
    return QRect(place.x, place.y, e.geometry.card.width, e.geometry.card.height);
}

// From where the first removed card lay: one fan step plus the run high,
// two pixels wider than a card each side.
QRect VerticalBand(const Engine& e, const PileFan& fan, int first, int last) {
    const int first_y = CardPlace(e, fan, first).y;
    const int last_y = CardPlace(e, fan, last).y;
    const int step = e.main_game.Field(fan.mode == 5 ? field::kFan5Offset : field::kFanUpY);
    const int run_height = last_y - first_y + e.geometry.card.height;
    return QRect(fan.x - 2, first_y, e.geometry.card.width + 4, step + run_height);
}

// The rectangles of the cards that left or changed (a removed card of a
// side-by-side row leaves an empty slot behind).
QRect HorizontalCards(const Engine& e, const PileFan& fan, int first, const std::string& old_text,
                      const std::string& new_text) {
    QRect gone;
    for (int i = first; i < fan.Count(); ++i) {
        const bool changed = i >= PileCount(new_text) || PileCodeAt(new_text, i) != PileCodeAt(old_text, i);
        if (changed) gone = gone.united(CardRectOf(e, fan, i));
    }
    return gone;
}

}  // namespace

QRect EraseRemovedCards(const DrawContext& ctx, Layer layer, PileRef pile, const std::string& old_text,
                        const std::string& new_text) {
    const Engine& e = ctx.engine;
    if (!IsPilePlaced(e, pile)) return {};
    const int first = SharedCards(old_text, new_text);
    const int old_count = PileCount(old_text);
    if (first >= old_count) return {};
    PileFan fan = DescribePile(e, pile);
    fan.codes = PileCodes(old_text);
    if (pile.list == ListId::Tableau && fan.mode == kSquaredMode && !new_text.empty()) return {};
    QRect erased;
    if (fan.axis == FanAxis::Vertical) erased = VerticalBand(e, fan, first, old_count - 1);
    if (fan.axis == FanAxis::Horizontal) erased = HorizontalCards(e, fan, first, old_text, new_text);
    RestoreBackground(ctx, layer, erased);
    return erased;
}

std::vector<PileRef> RedrawAround(const DrawContext& ctx, Layer layer, PileRef pile, const QRect& restored) {
    const std::vector<PileRef> order = PilesInDrawingOrder(ctx.engine);
    std::vector<QRect> extents;
    extents.reserve(order.size());
    for (const PileRef& p : order) extents.push_back(PileExtent(ctx.engine, p));
    std::vector<bool> redraw(order.size(), false);
    std::vector<PileRef> drawn;
    for (size_t i = 0; i < order.size(); ++i) {
        bool hit = order[i] == pile || extents[i].intersects(restored);
        for (size_t j = 0; j < i && !hit; ++j) hit = redraw[j] && extents[j].intersects(extents[i]);
        if (!hit) continue;
        redraw[i] = true;
        // A deck pile drawn because of its neighbours needs its thickness again.
        DrawPile(ctx, layer, order[i], order[i] != pile);
        drawn.push_back(order[i]);
    }
    return drawn;
}

}  // namespace velmora
