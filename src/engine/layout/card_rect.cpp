// The rectangle a card has on the table, found by probing the piles with
// the hit test, so that it is always the rectangle the card is hit in.
#include <optional>

#include "engine/layout/card_positions.h"
#include "engine/layout/pile_fan.h"
#include "engine/model/pile_string.h"
#include "engine/model/piles.h"

namespace velmora {

namespace {

std::optional<Rect> Probe(const Engine& e, int code, int x, int y) {
    const CardHit hit = CardAt(e, x, y);
    if (hit.code != code) return std::nullopt;
    return hit.rect;
}

// Just inside the top-left corner of the card at `position`.
std::optional<Rect> ProbeCardCorner(const Engine& e, const PileFan& pile, int code, int position) {
    const Point place = CardPlace(e, pile, position);
    return Probe(e, code, place.x + 1, pile.y + 1);
}

// Just inside the lower-left corner of the top card.
std::optional<Rect> ProbeTopBottom(const Engine& e, const PileFan& pile, int code) {
    const int x = CardPlace(e, pile, pile.Count() - 1).x;
    return Probe(e, code, x + 1, FanBottom(e, pile) - 1);
}

std::optional<Rect> InFoundationOrReserve(const Engine& e, const PileFan& pile, int code) {
    if (pile.axis == FanAxis::Horizontal) return ProbeCardCorner(e, pile, code, pile.Count() - 1);
    return ProbeTopBottom(e, pile, code);
}

std::optional<Rect> InTableau(const Engine& e, const PileFan& pile, int code) {
    switch (pile.axis) {
        case FanAxis::Arranged:
            // Arranged piles are hit at their anchor by their top card.
            if (pile.Top() == code) return CardRectAt(e, {pile.x, pile.y});
            return std::nullopt;
        case FanAxis::Horizontal:
            if (pile.mode != 4) return ProbeCardCorner(e, pile, code, pile.Count() - 1);
            // Side by side, every card shows and can be found.
            for (int i = 0; i < pile.Count(); ++i)
                if (auto rect = ProbeCardCorner(e, pile, code, i)) return rect;
            return std::nullopt;
        case FanAxis::Vertical:
        case FanAxis::Squared: return ProbeTopBottom(e, pile, code);
    }
    return std::nullopt;
}

template <typename Finder>
std::optional<Rect> FirstIn(const Engine& e, ListId list, int count, int code, Finder find) {
    for (int i = 0; i < count; ++i) {
        const PileFan pile = DescribePile(e, PileRef{list, i});
        if (!pile.Placed()) continue;
        if (auto rect = find(e, pile, code)) return rect;
    }
    return std::nullopt;
}

}  // namespace

Rect CardRect(const Engine& e, int code) {
    if (code < 1) return {};
    for (int i = 0; i < kStockAreaPiles; ++i) {
        const PileFan pile = DescribePile(e, PileRef{ListId::Stock, i});
        const int position = PileIndexOf(e.piles.stock_area[static_cast<size_t>(i)], code);
        if (pile.Placed() && position >= 0) return CardRectAt(e, CardPlace(e, pile, position));
    }
    if (auto rect = FirstIn(e, ListId::Foundation, kFoundationPiles, code, InFoundationOrReserve)) return *rect;
    if (auto rect = FirstIn(e, ListId::Tableau, TableauInUse(e), code, InTableau)) return *rect;
    if (auto rect = FirstIn(e, ListId::Reserve, ReservesInUse(e), code, InFoundationOrReserve)) return *rect;
    return {};
}

}  // namespace velmora
