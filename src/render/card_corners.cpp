#include "render/card_corners.h"

#include "art/card_size.h"
#include "platform/surface.h"

namespace velmora {

std::vector<QPoint> CornerPixels(int width, int height) {
    if (width <= 0 || height <= 0) return {};
    // The pixels of each corner square outside the rounding, corner by
    // corner: top left, top right, bottom left, bottom right.
    const int radius = art::CornerRadius(width);
    std::vector<QPoint> square;
    for (int dy = 0; dy < radius; ++dy)
        for (int dx = 0; dx < radius; ++dx)
            if (art::IsOutsideCorner(width, height, dx, dy)) square.emplace_back(dx, dy);
    std::vector<QPoint> pixels;
    pixels.reserve(square.size() * 4);
    const int r = width - 1;
    const int b = height - 1;
    for (const QPoint& p : square) pixels.emplace_back(p.x(), p.y());
    for (const QPoint& p : square) pixels.emplace_back(r - p.x(), p.y());
    for (const QPoint& p : square) pixels.emplace_back(p.x(), b - p.y());
    for (const QPoint& p : square) pixels.emplace_back(r - p.x(), b - p.y());
    return pixels;
}

std::vector<QPoint> CornerPixels(int width, int height, bool single_pixel) {
    if (width <= 0 || height <= 0) return {};
    const int r = width - 1;
    const int b = height - 1;
    if (single_pixel) return {{0, 0}, {r, 0}, {0, b}, {r, b}};
    return {{0, 0}, {1, 0}, {0, 1},          // top left
            {r, 0}, {r - 1, 0}, {r, 1},      // top right
            {0, b}, {1, b}, {0, b - 1},      // bottom left
            {r, b}, {r - 1, b}, {r, b - 1}};  // bottom right
}

void RestoreCorners(Surface& target, int x, int y, int width, int height, const Surface& source, int source_x,
                    int source_y) {
    for (const QPoint& p : CornerPixels(width, height)) {
        target.SetPixel(x + p.x(), y + p.y(), source.Pixel(source_x + p.x(), source_y + p.y()));
    }
}

}  // namespace velmora
