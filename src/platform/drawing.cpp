#include "platform/drawing.h"

#include <QImage>
#include <QImageReader>

#include "platform/files.h"
#include "platform/resource_library.h"

namespace velmora {
namespace {

constexpr int kBands = 256;

int Channel(int bottom, int top, int band) { return bottom + band * (top - bottom) / kBands; }

QRgb BandColour(QRgb top, QRgb bottom, int band) {
    return qRgb(Channel(qRed(bottom), qRed(top), band), Channel(qGreen(bottom), qGreen(top), band),
                Channel(qBlue(bottom), qBlue(top), band));
}

}  // namespace

void VerticalGradient(Surface& target, const QRect& rect, QRgb top, QRgb bottom) {
    VerticalGradientPart(target, rect, top, bottom, rect, QPoint());
}

void VerticalGradientPart(Surface& target, const QRect& rect, QRgb top, QRgb bottom, const QRect& clip,
                          QPoint shift) {
    const QRect wanted = rect.intersected(clip);
    if (wanted.isEmpty()) return;
    const int64_t h = rect.height();
    const int64_t bottom_edge = int64_t{rect.y()} + h;  // first row below the rectangle
    for (int band = 0; band < kBands; ++band) {
        int64_t y_top = bottom_edge - (band + 1) * h / kBands;
        int64_t y_end = bottom_edge - band * h / kBands;
        if (y_end <= y_top || y_end <= wanted.top() || y_top > wanted.bottom()) continue;
        const QRect strip = QRect(wanted.x(), int(y_top), wanted.width(), int(y_end - y_top)).intersected(wanted);
        target.Fill(strip.translated(shift), BandColour(top, bottom, band));
    }
}

void TilePicture(Surface& target, int width, int height, const Surface& picture) {
    const int pw = picture.Width();
    const int ph = picture.Height();
    if (pw <= 0 || ph <= 0) return;
    // Copies beyond the target's edge would all be clipped away.
    const int row_end = std::min(width, target.Width());
    const int column_end = std::min(height, target.Height());
    int x = 0;
    do {
        target.Copy(x, 0, picture, picture.Bounds());
        x += pw;
    } while (x <= row_end);
    const QRect row(0, 0, x, ph);
    for (int y = ph; y <= column_end; y += ph) target.Copy(0, y, target, row);
}

bool LoadResourceBitmap(const ResourceLibrary& library, std::string_view name, Surface* out) {
    QImage image = library.Bitmap(name);
    if (image.isNull()) return false;
    *out = Surface(image);
    return true;
}

Surface ScaledResourceBitmap(const ResourceLibrary& library, std::string_view name, int scale) {
    if (scale > 1) {
        const QImage sharp = library.Bitmap(std::string(name) + "@" + std::to_string(scale));
        if (!sharp.isNull()) return Surface(sharp, scale);
    }
    const QImage plain = library.Bitmap(name);
    return plain.isNull() ? Surface() : Surface(plain).AtScale(scale);
}

bool DrawResourceBitmap(const ResourceLibrary& library, std::string_view name, Surface& target) {
    Surface bitmap;
    if (!LoadResourceBitmap(library, name, &bitmap)) return false;
    target.Copy(0, 0, bitmap, bitmap.Bounds());
    return true;
}

std::string PictureFilePath(std::string_view name) {
    const bool has_folder = name.find_first_of("/\\") != std::string_view::npos;
    return ProgramPath(has_folder ? std::string(name) : std::string(name) + ".bmp", EntryKind::File);
}

bool LoadPictureFile(Surface* out, std::string_view name, const MissingPicture& on_missing) {
    const std::string path = PictureFilePath(name);
    if (!FileExists(path)) {
        if (on_missing) on_missing(path);
        return false;
    }
    QImageReader reader(QString::fromStdString(path));
    QImage image = reader.read();
    if (image.isNull()) return false;
    *out = Surface(image);
    return true;
}

}  // namespace velmora
