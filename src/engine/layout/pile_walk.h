#pragma once
// The table walked by keyboard: which piles can be reached, in what order,
// which cards of a pile can be chosen, and where the chosen card, the focus
// frame and a carried run lie. The keyboard and the accessible table both
// read the table through these, so what is framed is what is spoken.

#include <optional>
#include <vector>

#include "engine/layout/pile_fan.h"
#include "engine/layout/table_geometry.h"
#include "engine/model/pile_names.h"

namespace velmora {

struct Engine;

// Every placed pile of the game in reading order: rows from the top (piles
// whose anchors lie less than a quarter of a card apart in height share a
// row), each row from the left.
std::vector<PileRef> WalkOrder(const Engine& e);

// The pile nearest to `from` straight above (`down` false) or below it: the
// nearest row that way, then the pile of that row nearest sideways. Nothing
// when no pile lies that way.
std::optional<PileRef> PileAcross(const Engine& e, PileRef from, bool down);

// The positions (0 = bottom) of the cards of the pile a player may choose,
// top card first: every face-up card of a fanned or arranged pile, the top
// card of a squared one (face up or not, so the stock can be pressed).
std::vector<int> ChoosableCards(const Engine& e, PileRef pile);

// A card of a pile chosen by keyboard: `depth` counts the choosable cards
// from the top (0 the top card). An empty pile has no card.
struct ChosenCard {
    PileRef pile;
    int position = -1;  // -1 for an empty pile
    int code = 0;
    Rect rect;          // the card's rectangle, or the pile's place when empty
};
ChosenCard ChooseCard(const Engine& e, PileRef pile, int depth);

// The frame around the chosen card and every card above it.
Rect FocusFrame(const Engine& e, const ChosenCard& chosen);

// Inside the part of the chosen card that shows: where a keyboard press
// lands, offset from the card's top-left corner.
Point VisibleOffset(const Engine& e, const ChosenCard& chosen);

// The area every card of the pile covers; the pile's place when it is empty.
Rect PileArea(const Engine& e, PileRef pile);

// Where a run carried over `pile` is held: the place its next card would take.
Point LandingPlace(const Engine& e, PileRef pile);

}  // namespace velmora
