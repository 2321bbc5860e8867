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

QRect PileView::UncoveredPart(size_t i, int corner_radius) const {
    if (i >= cards.size()) return {};
    const QRect own = cards[i].rect;
    const QRect whole(QPoint(0, 0), own.size());
    size_t next = i + 1;
    while (next < cards.size() && cards[next].code < 1) ++next;
    if (next == cards.size()) return whole;
    const QRect above = cards[next].rect;
    // The solid middle of the card above, as two bands: full width without
    // the corner rows, full height without the corner columns.
    const QRect rows = above.adjusted(0, corner_radius, 0, -corner_radius);
    const QRect columns = above.adjusted(corner_radius, 0, -corner_radius, 0);
    QRect shown = own;
    if (rows.left() <= own.left() && rows.right() >= own.right()) {
        if (rows.top() > own.top() && rows.top() <= own.bottom() && rows.bottom() >= own.bottom())
            shown.setBottom(rows.top() - 1);
        else if (rows.bottom() < own.bottom() && rows.bottom() >= own.top() && rows.top() <= own.top())
            shown.setTop(rows.bottom() + 1);
    } else if (columns.top() <= own.top() && columns.bottom() >= own.bottom()) {
        if (columns.left() > own.left() && columns.left() <= own.right() && columns.right() >= own.right())
            shown.setRight(columns.left() - 1);
        else if (columns.right() < own.right() && columns.right() >= own.left() && columns.left() <= own.left())
            shown.setLeft(columns.right() + 1);
    }
    return shown.translated(-own.topLeft());
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
