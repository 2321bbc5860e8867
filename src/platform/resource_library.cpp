#include "platform/resource_library.h"

#include <QPixmap>

#include <algorithm>
#include <climits>

#include "text/ascii_case.h"

namespace velmora {

bool ResourceLibrary::Load(const std::string& path, std::string* error) {
    Unload();
    if (!mapped_.Open(path)) {
        if (error) *error = "cannot read " + path;
        return false;
    }
    bytes_ = mapped_.Bytes();
    if (!Index(error)) return false;
    path_ = path;
    return true;
}

bool ResourceLibrary::LoadBytes(const std::vector<uint8_t>& bytes, std::string* error) {
    Unload();
    owned_ = bytes;
    bytes_ = owned_;
    return Index(error);
}

bool ResourceLibrary::Index(std::string* error) {
    std::optional<std::vector<rgf::Listing>> entries = rgf::ReadDirectory(bytes_, error);
    if (!entries) {
        Unload();
        return false;
    }
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
    bytes_ = {};
    mapped_.Close();
    owned_.clear();
    owned_.shrink_to_fit();
    index_.clear();
    path_.clear();
    loaded_ = false;
}

const rgf::Listing* ResourceLibrary::Find(rgf::Kind kind, std::string_view name) const {
    auto it = index_.find(std::make_pair(kind, AsciiLower(name)));
    return it == index_.end() ? nullptr : &entries_[it->second];
}

// The directory was checked against the bytes at load: the payload lies
// inside them.
std::span<const uint8_t> ResourceLibrary::Payload(const rgf::Listing& entry) const {
    return bytes_.subspan(static_cast<size_t>(entry.offset), static_cast<size_t>(entry.size));
}

QImage ResourceLibrary::Decode(const rgf::Listing& entry) const {
    const std::span<const uint8_t> payload = Payload(entry);
    if (payload.empty() || payload.size() > INT_MAX) return {};
    return QImage::fromData(payload.data(), static_cast<int>(payload.size()));
}

bool ResourceLibrary::Contains(rgf::Kind kind, std::string_view name) const {
    return Find(kind, name) != nullptr;
}

QImage ResourceLibrary::BitmapAs(std::string_view name, QImage::Format format) const {
    const rgf::Listing* entry = Find(rgf::Kind::Bitmap, name);
    if (!entry) return {};
    QImage image = Decode(*entry);
    return image.isNull() ? QImage() : image.convertToFormat(format);
}

QImage ResourceLibrary::Bitmap(std::string_view name) const { return BitmapAs(name, QImage::Format_RGB32); }

QImage ResourceLibrary::Glyph(std::string_view name) const { return BitmapAs(name, QImage::Format_ARGB32); }

bool ResourceLibrary::CursorImage(std::string_view name, QImage* image, QPoint* hotspot) const {
    const rgf::Listing* entry = Find(rgf::Kind::Cursor, name);
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
    const rgf::Listing* entry = Find(rgf::Kind::Wave, name);
    return entry ? Payload(*entry) : std::span<const uint8_t>();
}

}  // namespace velmora
