#include "engine/model/peak_rows.h"

namespace velmora {

namespace {

// Where a slot of a row above the last lies: which peak, and which card of
// that peak's part of the row (a peak has row + 1 cards in row `row`).
struct PeakSlot {
    int peak = 0;
    int within = 0;
};

PeakSlot SlotOf(int row, int slot) { return {slot / (row + 1), slot % (row + 1)}; }

}  // namespace

int FirstCoveringSlot(int row, int slot, int rows) {
    const int height = rows - 1;  // the rows above the last
    if (row < 0 || row >= height || slot < 0) return -1;
    const PeakSlot at = SlotOf(row, slot);
    // The last row counts `height` cards to a peak, since neighbouring
    // peaks share the card where they meet; the rows above it row + 1.
    const int next_per_peak = row + 1 < height ? row + 2 : height;
    return at.peak * next_per_peak + at.within;
}

int PeakHalfSteps(int row, int slot, int rows) {
    const int height = rows - 1;
    if (row >= height || row < 0) return 2 * slot;
    const PeakSlot at = SlotOf(row, slot);
    // Peaks stand `height` steps apart; each row up starts half a step in.
    return 2 * (at.peak * height + at.within) + (height - row);
}

}  // namespace velmora
