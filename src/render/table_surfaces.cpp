#include "render/table_surfaces.h"

#include <algorithm>
#include <cstring>

namespace velmora {
namespace {

// Cards may lie partly beyond the window's right and bottom edges.
constexpr int kMargin = 30;

// A new surface only when the size changes: every full redraw paints the
// whole of each surface anyway, and a fresh bitmap costs far more than the
// redraw (start-up lays the table out several times).
void Reshape(Surface& surface, int width, int height, int scale) {
    if (surface.Width() == width && surface.Height() == height && surface.Scale() == scale) return;
    surface = Surface(width, height, scale);
}

// One side of back buffer and background for a window needing `need`:
// kept while it holds it; the needed size after a jump (a window shown, a
// new screen); a quarter more while a window is made larger step by step,
// so each step does not make them again; never more than `limit` unless
// needed.
int GrownSide(int have, int need, int limit) {
    if (have >= need) return have;
    if (have < need - need / 4) return need;
    return std::max(need, std::min(limit, need + need / 4));
}

QSize BufferSize(const Surface& now, int scale, QSize needed, QSize most) {
    if (now.IsNull() || now.Scale() != scale) return needed;
    return {GrownSide(now.Width(), needed.width(), most.width()),
            GrownSide(now.Height(), needed.height(), most.height())};
}

}  // namespace

void TableSurfaces::Resize(int screen_width, int screen_height, int window_width, int window_height) {
    window_width = std::max(1, window_width);
    window_height = std::max(1, window_height);
    extent = QSize(std::max(1, screen_width) + kMargin, std::max(1, screen_height) + kMargin);
    // The margin as far as the extent goes: a window as large as the screen
    // and its margin has no room beyond it.
    const QSize needed(std::max(window_width, std::min(window_width + kMargin, extent.width())),
                       std::max(window_height, std::min(window_height + kMargin, extent.height())));
    const QSize size = BufferSize(back_buffer, scale, needed, extent.expandedTo(needed));
    Reshape(back_buffer, size.width(), size.height(), scale);
    background.Resize(size.width(), size.height(), scale);
    window_size_ = QSize(window_width, window_height);
    if (HasWindow()) Reshape(window_, window_width, window_height, scale);
}

Surface& TableSurfaces::Window() {
    if (!HasWindow()) {
        window_ = Make(window_size_.width(), window_size_.height());
        window_.Copy(0, 0, back_buffer, QRect(QPoint(0, scroll), window_size_));
    }
    return window_;
}

Surface& TableSurfaces::Shown() {
    if (!HasWindow() && scroll != 0) return Window();
    return HasWindow() ? window_ : back_buffer;
}

bool TableSurfaces::ReleasePlainWindow() {
    if (!HasWindow() || scroll != 0 || window_.Scale() != back_buffer.Scale() ||
        !back_buffer.Bounds().contains(window_.Bounds()))
        return false;
    const QImage& shown = window_.Image();
    const QImage& table = back_buffer.Image();
    const size_t row_bytes = static_cast<size_t>(shown.width()) * sizeof(QRgb);
    for (int y = 0; y < shown.height(); ++y)
        if (std::memcmp(shown.constScanLine(y), table.constScanLine(y), row_bytes) != 0) return false;
    window_ = Surface();
    return true;
}

}  // namespace velmora
