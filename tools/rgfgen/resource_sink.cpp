#include "resource_sink.h"

#include <QBuffer>

#include "art/pixel_scale.h"
#include "art_names.h"

namespace velmora::rgfgen {

std::vector<uint8_t> EncodePng(const QImage& image) {
    const QImage::Format format =
        image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    QImage normal = image.convertToFormat(format);
    normal.setDotsPerMeterX(3780);  // 96 dpi, whatever the painting device said
    normal.setDotsPerMeterY(3780);
    normal.setText(QString(), QString());
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!normal.save(&buffer, "PNG", 9)) {
        return {};
    }
    return {bytes.begin(), bytes.end()};
}

void ResourceSink::AddBitmap(const std::string& name, const QImage& image) {
    rgf::Entry entry;
    entry.kind = rgf::Kind::Bitmap;
    entry.name = name;
    entry.payload = EncodePng(image);
    entries_.push_back(std::move(entry));
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
