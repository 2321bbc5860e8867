#include "resource_sink.h"

#include <QBuffer>

#include "art/pixel_scale.h"
#include "art_names.h"

namespace velmora::rgfgen {

namespace {

std::vector<uint8_t> Encode(const QImage& image, const char* format, int quality) {
    const QImage::Format pixels =
        image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    QImage normal = image.convertToFormat(pixels);
    normal.setDotsPerMeterX(3780);  // 96 dpi, whatever the painting device said
    normal.setDotsPerMeterY(3780);
    normal.setText(QString(), QString());
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!normal.save(&buffer, format, quality)) {
        return {};
    }
    return {bytes.begin(), bytes.end()};
}

}  // namespace

std::vector<uint8_t> EncodePng(const QImage& image) { return Encode(image, "PNG", 9); }

void ResourceSink::AddBitmap(const std::string& name, const QImage& image) {
    entries_.push_back({rgf::Kind::Bitmap, name, EncodePng(image)});
}

void ResourceSink::AddPlainBitmap(const std::string& name, const QImage& image) {
    entries_.push_back({rgf::Kind::Bitmap, name, Encode(image.convertToFormat(QImage::Format_RGB32), "BMP", -1)});
}

void ResourceSink::AddBitmapTwins(const std::string& name,
                                  const std::function<QImage(int scale)>& draw) {
    AddBitmap(name, draw(1));
    AddBitmap(name + kHighDensitySuffix, draw(kHighDensity));
}

void ResourceSink::AddCursor(const std::string& name, const QImage& image, QPoint hotspot) {
    rgf::Entry entry;
    entry.kind = rgf::Kind::Cursor;
    entry.name = name;
    entry.payload = EncodePng(image);
    entry.hotspot_x = hotspot.x();
    entry.hotspot_y = hotspot.y();
    entries_.push_back(std::move(entry));
}

void ResourceSink::AddWave(const std::string& name, std::vector<uint8_t> wave) {
    rgf::Entry entry;
    entry.kind = rgf::Kind::Wave;
    entry.name = name;
    entry.payload = std::move(wave);
    entries_.push_back(std::move(entry));
}

}  // namespace velmora::rgfgen
