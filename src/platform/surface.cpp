#include "platform/surface.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cstring>

namespace velmora {
namespace {

constexpr QRgb kOpaque = 0xFF000000u;

QRgb* Row(QImage& image, int y) { return reinterpret_cast<QRgb*>(image.scanLine(y)); }

const QRgb* Row(const QImage& image, int y) {
    return reinterpret_cast<const QRgb*>(image.constScanLine(y));
}

// The part of `rect` inside `bounds`; a rectangle of negative width or
// height covers nothing (Qt would otherwise flip it round).
QRect Clip(const QRect& rect, const QRect& bounds) {
    return rect.isEmpty() ? QRect() : rect.intersected(bounds);
}

// The part of a copy that lies inside both surfaces: the destination
// rectangle, and the source offset from it.
struct CopyArea {
    QRect to;
    QPoint shift;  // source point = destination point + shift
};

CopyArea ClipCopy(int x, int y, const QRect& from, const QRect& source_bounds,
                  const QRect& target_bounds) {
    QRect src = Clip(from, source_bounds);
    QPoint shift = from.topLeft() - QPoint(x, y);
    QRect to = Clip(src.translated(-shift), target_bounds);
    return {to, shift};
}

}  // namespace

int SurfaceScaleFor(double device_pixel_ratio) { return device_pixel_ratio > 1.0 ? 2 : 1; }

Surface::Surface(int width, int height, int scale)
    : image_(std::max(width, 0) * std::max(scale, 1), std::max(height, 0) * std::max(scale, 1),
             QImage::Format_RGB32),
      scale_(std::max(scale, 1)) {
    image_.setDevicePixelRatio(scale_);
    image_.fill(kOpaque);
}

Surface::Surface(const QImage& image, int scale)
    : image_(image.convertToFormat(QImage::Format_RGB32)), scale_(std::max(scale, 1)) {
    image_.setDevicePixelRatio(scale_);
}

void Surface::Resize(int width, int height) {
    if (width == Width() && height == Height()) return;
    Surface resized(width, height, scale_);
    resized.Copy(0, 0, *this, Bounds());
    image_ = std::move(resized.image_);
}

Surface Surface::AtScale(int scale) const {
    if (scale == scale_ || IsNull()) return *this;
    Surface scaled;
    scaled.scale_ = std::max(scale, 1);
    scaled.image_ = image_.copy(DeviceRect(Bounds()))
                        .scaled(Width() * scaled.scale_, Height() * scaled.scale_, Qt::IgnoreAspectRatio,
                                Qt::FastTransformation)
                        .convertToFormat(QImage::Format_RGB32);
    scaled.image_.setDevicePixelRatio(scaled.scale_);
    return scaled;
}

QRect Surface::DeviceRect(const QRect& rect) const {
    return {rect.x() * scale_, rect.y() * scale_, rect.width() * scale_, rect.height() * scale_};
}

Surface Surface::Part(const QRect& from) const {
    Surface part;
    part.scale_ = scale_;
    part.image_ = image_.copy(DeviceRect(Clip(from, Bounds())));
    part.image_.setDevicePixelRatio(scale_);
    return part;
}

QRgb Surface::Pixel(int x, int y) const {
    if (!Bounds().contains(x, y)) return 0;
    return Row(image_, y * scale_)[x * scale_];
}

void Surface::SetPixel(int x, int y, QRgb colour) {
    if (!Bounds().contains(x, y)) return;
    FillBlock(x, y, colour | kOpaque);
}

void Surface::FillBlock(int x, int y, QRgb colour) {
    for (int dy = 0; dy < scale_; ++dy) {
        QRgb* row = Row(image_, y * scale_ + dy) + x * scale_;
        std::fill(row, row + scale_, colour);
    }
}

void Surface::Fill(const QRect& rect, QRgb colour) {
    const QRect r = DeviceRect(Clip(rect, Bounds()));
    for (int y = r.top(); y <= r.bottom(); ++y) {
        QRgb* row = Row(image_, y);
        std::fill(row + r.left(), row + r.right() + 1, colour | kOpaque);
    }
}

void Surface::FillHatch(const QRect& rect, QRgb colour, Hatch hatch) {
    const QRect r = Clip(rect, Bounds());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            if (HatchCovers(hatch, x, y)) FillBlock(x, y, colour | kOpaque);
        }
    }
}

void Surface::InvertRect(const QRect& rect) { CopyInverted(rect.x(), rect.y(), *this, rect); }

void Surface::Copy(int x, int y, const Surface& source, const QRect& from) {
    Blit(x, y, source, from, Blend::Opaque, 0);
}

void Surface::CopyInverted(int x, int y, const Surface& source, const QRect& from) {
    Blit(x, y, source, from, Blend::Inverted, 0);
}

void Surface::CopyTransparent(int x, int y, const Surface& source, const QRect& from, QRgb key) {
    Blit(x, y, source, from, Blend::Keyed, key | kOpaque);
}

void Surface::Blit(int x, int y, const Surface& source, const QRect& from, Blend blend, QRgb key) {
    if (source.scale_ != scale_) {
        // Brought to this surface's scale first; only the part that exists.
        const QRect src = Clip(from, source.Bounds());
        if (src.isEmpty()) return;
        const Surface part = source.Part(src).AtScale(scale_);
        Blit(x + src.x() - from.x(), y + src.y() - from.y(), part, part.Bounds(), blend, key);
        return;
    }
    const CopyArea logical = ClipCopy(x, y, from, source.Bounds(), Bounds());
    if (logical.to.isEmpty()) return;
    CopyArea area{DeviceRect(logical.to), logical.shift * scale_};
    // A copy within one surface reads from a snapshot when the areas overlap.
    QImage snapshot;
    const QImage* src = &source.image_;
    if (src == &image_ && area.to.intersects(area.to.translated(area.shift))) {
        snapshot = image_.copy(area.to.translated(area.shift));
        src = &snapshot;
        area.shift = -area.to.topLeft();
    }
    const int width = area.to.width();
    const int sx = area.to.left() + area.shift.x();
    for (int y_to = area.to.top(); y_to <= area.to.bottom(); ++y_to) {
        const QRgb* in = Row(*src, y_to + area.shift.y()) + sx;
        QRgb* out = Row(image_, y_to) + area.to.left();
        if (blend == Blend::Opaque) {
            std::memcpy(out, in, static_cast<size_t>(width) * sizeof(QRgb));
        } else if (blend == Blend::Inverted) {
            for (int i = 0; i < width; ++i) out[i] = ~in[i] | kOpaque;
        } else {
            for (int i = 0; i < width; ++i) {
                if ((in[i] | kOpaque) != key) out[i] = in[i] | kOpaque;
            }
        }
    }
}

void Surface::CopyStretched(const QRect& to, const Surface& source, const QRect& from,
                            StretchMode mode) {
    QRect src = Clip(from, source.Bounds());
    if (to.isEmpty() || src.isEmpty() || image_.isNull()) return;
    // Only the part of the source that exists is drawn, onto the matching
    // part of the destination; the painter clips to this surface and works
    // in table pixels (the image's device pixel ratio is the scale), while
    // the picked rectangle is in the source's device pixels.
    const double sx = double(to.width()) / from.width();
    const double sy = double(to.height()) / from.height();
    QRectF target(to.x() + (src.x() - from.x()) * sx, to.y() + (src.y() - from.y()) * sy,
                  src.width() * sx, src.height() * sy);
    QImage picture = &source == this ? image_.copy(DeviceRect(src)) : source.image_;
    QRectF picked = &source == this ? QRectF(picture.rect()) : QRectF(source.DeviceRect(src));
    QPainter painter(&image_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, mode == StretchMode::Smooth);
    painter.drawImage(target, picture, picked);
}

void Surface::DrawText(int x, int y, const QString& text, const QFont& font, QRgb colour) {
    if (image_.isNull() || text.isEmpty()) return;
    QPainter painter(&image_);
    painter.setFont(font);
    painter.setPen(QColor::fromRgb(colour));
    QFontMetrics metrics(font);
    painter.drawText(x, y + metrics.ascent(), text);
}

QSize Surface::TextSize(const QString& text, const QFont& font) {
    QFontMetrics metrics(font);
    return {metrics.horizontalAdvance(text), metrics.height()};
}

}  // namespace velmora
