#include "render/soft_shadow.h"

#include <algorithm>
#include <cstdint>

#include "platform/surface.h"
#include "render/card_corners.h"

namespace velmora {

namespace {

// One pass of a box blur of radius `r` along rows (`stride` 1) or columns.
void BoxPass(std::vector<int>& values, int width, int height, int r, bool along_rows) {
    const int lines = along_rows ? height : width;
    const int length = along_rows ? width : height;
    const int step = along_rows ? 1 : width;
    std::vector<int> line(static_cast<size_t>(length));
    const int span = 2 * r + 1;
    for (int l = 0; l < lines; ++l) {
        const int start = along_rows ? l * width : l;
        for (int i = 0; i < length; ++i) line[static_cast<size_t>(i)] = values[static_cast<size_t>(start + i * step)];
        int sum = 0;
        for (int i = -r; i <= r; ++i)
            if (i >= 0 && i < length) sum += line[static_cast<size_t>(i)];
        for (int i = 0; i < length; ++i) {
            values[static_cast<size_t>(start + i * step)] = sum / span;
            const int leaving = i - r;
            const int entering = i + r + 1;
            if (leaving >= 0) sum -= line[static_cast<size_t>(leaving)];
            if (entering < length) sum += line[static_cast<size_t>(entering)];
        }
    }
}

// Table pixel (x, y) of a picture at `scale`, filled in device pixels.
void FillBlock(QImage& image, int x, int y, int scale, uchar value) {
    for (int dy = 0; dy < scale; ++dy) {
        uchar* row = image.scanLine(y * scale + dy);
        std::fill(row + x * scale, row + (x + 1) * scale, value);
    }
}

// The pixel with `alpha` of black over it (256ths: a shift, not a division).
inline QRgb Darken(QRgb pixel, int alpha) {
    const uint32_t keep = 256u - static_cast<uint32_t>(alpha);
    const uint32_t red_blue = ((pixel & 0x00FF00FFu) * keep >> 8) & 0x00FF00FFu;
    const uint32_t green = ((pixel & 0x0000FF00u) * keep >> 8) & 0x0000FF00u;
    return 0xFF000000u | red_blue | green;
}

}  // namespace

QImage CardCoverage(const QSize& size, const CardPlaces& cards, int scale) {
    QImage cover(size * scale, QImage::Format_Alpha8);
    cover.fill(0);
    const QRect bounds(QPoint(0, 0), size);
    for (const QRect& card : cards) {
        const QRect inside = card.intersected(bounds);
        for (int y = inside.top() * scale; y < (inside.bottom() + 1) * scale; ++y) {
            uchar* row = cover.scanLine(y);
            std::fill(row + inside.left() * scale, row + (inside.right() + 1) * scale, uchar{255});
        }
    }
    // The rounded-off corners of each card show what lies beneath, unless
    // another card of the run lies there.
    for (size_t i = 0; i < cards.size(); ++i) {
        const QRect& card = cards[i];
        for (const QPoint& p : CornerPixels(card.width(), card.height())) {
            const QPoint at = card.topLeft() + p;
            if (!bounds.contains(at)) continue;
            bool covered = false;
            for (size_t j = 0; j < cards.size() && !covered; ++j) covered = j != i && cards[j].contains(at);
            if (!covered) FillBlock(cover, at.x(), at.y(), scale, 0);
        }
    }
    return cover;
}

ShadowShape ShadowShapeFor(int card_width) {
    const int offset = std::max(2, (card_width + 12) / 24);
    return {QPoint(offset, offset + 1), std::max(2, (card_width + 8) / 17), 110};
}

QRect SoftShadow::RectAt(QPoint at, int scale) const {
    if (IsNull()) return {};
    return QRect(at + origin, alpha.size() / scale);
}

SoftShadow MakeSoftShadow(const QImage& coverage, const ShadowShape& shape, int scale) {
    if (coverage.isNull() || shape.strength <= 0) return {};
    const int margin = shape.blur * scale;
    const int width = coverage.width() + 2 * margin;
    const int height = coverage.height() + 2 * margin;
    std::vector<int> values(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
    for (int y = 0; y < coverage.height(); ++y) {
        const uchar* row = coverage.constScanLine(y);
        for (int x = 0; x < coverage.width(); ++x)
            values[static_cast<size_t>((y + margin) * width + x + margin)] = row[x] * shape.strength / 255;
    }
    // Two box passes each way come close to a gaussian edge.
    const int r = std::max(1, margin / 2);
    for (int pass = 0; pass < 2; ++pass) {
        BoxPass(values, width, height, r, true);
        BoxPass(values, width, height, r, false);
    }
    SoftShadow shadow;
    shadow.alpha = QImage(width, height, QImage::Format_Alpha8);
    for (int y = 0; y < height; ++y) {
        uchar* row = shadow.alpha.scanLine(y);
        for (int x = 0; x < width; ++x) row[x] = static_cast<uchar>(values[static_cast<size_t>(y * width + x)]);
    }
    shadow.origin = shape.offset - QPoint(shape.blur, shape.blur);
    return shadow;
}

void ComposeDrag(Surface& target, const QRect& area, const Surface& beneath, int beneath_shift, const Surface& image,
                 const QImage& coverage, const SoftShadow& shadow, QPoint at) {
    const int s = target.Scale();
    if (beneath.Scale() != s || image.Scale() != s) return;
    QImage& out = target.Image();
    const QImage& under = beneath.Image();
    const QImage& picture = image.Image();
    const QRect device = target.DeviceRect(area).intersected(out.rect());
    const QPoint image_at = at * s;
    const QPoint shadow_at = (at + shadow.origin) * s;
    const QRect picture_rect(image_at, picture.size());
    const QRect shadow_rect(shadow_at, shadow.alpha.size());
    const int shift = beneath_shift * s;
    // Read once: the loop below runs for every pixel of the area.
    const int picture_width = picture.width();
    const int under_width = under.width();
    const int alpha_width = shadow.alpha.width();
    for (int y = device.top(); y <= device.bottom(); ++y) {
        const int uy = y + shift;
        const bool has_under = uy >= 0 && uy < under.height();
        const QRgb* under_row = has_under ? reinterpret_cast<const QRgb*>(under.constScanLine(uy)) : nullptr;
        QRgb* out_row = reinterpret_cast<QRgb*>(out.scanLine(y));
        const bool picture_row = y >= picture_rect.top() && y <= picture_rect.bottom();
        const QRgb* picture_line =
            picture_row ? reinterpret_cast<const QRgb*>(picture.constScanLine(y - image_at.y())) : nullptr;
        const uchar* cover_line = picture_row ? coverage.constScanLine(y - image_at.y()) : nullptr;
        const bool shadow_row = !shadow.IsNull() && y >= shadow_rect.top() && y <= shadow_rect.bottom();
        const uchar* alpha_line = shadow_row ? shadow.alpha.constScanLine(y - shadow_at.y()) : nullptr;
        for (int x = device.left(); x <= device.right(); ++x) {
            const int px = x - image_at.x();
            if (picture_line && px >= 0 && px < picture_width && cover_line[px]) {
                out_row[x] = picture_line[px];
                continue;
            }
            if (!under_row || x >= under_width) continue;
            const int sx = x - shadow_at.x();
            const int alpha = alpha_line && sx >= 0 && sx < alpha_width ? alpha_line[sx] : 0;
            out_row[x] = alpha ? Darken(under_row[x], alpha) : under_row[x];
        }
    }
}

}  // namespace velmora
