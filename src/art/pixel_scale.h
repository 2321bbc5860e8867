#pragma once
// Pictures for screens of any pixel density: the same design drawn on an
// image with `scale` device pixels per picture pixel each way (2 on the
// high-density twins of the library, any value such as 1.25 for cards drawn
// for the screen they are shown on). The image's device pixel ratio is the
// scale, so QPainter keeps the design's picture coordinates, and the
// pixel-by-pixel code asks the image for it.

#include <QImage>
#include <QRect>
#include <QSize>

namespace velmora::art {

// The scale of the high-density twins, and what their names end with.
inline constexpr int kHighDensity = 2;
inline constexpr const char* kHighDensitySuffix = "@2";

// Device pixels from picture coordinate `v` at `scale`: picture pixel v
// covers device pixels DevicePixel(v) up to DevicePixel(v + 1), exclusive.
int DevicePixel(int v, double scale);

// An image of `logical` size in picture pixels, `scale` device pixels each
// (rounded to whole device pixels).
QImage ScaledImage(QSize logical, QImage::Format format, double scale);

// Device pixels per picture pixel of an image made by ScaledImage.
double PixelScale(const QImage& image);

// The image's size in picture pixels.
QSize LogicalSize(const QImage& image);

// A rectangle of picture pixels in device pixels.
QRect DeviceRect(const QRect& logical, double scale);

// A transparent premultiplied image of the same size and scale, to paint a
// part of `image` on before it is copied in.
QImage TransparentLike(const QImage& image);

// Sets the whole block of device pixels of picture pixel (x, y).
void SetLogicalPixel(QImage& image, int x, int y, QRgb rgb);

// Sets every device pixel of a rectangle of picture pixels.
void FillLogicalRect(QImage& image, const QRect& logical, QRgb rgb);

}  // namespace velmora::art
