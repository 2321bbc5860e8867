#pragma once
// Which piles a dragged card (with the run it carries) lies over when it is
// released, and by how much: the candidates a drop tries, in their order.

#include <vector>

#include "engine/layout/table_geometry.h"
#include "engine/play/drop_candidates.h"

namespace velmora {

struct Engine;

// How much of `dragged` lies over a pile's top-card rectangle `pile`. The
// area is measured from the first corner of the dragged rectangle found on
// the pile, in the order top-left, bottom-right, top-right, bottom-left;
// when no corner is on it, an edge crossing it (looked for every 50 pixels
// down the dragged rectangle) counts the horizontal overlap times the
// dragged height. 0 when they do not overlap. Edges belong to rectangles.
int OverlapValue(const Rect& pile, const Rect& dragged);

// The rectangle a dragged card covers with its top-left at (x, y): a card
// wide, as high as the card and the cards above it on its pile.
Rect DraggedRect(const Engine& e, int x, int y, int dragged_card);

// The piles a drop of `dragged_card` with its top-left at (x, y) tries, most
// covered first (at most four): the placed foundations, the tableaus (not in
// fan modes 8 and 9), the reserves in use and the waste (unless R[290] is
// 4), each by the rectangle of its top card.
std::vector<DropCandidate> DropCandidatesAt(const Engine& e, int x, int y, int dragged_card);

}  // namespace velmora
