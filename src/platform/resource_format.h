#pragma once
// QOR.RGF, the program's resource library: a magic header, a directory of
// entries (kind, name, offset, size, cursor hotspot) and the payloads (PNG
// for bitmaps and cursors, RIFF WAVE for sounds). This part reads and writes
// the container only; it needs nothing but the standard library.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace velmora::rgf {

enum class Kind : uint32_t { Bitmap = 1, Cursor = 2, Wave = 3 };

struct Entry {
    Kind kind = Kind::Bitmap;
    std::string name;              // compared without regard to case
    std::vector<uint8_t> payload;  // picture (PNG, BMP) or RIFF WAVE bytes
    int hotspot_x = 0;             // cursors only
    int hotspot_y = 0;
};

// A directory entry: where its payload lies in the library's bytes.
struct Listing {
    Kind kind = Kind::Bitmap;
    std::string name;
    uint64_t offset = 0;
    uint64_t size = 0;
    int hotspot_x = 0;
    int hotspot_y = 0;
};

// The library's bytes; the same entries always give the same bytes.
std::vector<uint8_t> Serialize(const std::vector<Entry>& entries);
// The entries of a library; nothing (and a reason in `error`) for a file
// that is truncated or corrupt. Every offset and size is checked.
std::optional<std::vector<Entry>> Parse(std::span<const uint8_t> bytes, std::string* error = nullptr);
// The directory alone, checked as Parse checks it (every payload lies
// inside `bytes`); the payloads are neither read nor copied.
std::optional<std::vector<Listing>> ReadDirectory(std::span<const uint8_t> bytes, std::string* error = nullptr);

}  // namespace velmora::rgf
