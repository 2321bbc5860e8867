#include "render/table_surfaces.h"

#include <algorithm>

namespace velmora {
namespace {

// A new surface only when the size changes: every full redraw paints the
// whole of each surface anyway, and a fresh bitmap of the screen's size
// costs far more than the redraw (start-up lays the table out several times).
void Reshape(Surface& surface, int width, int height, int scale) {
    if (surface.Width() == width && surface.Height() == height && surface.Scale() == scale) return;
    surface = Surface(width, height, scale);
}

}  // namespace

void TableSurfaces::Resize(int screen_width, int screen_height, int window_width, int window_height) {
    const int width = std::max(1, screen_width) + 30;
    const int height = std::max(1, screen_height) + 30;
    Reshape(back_buffer, width, height, scale);
    Reshape(background, width, height, scale);
    Reshape(window, std::max(1, window_width), std::max(1, window_height), scale);
}

}  // namespace velmora
