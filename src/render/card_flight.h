#pragma once
// Card flights: the drag image flies step by step from where it is shown
// to a target, with a pause of "Speed_Move_Card" milliseconds after each
// step (a quarter of it for the fast flights of the deal). A flight with
// the shadow flag lands lifted, up and left by the shadow offset, waits
// there and then drops onto its target. No shadow is drawn while flying.

#include <QPoint>

#include "render/draw_context.h"

namespace velmora {

struct FlightOptions {
    bool fast = false;
    bool shadow = false;
};

// The pause after each step, in milliseconds; 0 makes no pauses.
int FlightDelay(const Engine& e, bool fast);

// Flies the drag image to `to` (window coordinates); a coordinate of an
// unset pile (below -9999) flies off the table, three cards out. The last
// step leaves the picture in the back buffer.
void FlyDragImage(const DrawContext& ctx, QPoint to, FlightOptions options = {});
// A single card from `from` to `to`: its face, or the back for -1.
void FlyCard(const DrawContext& ctx, int card, QPoint from, QPoint to, FlightOptions options = {});

}  // namespace velmora
