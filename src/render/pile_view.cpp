#include "render/pile_view.h"

#include "engine/model/engine.h"
#include "engine/model/pile_string.h"
#include "render/pile_drawing.h"

namespace velmora {

QRect PileView::Extent(const QSize& card) const {
    QRect extent(anchor, card);
    for (const PileCardView& c : cards) extent = extent.united(c.rect);
    return extent;
}

PileView ViewPile(const Engine& e, PileRef pile, const std::string& text) {
    PileView view;
    view.pile = pile;
    view.anchor = PileAnchor(e, pile);
    view.placed = IsPilePlaced(e, pile);
    if (!view.placed) return view;
    const QSize card(e.geometry.card.width, e.geometry.card.height);
    const std::vector<int> codes = PileCodes(text);
    view.holds_cards = !codes.empty();
    const std::vector<QPoint> places = PileCardPlaces(e, pile);
    view.cards.reserve(codes.size());
    for (size_t i = 0; i < codes.size() && i < places.size(); ++i) {
        const int code = codes[i];
        view.cards.push_back({code, code > 0 && e.cards.IsFaceDown(code), QRect(places[i], card)});
    }
    return view;
}

}  // namespace velmora
