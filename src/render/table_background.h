#pragma once
// The bare table every erase restores and every card corner shows: a plain
// or fading colour, painted where it is needed and never held (a window-sized
// image of one colour would cost megabytes for nothing), or a picture, held
// whole as it was painted. It lies like the back buffer (table coordinates)
// and is as large.

#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QSize>

#include "platform/surface.h"

namespace velmora {

class TableBackground {
public:
    int Width() const { return size_.width(); }
    int Height() const { return size_.height(); }
    QRect Bounds() const { return {QPoint(0, 0), size_}; }
    int Scale() const { return scale_; }

    // A new size and scale; a held picture starts black, as a new surface
    // does, until it is painted again.
    void Resize(int width, int height, int scale);

    // A colour from the top down, fading to `bottom` over `fade_area` when
    // `fade` (the fade of a table laid out for that area), else plain.
    void ShowColour(QRgb colour, bool fade, const QRect& fade_area, QRgb bottom = qRgb(0, 0, 0));
    // The held picture to paint the background on, as large as the
    // background; from now on the background is that picture.
    Surface& Held();

    // The part `from` of the background (table coordinates) to (x, y) of
    // `target`; what lies outside the background is left as it is.
    void PaintOn(Surface& target, int x, int y, const QRect& from) const;
    // The part `from` as a surface of its own (black outside the background).
    Surface Part(const QRect& from) const;
    // One pixel; 0 outside.
    QRgb Pixel(int x, int y) const;
    // Whether a picture is held (else a colour is painted where needed).
    bool HoldsPicture() const { return held_mode_; }

private:
    QSize size_{0, 0};
    int scale_ = 1;
    bool held_mode_ = false;
    Surface held_;
    QRgb colour_ = qRgb(0, 0, 0);
    QRgb bottom_ = qRgb(0, 0, 0);
    bool fade_ = false;
    QRect fade_area_;
};

}  // namespace velmora
