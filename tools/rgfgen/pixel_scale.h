#pragma once
// Pictures for screens with twice the pixel density: the same design drawn
// on an image with `scale` device pixels per picture pixel each way. The
// image's device pixel ratio is the scale, so QPainter keeps the design's
// 1x coordinates, and the pixel-by-pixel code asks the image for it.

#include <QImage>
#include <QSize>

namespace velmora::rgfgen {

// The scale of the high-density twins, and what their names end with.
inline constexpr int kHighDensity = 2;
inline constexpr const char* kHighDensitySuffix = "@2";

// An image of `logical` size in picture pixels, `scale` device pixels each.
QImage ScaledImage(QSize logical, QImage::Format format, int scale);

// Device pixels per picture pixel of an image made by ScaledImage.
int PixelScale(const QImage& image);

// The image's size in picture pixels.
QSize LogicalSize(const QImage& image);

// A transparent premultiplied image of the same size and scale, to paint a
// part of `image` on before it is copied in.
QImage TransparentLike(const QImage& image);

// Sets the whole block of device pixels of picture pixel (x, y).
void SetLogicalPixel(QImage& image, int x, int y, QRgb rgb);

}  // namespace velmora::rgfgen
