// Layout of QOR.RGF (all numbers little-endian):
//
//   "VRGF"  u32 version  u32 entry count
//   per entry: u32 kind, u32 name length, name bytes, u64 offset, u64 size,
//              i32 hotspot x, i32 hotspot y
//   payloads, in directory order, right after the directory
//
// Parsing never trusts a number from the file: each one is checked against
// what is left of the file before it is used.

#include "platform/resource_format.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/byte_cursor.h"

namespace velmora::rgf {
namespace {

constexpr char kMagic[4] = {'V', 'R', 'G', 'F'};
constexpr uint32_t kVersion = 1;
constexpr size_t kHeaderSize = 12;
constexpr size_t kMaxNameLength = 64;
// Fixed part of a directory entry: kind, name length, offset, size, hotspot.
constexpr size_t kEntryFixedSize = 4 + 4 + 8 + 8 + 4 + 4;

bool Fail(std::string* error, std::string reason) {
    if (error) *error = std::move(reason);
    return false;
}

bool ValidName(const std::string& name) {
    if (name.empty() || name.size() > kMaxNameLength) return false;
    return std::all_of(name.begin(), name.end(), [](char c) { return c >= 0x20 && c <= 0x7E; });
}

bool ValidKind(uint32_t kind) {
    return kind >= static_cast<uint32_t>(Kind::Bitmap) && kind <= static_cast<uint32_t>(Kind::Wave);
}

bool ReadHeader(ByteCursor& in, uint32_t* count, std::string* error) {
    std::string magic;
    uint32_t version = 0;
    if (!in.Bytes(4, &magic) || !in.U32(&version) || !in.U32(count))
        return Fail(error, "file too short for a resource library header");
    if (std::memcmp(magic.data(), kMagic, 4) != 0) return Fail(error, "not a resource library");
    if (version != kVersion) return Fail(error, "unsupported resource library version");
    // Each entry needs at least its fixed part plus one name byte.
    if (*count > in.Remaining() / (kEntryFixedSize + 1))
        return Fail(error, "entry count larger than the file");
    return true;
}

bool ReadEntry(ByteCursor& in, Listing* entry, std::string* error) {
    uint32_t kind = 0, name_length = 0, hx = 0, hy = 0;
    if (!in.U32(&kind) || !in.U32(&name_length)) return Fail(error, "directory truncated");
    if (!ValidKind(kind)) return Fail(error, "unknown entry kind");
    if (name_length == 0 || name_length > kMaxNameLength) return Fail(error, "bad entry name length");
    if (!in.Bytes(name_length, &entry->name)) return Fail(error, "directory truncated");
    if (!ValidName(entry->name)) return Fail(error, "entry name holds unprintable characters");
    if (!in.U64(&entry->offset) || !in.U64(&entry->size) || !in.U32(&hx) || !in.U32(&hy))
        return Fail(error, "directory truncated");
    entry->kind = static_cast<Kind>(kind);
    entry->hotspot_x = static_cast<int32_t>(hx);
    entry->hotspot_y = static_cast<int32_t>(hy);
    return true;
}

// Payloads must lie after the directory, inside the file, and not share
// bytes. An empty payload may sit where the next one starts.
bool CheckPayloads(const std::vector<Listing>& slots, size_t directory_end, size_t file_size,
                std::string* error) {
    for (const Listing& s : slots) {
        if (s.offset < directory_end || s.offset > file_size || s.size > file_size - s.offset)
            return Fail(error, "payload outside the file");
    }
    std::vector<Listing> sorted = slots;
    std::sort(sorted.begin(), sorted.end(),
              [](const Listing& a, const Listing& b) {
                  return a.offset != b.offset ? a.offset < b.offset : a.size < b.size;
              });
    for (size_t i = 1; i < sorted.size(); ++i) {
        if (sorted[i - 1].offset + sorted[i - 1].size > sorted[i].offset)
            return Fail(error, "payloads overlap");
    }
    return true;
}

}  // namespace

std::vector<uint8_t> Serialize(const std::vector<Entry>& entries) {
    size_t directory_size = 0;
    for (const Entry& e : entries) directory_size += kEntryFixedSize + e.name.size();

    std::vector<uint8_t> out(kMagic, kMagic + 4);
    PutU32(out, kVersion);
    PutU32(out, static_cast<uint32_t>(entries.size()));
    uint64_t offset = kHeaderSize + directory_size;
    for (const Entry& e : entries) {
        PutU32(out, static_cast<uint32_t>(e.kind));
        PutU32(out, static_cast<uint32_t>(e.name.size()));
        out.insert(out.end(), e.name.begin(), e.name.end());
        PutU64(out, offset);
        PutU64(out, e.payload.size());
        PutU32(out, static_cast<uint32_t>(e.hotspot_x));
        PutU32(out, static_cast<uint32_t>(e.hotspot_y));
        offset += e.payload.size();
    }
    for (const Entry& e : entries) out.insert(out.end(), e.payload.begin(), e.payload.end());
    return out;
}

std::optional<std::vector<Listing>> ReadDirectory(std::span<const uint8_t> bytes, std::string* error) {
    ByteCursor in(bytes);
    uint32_t count = 0;
    if (!ReadHeader(in, &count, error)) return std::nullopt;

    std::vector<Listing> listings(count);
    for (Listing& listing : listings) {
        if (!ReadEntry(in, &listing, error)) return std::nullopt;
    }
    if (!CheckPayloads(listings, in.Position(), bytes.size(), error)) return std::nullopt;
    if (error) error->clear();
    return listings;
}

std::optional<std::vector<Entry>> Parse(std::span<const uint8_t> bytes, std::string* error) {
    std::optional<std::vector<Listing>> listings = ReadDirectory(bytes, error);
    if (!listings) return std::nullopt;
    std::vector<Entry> entries(listings->size());
    for (size_t i = 0; i < entries.size(); ++i) {
        const Listing& listing = (*listings)[i];
        Entry& entry = entries[i];
        entry.kind = listing.kind;
        entry.name = listing.name;
        entry.hotspot_x = listing.hotspot_x;
        entry.hotspot_y = listing.hotspot_y;
        const auto payload = bytes.subspan(static_cast<size_t>(listing.offset), static_cast<size_t>(listing.size));
        entry.payload.assign(payload.begin(), payload.end());
    }
    return entries;
}

}  // namespace velmora::rgf
