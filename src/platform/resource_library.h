#pragma once
// The program's resource library (QOR.RGF): bitmaps, cursors and sounds,
// found by name without regard to case. A library that is missing or
// corrupt does not load; an entry whose picture does not decode gives a null
// image, never a crash. The file is mapped, not read: only its directory is
// read at load, and a picture's bytes are read when it is first asked for,
// so the pictures a game never shows take no memory.

#include <QCursor>
#include <QImage>
#include <QPoint>

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/mapped_file.h"
#include "platform/resource_format.h"

namespace velmora {

class ResourceLibrary {
public:
    // Replaces what was loaded. False, with a reason in `error`, when the
    // name holds no readable file (a folder, say) or the file is not a valid
    // library; nothing is loaded then.
    bool Load(const std::string& path, std::string* error = nullptr);
    // The same from bytes in memory.
    bool LoadBytes(const std::vector<uint8_t>& bytes, std::string* error = nullptr);
    void Unload();
    bool IsLoaded() const { return loaded_; }
    // Gives the pages of the file read so far back to the system (they are
    // read again when a picture or sound is next asked for).
    void ReleasePages() const { mapped_.ReleasePages(); }
    // The file the library was loaded from (empty when from memory or none).
    const std::string& LoadedFrom() const { return path_; }

    bool Contains(rgf::Kind kind, std::string_view name) const;
    // RGB32; a null image when the bitmap is missing or does not decode.
    QImage Bitmap(std::string_view name) const;
    // The same bitmap as ARGB32 with its see-through pixels kept (toolbar
    // glyphs sit on any button face); a null image as above.
    QImage Glyph(std::string_view name) const;
    // The cursor's picture (ARGB32) and its hotspot, kept inside the picture.
    bool CursorImage(std::string_view name, QImage* image, QPoint* hotspot) const;
    // Needs a QGuiApplication.
    std::optional<QCursor> Cursor(std::string_view name) const;
    // The RIFF WAVE bytes; empty when there is no such sound.
    std::span<const uint8_t> Wave(std::string_view name) const;

private:
    bool Index(std::string* error);
    const rgf::Listing* Find(rgf::Kind kind, std::string_view name) const;
    std::span<const uint8_t> Payload(const rgf::Listing& entry) const;
    QImage Decode(const rgf::Listing& entry) const;
    QImage BitmapAs(std::string_view name, QImage::Format format) const;

    bool loaded_ = false;
    std::string path_;
    MappedFile mapped_;            // the file loaded from
    std::vector<uint8_t> owned_;   // or the bytes loaded from memory
    std::span<const uint8_t> bytes_;
    std::vector<rgf::Listing> entries_;
    std::map<std::pair<rgf::Kind, std::string>, size_t> index_;  // lower-case names
};

}  // namespace velmora
