#include "render/mark_overlay.h"

#include <algorithm>
#include <map>

#include "platform/surface.h"
#include "render/card_corners.h"

namespace velmora {

namespace {

constexpr int kShadeAlpha = 60;   // the pile's place, a faint shade
constexpr int kLightAlpha = 200;  // the outline and symbol at their brightest

int Luma(QRgb p) { return (qRed(p) * 299 + qGreen(p) * 587 + qBlue(p) * 114) / 1000; }

// The picture's fill: its most frequent colour.
QRgb FillColour(const QImage& image) {
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) ++counts[row[x] | 0xFF000000u];
    }
    const auto most = std::max_element(counts.begin(), counts.end(),
                                       [](const auto& a, const auto& b) { return a.second < b.second; });
    return most == counts.end() ? 0 : most->first;
}

inline int Mix(int under, int over, int alpha) { return under + (over - under) * alpha / 255; }

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
        for (int x = 0; x < mark.shade.width(); ++x) {
            const int ox = to.x() + x;
            const int ux = from.x() + x;
            if (ox < 0 || ox >= out.width() || ux < 0 || ux >= under.width()) continue;
            const QRgb p = under_row[ux];
            const int keep = 255 - shade[x];
            int r = qRed(p) * keep / 255;
            int g = qGreen(p) * keep / 255;
            int b = qBlue(p) * keep / 255;
            r = Mix(r, 255, light[x]);
            g = Mix(g, 255, light[x]);
            b = Mix(b, 255, light[x]);
            out_row[ox] = qRgb(r, g, b);
        }
    }
}

}  // namespace velmora
