#pragma once
// Every move a player could make by dragging in the current position: the
// cards the pick-up rules let them take and the piles whose drop checks
// accept them. The headless driver lists these; tests compare them.

#include <string>
#include <string_view>
#include <vector>

#include "engine/model/engine.h"

namespace velmora {

struct DragMove {
    int code = 0;      // the dragged card (the bottom card of a run)
    std::string from;  // pile names: "Mazzo_Vis", "Dest1", "Fila3", "Appogg2"
    std::string to;
    bool operator==(const DragMove&) const = default;
};

// Sorted by source pile, then card, then destination. Piles sort in table
// order (Mazzo, Mazzo_Vis, Mazzo_Waste, Dest1 .. Dest16, Fila1 .. Fila28,
// Appogg1 .. Appogg10), not alphabetically. Whether a game is in progress is
// the caller's business. TMainGame field 95 is left as it was.
std::vector<DragMove> ListDragMoves(Engine& e);

// The place of a pile name in that order; names that are no pile sort last.
int PileSortKey(std::string_view name);

}  // namespace velmora
