#pragma once
// A bitmap to draw on: a QImage in Format_RGB32 with the block operations the
// table drawing needs. Every operation clips to the surfaces involved, so any
// rectangle, also one lying partly or wholly outside, is safe.
//
// Rectangles are QRect(x, y, width, height); colours are QRgb (0xAARRGGBB,
// alpha ignored: pixels are stored as 0xFFRRGGBB).

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

#include "platform/hatch.h"

namespace velmora {

enum class StretchMode { Nearest, Smooth };

class Surface {
public:
    Surface() = default;
    Surface(int width, int height);           // filled with black
    explicit Surface(const QImage& image);    // converted to RGB32

    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    QRect Bounds() const { return image_.rect(); }
    bool IsNull() const { return image_.isNull(); }
    // New size; what fits is kept, new pixels are black.
    void Resize(int width, int height);

    QImage& Image() { return image_; }
    const QImage& Image() const { return image_; }

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

    QImage image_;
};

}  // namespace velmora
