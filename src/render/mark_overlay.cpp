#include "render/mark_overlay.h"

#include <algorithm>
#include <cstdint>
#include <map>

#include "platform/surface.h"
#include "render/card_corners.h"

namespace velmora {

namespace {

constexpr int kShadeAlpha = 60;   // the pile's place, a faint shade
constexpr int kLightAlpha = 200;  // the outline and symbol at their brightest

int Luma(QRgb p) { return (qRed(p) * 299 + qGreen(p) * 587 + qBlue(p) * 114) / 1000; }

// The picture's fill: its most frequent colour. Counted run by run, as a
// mark is mostly long runs of its fill.
QRgb FillColour(const QImage& image) {
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width();) {
            const QRgb colour = row[x] | 0xFF000000u;
            const int start = x;
            while (++x < image.width() && (row[x] | 0xFF000000u) == colour) {
            }
            counts[colour] += x - start;
        }
    }
    const auto most = std::max_element(counts.begin(), counts.end(),
                                       [](const auto& a, const auto& b) { return a.second < b.second; });
    return most == counts.end() ? 0 : most->first;
}

// The table pixel darkened by `shade`, then lightened towards white by
// `light` (both 0-255, in 256ths: shifts, not divisions).
inline QRgb Overlay(QRgb table, uint32_t shade, uint32_t light) {
    const uint32_t keep = 256u - shade;
    uint32_t red_blue = ((table & 0x00FF00FFu) * keep >> 8) & 0x00FF00FFu;
    uint32_t green = ((table & 0x0000FF00u) * keep >> 8) & 0x0000FF00u;
    red_blue += (((0x00FF00FFu - red_blue) * light) >> 8) & 0x00FF00FFu;
    green += (((0x0000FF00u - green) * light) >> 8) & 0x0000FF00u;
    return 0xFF000000u | red_blue | green;
}

}  // namespace

MarkOverlay MakeMarkOverlay(const Surface& picture, int width, int height) {
    if (picture.IsNull() || width <= 0 || height <= 0) return {};
    const int s = picture.Scale();
    const QImage image = picture.Image().copy(0, 0, width * s, height * s);
    const int fill = Luma(FillColour(image));
    int brightest = fill;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) brightest = std::max(brightest, Luma(row[x]));
    }
    const int range = std::max(1, brightest - fill);
    MarkOverlay mark{QImage(image.size(), QImage::Format_Alpha8), QImage(image.size(), QImage::Format_Alpha8)};
    mark.shade.fill(kShadeAlpha);
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        uchar* light = mark.light.scanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            const int stand_out = std::clamp(std::abs(Luma(row[x]) - fill) * 255 / range, 0, 255);
            light[x] = static_cast<uchar>(stand_out * kLightAlpha / 255);
        }
    }
    // The rounded-off corners keep the table as it is.
    for (const QPoint& p : CornerPixels(width, height))
        for (int dy = 0; dy < s; ++dy)
            for (int dx = 0; dx < s; ++dx) {
                mark.shade.scanLine(p.y() * s + dy)[p.x() * s + dx] = 0;
                mark.light.scanLine(p.y() * s + dy)[p.x() * s + dx] = 0;
            }
    return mark;
}

void PaintMarkOverlay(Surface& target, QPoint at, const MarkOverlay& mark, const Surface& table, QPoint table_at) {
    const int s = target.Scale();
    if (mark.IsNull() || table.Scale() != s) return;
    QImage& out = target.Image();
    const QImage& under = table.Image();
    const QPoint to = at * s;
    const QPoint from = table_at * s;
    for (int y = 0; y < mark.shade.height(); ++y) {
        const int oy = to.y() + y;
        const int uy = from.y() + y;
        if (oy < 0 || oy >= out.height() || uy < 0 || uy >= under.height()) continue;
        QRgb* out_row = reinterpret_cast<QRgb*>(out.scanLine(oy));
        const QRgb* under_row = reinterpret_cast<const QRgb*>(under.constScanLine(uy));
        const uchar* shade = mark.shade.constScanLine(y);
        const uchar* light = mark.light.constScanLine(y);
        // Only the columns inside both surfaces.
        const int first = std::max({0, -to.x(), -from.x()});
        const int last = std::min({mark.shade.width(), out.width() - to.x(), under.width() - from.x()});
        for (int x = first; x < last; ++x) out_row[to.x() + x] = Overlay(under_row[from.x() + x], shade[x], light[x]);
    }
}

}  // namespace velmora
