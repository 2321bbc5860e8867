#pragma once
// The drag image: the picture of the run being carried or flown, moved
// over the window. Each move gives the window back what the picture (and
// its shadow) uncovered, from the back buffer, and draws the cards at the
// new place over the table there, darkened by their soft shadow where it
// falls; the last move also leaves the cards in the back buffer.

#include <QPoint>

#include <vector>

#include "engine/model/pile_names.h"
#include "render/draw_context.h"

namespace velmora {

// One card of a drag image: its code (-1 or a face-down card: the back)
// and its place relative to the image's top-left corner.
struct DragCard {
    int code = -1;
    bool back = false;
    QPoint offset;
};

// Builds the drag image of `cards` starting at window point `at` over the
// bare table there; it is not shown yet.
void BuildDragImage(const DrawContext& ctx, const std::vector<DragCard>& cards, QPoint at);
// A single card: its face, or the back for -1.
void BuildCardDragImage(const DrawContext& ctx, int card, QPoint at);
// The cards of `pile` from `position` up, as they lie there.
void BuildRunDragImage(const DrawContext& ctx, PileRef pile, int position);
// Forgets the drag image.
void DropDragImage(const DrawContext& ctx);

// Moves the drag image's top-left to (x, y) on the window; nothing happens
// for a move of less than a pixel unless `final`, which also copies the
// picture into the back buffer. The window is updated.
void MoveDragImage(const DrawContext& ctx, int x, int y, bool final);

// Shows the drag image where it is (with its shadow when shadows are on)
// and invalidates that part of the window; the window is not updated.
void ShowDragImage(const DrawContext& ctx);
// Gives the window back what the drag image and its shadow cover.
void HideDragImage(const DrawContext& ctx);

}  // namespace velmora
