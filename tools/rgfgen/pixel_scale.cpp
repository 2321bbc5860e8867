#include "pixel_scale.h"

#include <QColor>
#include <cmath>

namespace velmora::rgfgen {

QImage ScaledImage(QSize logical, QImage::Format format, int scale) {
    QImage image(logical * scale, format);
    image.setDevicePixelRatio(scale);
    return image;
}

int PixelScale(const QImage& image) {
    return static_cast<int>(std::lround(image.devicePixelRatio()));
}

QSize LogicalSize(const QImage& image) {
    return image.size() / PixelScale(image);
}

QImage TransparentLike(const QImage& image) {
    QImage like(image.size(), QImage::Format_ARGB32_Premultiplied);
    like.setDevicePixelRatio(image.devicePixelRatio());
    like.fill(Qt::transparent);
    return like;
}

void SetLogicalPixel(QImage& image, int x, int y, QRgb rgb) {
    const int scale = PixelScale(image);
    for (int dy = 0; dy < scale; ++dy) {
        for (int dx = 0; dx < scale; ++dx) {
            image.setPixel(x * scale + dx, y * scale + dy, rgb);
        }
    }
}

}  // namespace velmora::rgfgen
