#include "art/pixel_scale.h"

#include <QColor>
#include <algorithm>
#include <cstdint>
#include <cmath>

namespace velmora::art {

int DevicePixel(int v, double scale) {
    return static_cast<int>(std::lround(v * scale));
}

QImage ScaledImage(QSize logical, QImage::Format format, double scale) {
    QImage image(DevicePixel(logical.width(), scale), DevicePixel(logical.height(), scale), format);
    image.setDevicePixelRatio(scale);
    return image;
}

double PixelScale(const QImage& image) {
    return image.devicePixelRatio();
}

QSize LogicalSize(const QImage& image) {
    const double scale = PixelScale(image);
    return {static_cast<int>(std::lround(image.width() / scale)),
            static_cast<int>(std::lround(image.height() / scale))};
}

QRect DeviceRect(const QRect& logical, double scale) {
    const int left = DevicePixel(logical.left(), scale);
    const int top = DevicePixel(logical.top(), scale);
    return {left, top, DevicePixel(logical.left() + logical.width(), scale) - left,
            DevicePixel(logical.top() + logical.height(), scale) - top};
}

QImage TransparentLike(const QImage& image) {
    QImage like(image.size(), QImage::Format_ARGB32_Premultiplied);
    like.setDevicePixelRatio(image.devicePixelRatio());
    like.fill(Qt::transparent);
    return like;
}

void SetLogicalPixel(QImage& image, int x, int y, QRgb rgb) { FillLogicalRect(image, QRect(x, y, 1, 1), rgb); }

void FillLogicalRect(QImage& image, const QRect& logical, QRgb rgb) {
    const QRect block = DeviceRect(logical, PixelScale(image)).intersected(image.rect());
    if (block.isEmpty()) return;
    if (image.depth() != 32) {
        for (int dy = block.top(); dy <= block.bottom(); ++dy)
            for (int dx = block.left(); dx <= block.right(); ++dx) image.setPixel(dx, dy, rgb);
        return;
    }
    // One pixel set as the format stores it, copied over the rest.
    image.setPixel(block.left(), block.top(), rgb);
    const uint32_t stored = reinterpret_cast<const uint32_t*>(image.constScanLine(block.top()))[block.left()];
    for (int dy = block.top(); dy <= block.bottom(); ++dy) {
        uint32_t* row = reinterpret_cast<uint32_t*>(image.scanLine(dy));
        std::fill(row + block.left(), row + block.right() + 1, stored);
    }
}

}  // namespace velmora::art
