#pragma once
// One pile as the renderer takes it from the layout: each card's code,
// whether it lies face down, and its rectangle on the table, read once from
// the pile string and the layout's card positions. Drawing, erasing and
// the drag image work from this instead of reading the pile string again
// card by card.

#include <QRect>

#include <string>
#include <vector>

#include "engine/model/pile_names.h"

namespace velmora {

struct Engine;

struct PileCardView {
    int code = 0;  // 0 for an empty slot ("000")
    bool face_down = false;
    QRect rect;  // window coordinates
};

struct PileView {
    PileRef pile;
    QPoint anchor;  // window coordinates
    bool placed = false;
    bool holds_cards = false;         // the pile string is not empty
    std::vector<PileCardView> cards;  // bottom first

    bool Empty() const { return !holds_cards; }
    // The cards' rectangles together, or the card rectangle at the anchor
    // when the pile is empty.
    QRect Extent(const QSize& card) const;
    // The part of card `i` (in the card's own coordinates) that the next
    // card up leaves in sight: all of it, unless that card's solid middle
    // (its rounded corners, `corner_radius` deep, show what lies under them)
    // covers a whole end of it, as in a fan.
    QRect UncoveredPart(size_t i, int corner_radius) const;
};

// The pile drawn from `text` (the pile string as drawn, which may differ
// from the engine's for the selection pile), its cards where the layout
// lays the engine's pile.
PileView ViewPile(const Engine& e, PileRef pile, const std::string& text);

}  // namespace velmora
