#include "render/table_surfaces.h"

#include <algorithm>

namespace velmora {

void TableSurfaces::Resize(int screen_width, int screen_height, int window_width, int window_height) {
    const int width = std::max(1, screen_width) + 30;
    const int height = std::max(1, screen_height) + 30;
    back_buffer = Surface(width, height);
    background = Surface(width, height);
    window = Surface(std::max(1, window_width), std::max(1, window_height));
}

}  // namespace velmora
