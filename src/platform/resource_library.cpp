#include "platform/resource_library.h"

#include <QPixmap>

#include <algorithm>
#include <climits>

#include "text/ascii_case.h"
#include "text/whole_file.h"

namespace velmora {
namespace {

QImage Decode(const rgf::Entry& entry) {
    if (entry.payload.empty() || entry.payload.size() > INT_MAX) return {};
    const auto* data = reinterpret_cast<const uchar*>(entry.payload.data());
    return QImage::fromData(data, static_cast<int>(entry.payload.size()));
}

}  // namespace

bool ResourceLibrary::Load(const std::string& path, std::string* error) {
    Unload();
    std::vector<uint8_t> bytes;
    if (!ReadRegularFile(path, bytes)) {
        if (error) *error = "cannot read " + path;
        return false;
    }
    if (!LoadBytes(bytes, error)) return false;
    path_ = path;
    return true;
}

bool ResourceLibrary::LoadBytes(const std::vector<uint8_t>& bytes, std::string* error) {
    Unload();
    std::optional<std::vector<rgf::Entry>> entries = rgf::Parse(bytes, error);
    if (!entries) return false;
    entries_ = std::move(*entries);
    for (size_t i = 0; i < entries_.size(); ++i) {
        // The first of two entries with the same name wins.
        index_.emplace(std::make_pair(entries_[i].kind, AsciiLower(entries_[i].name)), i);
    }
    loaded_ = true;
    return true;
}

void ResourceLibrary::Unload() {
    entries_.clear();
    index_.clear();
    path_.clear();
    loaded_ = false;
}

const rgf::Entry* ResourceLibrary::Find(rgf::Kind kind, std::string_view name) const {
    auto it = index_.find(std::make_pair(kind, AsciiLower(name)));
    return it == index_.end() ? nullptr : &entries_[it->second];
}

bool ResourceLibrary::Contains(rgf::Kind kind, std::string_view name) const {
    return Find(kind, name) != nullptr;
}

QImage ResourceLibrary::BitmapAs(std::string_view name, QImage::Format format) const {
    const rgf::Entry* entry = Find(rgf::Kind::Bitmap, name);
    if (!entry) return {};
    QImage image = Decode(*entry);
    return image.isNull() ? QImage() : image.convertToFormat(format);
}

QImage ResourceLibrary::Bitmap(std::string_view name) const { return BitmapAs(name, QImage::Format_RGB32); }

QImage ResourceLibrary::Glyph(std::string_view name) const { return BitmapAs(name, QImage::Format_ARGB32); }

bool ResourceLibrary::CursorImage(std::string_view name, QImage* image, QPoint* hotspot) const {
    const rgf::Entry* entry = Find(rgf::Kind::Cursor, name);
    if (!entry) return false;
    QImage decoded = Decode(*entry);
    if (decoded.isNull()) return false;
    *image = decoded.convertToFormat(QImage::Format_ARGB32);
    *hotspot = QPoint(std::clamp(entry->hotspot_x, 0, image->width() - 1),
                      std::clamp(entry->hotspot_y, 0, image->height() - 1));
    return true;
}

std::optional<QCursor> ResourceLibrary::Cursor(std::string_view name) const {
    QImage image;
    QPoint hotspot;
    if (!CursorImage(name, &image, &hotspot)) return std::nullopt;
    return QCursor(QPixmap::fromImage(image), hotspot.x(), hotspot.y());
}

std::span<const uint8_t> ResourceLibrary::Wave(std::string_view name) const {
    const rgf::Entry* entry = Find(rgf::Kind::Wave, name);
    if (!entry) return {};
    return {entry->payload.data(), entry->payload.size()};
}

}  // namespace velmora
