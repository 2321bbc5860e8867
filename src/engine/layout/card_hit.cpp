// Which card lies under a point of the table.
#include <algorithm>
#include <optional>

#include "engine/layout/card_positions.h"
#include "engine/layout/pile_fan.h"
#include "engine/model/card_code.h"
#include "engine/model/piles.h"

namespace velmora {

namespace {

// A hit test counts the right and bottom edges of a card as the card's.
bool Touches(const Rect& r, int x, int y) { return x >= r.left && x <= r.right && y >= r.top && y <= r.bottom; }

CardHit HitOn(const PileFan& pile, int code, Rect rect) { return {PileName(pile.ref), std::max(code, 0), rect}; }

// A deck pile answers on its top card only, where it lies: for a fanned
// waste that is the rightmost card, the others are just for the eye.
std::optional<CardHit> HitStockArea(const Engine& e, const PileFan& pile, int x, int y) {
    const Rect card = CardRectAt(e, CardPlace(e, pile, std::max(0, pile.Count() - 1)));
    if (!Touches(card, x, y)) return std::nullopt;
    return HitOn(pile, pile.Top(), card);
}

// The whole pile: from the anchor to the lower edge of the top card, or to
// the right edge of the top card for piles fanned sideways.
Rect WholePile(const Engine& e, const PileFan& pile) {
    Rect whole = CardRectAt(e, {pile.x, pile.y});
    if (pile.Count() == 0) return whole;
    if (pile.axis == FanAxis::Vertical) whole.bottom = FanBottom(e, pile);
    if (pile.axis == FanAxis::Horizontal) whole.right = CardPlace(e, pile, pile.Count() - 1).x + e.geometry.card.width;
    return whole;
}

// The part of card `i` that no later card covers: up to the next card's
// place along the fan; the top card shows whole, and so does every card of
// the peaks, whose rows leave room between the cards.
Rect VisibleBand(const Engine& e, const PileFan& pile, int i) {
    Rect band = CardRectAt(e, CardPlace(e, pile, i));
    if (i + 1 >= pile.Count() || IsPeakRow(e, pile)) return band;
    const Point next = CardPlace(e, pile, i + 1);
    if (pile.axis == FanAxis::Vertical) band.bottom = next.y - 1;
    if (pile.axis == FanAxis::Horizontal) band.right = next.x - 1;
    return band;
}

// A tableau or reserve: the pile that contains the point answers, even when
// no card of it lies there (a gap beside a hand-laid card).
std::optional<CardHit> HitFannedPile(const Engine& e, const PileFan& pile, int x, int y) {
    const Rect whole = WholePile(e, pile);
    if (!Touches(whole, x, y)) return std::nullopt;
    if (pile.Count() == 0 || pile.axis == FanAxis::Squared)
        return HitOn(pile, pile.Top(), CardRectAt(e, {pile.x, pile.y}));
    for (int i = 0; i < pile.Count(); ++i) {
        // Where a card of the peaks has gone, the row above shows.
        if (pile.CodeAt(i) == kNoCard && IsPeakRow(e, pile)) continue;
        if (Touches(VisibleBand(e, pile, i), x, y))
            return HitOn(pile, pile.CodeAt(i), CardRectAt(e, CardPlace(e, pile, i)));
    }
    return HitOn(pile, 0, Rect{});
}

// Tableaus of modes 8 and 9 are placed whole by the layout, each pile at its
// own anchor with no per-card offsets. A point on a pile's top card (the
// card at its anchor) takes that card, so those games can be played with the
// pointer; where arranged piles overlap, the later pile is drawn over the
// earlier one and wins.
std::optional<CardHit> HitArrangedPile(const Engine& e, const PileFan& pile, int x, int y) {
    const Rect card = CardRectAt(e, {pile.x, pile.y});
    if (!Touches(card, x, y)) return std::nullopt;
    return HitOn(pile, pile.Top(), card);
}

std::optional<CardHit> HitTableau(const Engine& e, int x, int y) {
    const int count = TableauInUse(e);
    const int mode = e.R(3);
    // Side-by-side rows and arranged piles overlap the earlier ones.
    const bool last_first = mode == 4 || mode == 8 || mode == 9;
    std::optional<CardHit> between_peak_cards;
    for (int k = 0; k < count; ++k) {
        const PileFan pile = DescribePile(e, PileRef{ListId::Tableau, last_first ? count - 1 - k : k});
        if (!pile.Placed()) continue;
        const auto hit =
            pile.axis == FanAxis::Arranged ? HitArrangedPile(e, pile, x, y) : HitFannedPile(e, pile, x, y);
        if (!hit) continue;
        // A row of the peaks answers between its cards only when no card of
        // a row above lies there.
        if (hit->code != 0 || !IsPeakRow(e, pile)) return hit;
        if (!between_peak_cards) between_peak_cards = hit;
    }
    return between_peak_cards;
}

// A foundation answers with its top card only.
std::optional<CardHit> HitFoundation(const Engine& e, const PileFan& pile, int x, int y) {
    Rect top = CardRectAt(e, {pile.x, FanBottom(e, pile) - e.geometry.card.height});
    Rect tested = top;
    if (pile.axis == FanAxis::Horizontal) {
        top = CardRectAt(e, CardPlace(e, pile, pile.Count() - 1));
        tested = {pile.x, pile.y, top.right, top.bottom};
    }
    if (!Touches(tested, x, y)) return std::nullopt;
    return HitOn(pile, pile.Top(), top);
}

}  // namespace

CardHit CardAt(const Engine& e, int x, int y) {
    for (int i = 0; i < kStockAreaPiles; ++i) {
        const PileFan pile = DescribePile(e, PileRef{ListId::Stock, i});
        if (!pile.Placed()) continue;
        if (auto hit = HitStockArea(e, pile, x, y)) return *hit;
    }
    if (auto hit = HitTableau(e, x, y)) return *hit;
    for (int i = 0; i < kFoundationPiles; ++i) {
        const PileFan pile = DescribePile(e, PileRef{ListId::Foundation, i});
        if (!pile.Placed()) continue;
        if (auto hit = HitFoundation(e, pile, x, y)) return *hit;
    }
    for (int i = 0; i < ReservesInUse(e); ++i) {
        const PileFan pile = DescribePile(e, PileRef{ListId::Reserve, i});
        if (!pile.Placed()) continue;
        if (auto hit = HitFannedPile(e, pile, x, y)) return *hit;
    }
    return {};
}

}  // namespace velmora
