#pragma once
// Hatch patterns for brush fills. A pattern repeats every 8 pixels and is
// anchored at the surface's origin, so neighbouring fills join seamlessly.

namespace velmora {

enum class Hatch {
    Horizontal,     // ----
    Vertical,       // ||||
    FallingDiagonal,  // \\\\ top-left to bottom-right
    RisingDiagonal,   // //// bottom-left to top-right
    Cross,          // horizontal and vertical
    DiagonalCross,  // both diagonals
    DenseDiagonal,  // diagonals every second pixel both ways (a checkerboard)
};

// Whether the pattern paints the pixel at surface coordinates (x, y).
bool HatchCovers(Hatch hatch, int x, int y);

}  // namespace velmora
