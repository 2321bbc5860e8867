#pragma once
// What is being moved: the card (the bottom card of a run), where it lies and
// whether it goes alone. Several rules demand a single-card move, so this is
// carried explicitly through every check instead of being guessed from the
// drag image.

#include "engine/model/engine.h"

namespace velmora {

struct MoveSpec {
    int card = 0;        // the moved card; the bottom card of a run
    int source = 0;      // where it lies: the LocateCard value, 0 nowhere
    bool single = true;  // one card with nothing above it
};

// The move of `card` as the table holds it now: its LocateCard value, and
// single when it is the top card of its pile (or lies on no pile).
MoveSpec DescribeMove(const Engine& e, int card);

// Pile locator values by kind.
inline bool LocatorIsTableau(int loc) { return loc >= 1 && loc <= 28; }
inline bool LocatorIsFoundation(int loc) { return loc <= -1 && loc >= -16; }
inline bool LocatorIsReserve(int loc) { return loc <= -21 && loc >= -30; }
inline int TableauOfLocator(int loc) { return LocatorIsTableau(loc) ? loc - 1 : -1; }
inline int FoundationOfLocator(int loc) { return LocatorIsFoundation(loc) ? -loc - 1 : -1; }
inline int ReserveOfLocator(int loc) { return LocatorIsReserve(loc) ? -loc - 21 : -1; }

}  // namespace velmora
