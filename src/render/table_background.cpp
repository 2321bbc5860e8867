#include "render/table_background.h"

#include <algorithm>

#include "platform/drawing.h"

namespace velmora {

void TableBackground::Resize(int width, int height, int scale) {
    const QSize size(std::max(width, 0), std::max(height, 0));
    scale = std::max(scale, 1);
    if (size == size_ && scale == scale_) return;
    size_ = size;
    scale_ = scale;
    if (held_mode_) held_ = Surface(size_.width(), size_.height(), scale_);
}

void TableBackground::ShowColour(QRgb colour, bool fade, const QRect& fade_area, QRgb bottom) {
    held_mode_ = false;
    held_ = Surface();
    colour_ = colour;
    bottom_ = bottom;
    fade_ = fade;
    fade_area_ = fade_area;
}

Surface& TableBackground::Held() {
    if (!held_mode_) {
        Surface picture(size_.width(), size_.height(), scale_);
        PaintOn(picture, 0, 0, Bounds());
        held_ = std::move(picture);
        held_mode_ = true;
    }
    return held_;
}

void TableBackground::PaintOn(Surface& target, int x, int y, const QRect& from) const {
    if (held_mode_) {
        target.Copy(x, y, held_, from);
        return;
    }
    const QRect inside = from.intersected(Bounds());
    if (inside.isEmpty()) return;
    const QPoint shift = QPoint(x, y) - from.topLeft();
    if (fade_)
        VerticalGradientPart(target, fade_area_, colour_, bottom_, inside, shift);
    else
        target.Fill(inside.translated(shift), colour_);
}

Surface TableBackground::Part(const QRect& from) const {
    Surface part(std::max(from.width(), 0), std::max(from.height(), 0), scale_);
    PaintOn(part, 0, 0, from);
    return part;
}

QRgb TableBackground::Pixel(int x, int y) const {
    if (held_mode_) return held_.Pixel(x, y);
    if (!Bounds().contains(x, y)) return 0;
    return Part(QRect(x, y, 1, 1)).Pixel(0, 0);
}

}  // namespace velmora
