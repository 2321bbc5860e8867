#pragma once
// A bitmap to draw on: a QImage in Format_RGB32 with the block operations the
// table drawing needs. Every operation clips to the surfaces involved, so any
// rectangle, also one lying partly or wholly outside, is safe.
//
// Rectangles are QRect(x, y, width, height); colours are QRgb (0xAARRGGBB,
// alpha ignored: pixels are stored as 0xFFRRGGBB).
//
// Every coordinate is in table pixels. On a high-resolution screen a surface
// holds `Scale()` x `Scale()` device pixels for each of them, so pictures made
// at that resolution and text come out sharp while the game's arithmetic
// stays in table pixels. A pixel write fills the whole block; a read gives
// the block's top-left device pixel. Copies between surfaces of different
// scales enlarge or shrink the source (nearest pixel).

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

#include "platform/hatch.h"

namespace velmora {

enum class StretchMode { Nearest, Smooth };

// The surface scale for a screen of that device pixel ratio: 2 on any
// screen finer than 1 (the finest the library's pictures come in), else 1.
// A screen between the two (1.25, 1.5) shows the surfaces shrunk smoothly,
// which keeps cards drawn at their own size sharp; enlarging a scale-1
// surface would double every fourth pixel.
int SurfaceScaleFor(double device_pixel_ratio);

class Surface {
public:
    Surface() = default;
    Surface(int width, int height, int scale = 1);  // filled with black
    // The image's pixels are device pixels: `scale` of them per table pixel
    // each way (converted to RGB32).
    explicit Surface(const QImage& image, int scale = 1);

    int Width() const { return image_.width() / scale_; }
    int Height() const { return image_.height() / scale_; }
    QRect Bounds() const { return {0, 0, Width(), Height()}; }
    bool IsNull() const { return image_.isNull(); }
    int Scale() const { return scale_; }
    // New size; what fits is kept, new pixels are black.
    void Resize(int width, int height);
    // The same picture at another scale (nearest pixel).
    Surface AtScale(int scale) const;

    // The device pixels, with the scale as the image's device pixel ratio.
    QImage& Image() { return image_; }
    const QImage& Image() const { return image_; }
    // A rectangle of table pixels in device pixels.
    QRect DeviceRect(const QRect& rect) const;

    // Out of range: reads give 0, writes are ignored.
    QRgb Pixel(int x, int y) const;
    void SetPixel(int x, int y, QRgb colour);

    void Fill(const QRect& rect, QRgb colour);
    // Paints the hatch lines in the colour; the pixels between keep theirs.
    void FillHatch(const QRect& rect, QRgb colour, Hatch hatch);
    void InvertRect(const QRect& rect);

    // The source rectangle `from` of `source` to (x, y) of this surface.
    // `source` may be this surface; overlapping areas copy correctly.
    void Copy(int x, int y, const Surface& source, const QRect& from);
    // The same, each pixel inverted (destination = NOT source).
    void CopyInverted(int x, int y, const Surface& source, const QRect& from);
    // The same, skipping the source pixels of colour `key`.
    void CopyTransparent(int x, int y, const Surface& source, const QRect& from, QRgb key);
    // The source rectangle scaled to the destination rectangle.
    void CopyStretched(const QRect& to, const Surface& source, const QRect& from,
                       StretchMode mode = StretchMode::Nearest);

    // Text with its top-left corner at (x, y), on a transparent background
    // (needs a QGuiApplication, as all font use does).
    void DrawText(int x, int y, const QString& text, const QFont& font, QRgb colour);
    static QSize TextSize(const QString& text, const QFont& font);

private:
    enum class Blend { Opaque, Inverted, Keyed };
    void Blit(int x, int y, const Surface& source, const QRect& from, Blend blend, QRgb key);
    // Sets the device pixels of table pixel (x, y), which must lie inside.
    void FillBlock(int x, int y, QRgb colour);

    // The part of `from` inside this surface, as a surface of its own.
    Surface Part(const QRect& from) const;

    QImage image_;
    int scale_ = 1;
};

}  // namespace velmora
