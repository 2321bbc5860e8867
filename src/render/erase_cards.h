#pragma once
// Erasing cards that left a pile, before the pile and the destination are
// drawn again: what the cards covered is taken back from the background
// image, and the piles lying over that part of the table are drawn again.

#include <QRect>

#include <string>
#include <vector>

#include "engine/model/pile_names.h"
#include "render/draw_context.h"

namespace velmora {

// Takes back from the background what the cards of `old_text` that are no
// longer in `new_text` covered (the pile as drawn before and as it is now);
// returns that part (window coordinates), empty when nothing was erased:
// nothing left the pile (`new_text` starts with all of `old_text`), or it is
// a squared tableau that still holds cards. A vertical fan loses a band from
// where the first removed card lay, one fan step plus the run high and two
// pixels wider than a card each side; a horizontal fan the rectangles of
// the cards that left.
QRect EraseRemovedCards(const DrawContext& ctx, Layer layer, PileRef pile, const std::string& old_text,
                        const std::string& new_text);

// Draws `pile` again, with every pile lying over `restored` and every later
// pile lying over one of those, in the order of a full redraw, so the piles
// stay stacked as a full redraw leaves them. Returns the piles drawn.
std::vector<PileRef> RedrawAround(const DrawContext& ctx, Layer layer, PileRef pile, const QRect& restored);

}  // namespace velmora
