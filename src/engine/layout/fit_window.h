#pragma once
// Cards that follow the window (card size "F"): the largest card at which
// the current game's piles fit the table.
//
// The layout itself is not changed for it. A card W pixels wide is laid out
// by running the ordinary layout with the big card (71 by 96) on a virtual
// table of the real size divided by f = W / 71, then multiplying every
// anchor and both fan rooms by f; the fan steps are the big card's scaled
// alike. So margins, gaps and row spacings keep the proportions they have
// with big cards, and every arrangement works at any size.

#include <vector>

#include "engine/layout/table_geometry.h"
#include "engine/model/pile_names.h"

namespace velmora {

struct Engine;

// Cards are never wider than this: a game of few piles on a large window
// would otherwise get cards the size of a hand. 156 is 2.2 big cards, about
// what the peers show on a 2560 pixel screen.
inline constexpr int kFitLargestWidth = 156;
// Nor narrower than this, fitting or not: below it a card cannot be read.
inline constexpr int kFitSmallestWidth = 16;
// A downward fan must have room for the cards it is dealt and this many more
// face-up cards (a run of half a suit) above the table's bottom edge; longer
// fans are rare and may run off.
inline constexpr int kFanRoomToGrow = 6;

// Lays the current game out with the largest card, at most `largest` pixels
// wide, that fits `inputs`; when none does, with the smallest. Sets the card
// size, the fan steps, the anchors and the fan rooms.
void LayOutToFitWindow(Engine& engine, const LayoutInputs& inputs, int largest = kFitLargestWidth);

// Lays the current game out with cards `width` pixels wide, as above.
void LayOutAtCardWidth(Engine& engine, const LayoutInputs& inputs, int width);

// Where a placed pile lies with the cards of the deal (`dealt`), and with a
// downward fan's room to grow (`grown`, equal to `dealt` for other piles).
struct PileFootprint {
    PileRef pile;
    Rect dealt;
    Rect grown;
};
// The footprints of every placed pile of the current layout, from the game's
// deal counts (the table may be laid out before the deal).
std::vector<PileFootprint> PileFootprints(const Engine& engine);

// True when the piles as laid out now fit the table of `inputs`: every
// pile, grown, inside the table (below its top, within its width and
// bottom) and no two piles as dealt on each other, save the tableau piles
// of arrangements that lay them on each other on purpose.
bool PilesFitTable(const Engine& engine, const LayoutInputs& inputs);

// True when the piles as dealt lie within the table's width and no two of
// them on each other (as above): what no fan can make up for when the cards
// are too big for the window.
bool PilesFitAcross(const Engine& engine, const LayoutInputs& inputs);

}  // namespace velmora
