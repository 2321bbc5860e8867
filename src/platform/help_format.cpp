// Layout of tabloria.hlp (all numbers little-endian):
//
//   "VHLP"  u32 version  u32 contents topic number  u32 topic count
//   per topic: u32 number, u32 title size, u32 body size, u64 offset
//   per topic, in directory order: the title bytes, then the body bytes,
//   at its offset, right after the directory; the texts fill the rest of
//   the file exactly
//
// Parsing never trusts a number from the file: each one is checked against
// what is left of the file before it is used.

#include "platform/help_format.h"

#include <algorithm>
#include <cstring>
#include <set>
#include <utility>

#include "platform/byte_cursor.h"

namespace velmora::hlp {
namespace {

constexpr char kMagic[4] = {'V', 'H', 'L', 'P'};
constexpr uint32_t kVersion = 1;
constexpr size_t kHeaderSize = 16;
constexpr size_t kEntrySize = 4 + 4 + 4 + 8;

struct Slot {
    uint64_t offset = 0;
    uint64_t size = 0;  // title and body together
};

bool Fail(std::string* error, std::string reason) {
    if (error) *error = std::move(reason);
    return false;
}

bool ValidNumber(uint32_t number) {
    return number >= 1 && number <= kMaxTopicNumber;
}

bool ValidTitle(const std::string& title) {
    if (title.empty() || title.size() > kMaxTitleLength) return false;
    return std::all_of(title.begin(), title.end(), [](char c) { return c >= 0x20 && c <= 0x7E; });
}

bool ReadHeader(ByteCursor& in, uint32_t* contents, uint32_t* count, std::string* error) {
    std::string magic;
    uint32_t version = 0;
    if (!in.Bytes(4, &magic) || !in.U32(&version) || !in.U32(contents) || !in.U32(count))
        return Fail(error, "file too short for a help file header");
    if (std::memcmp(magic.data(), kMagic, 4) != 0) return Fail(error, "not a help file");
    if (version != kVersion) return Fail(error, "unsupported help file version");
    if (*count == 0) return Fail(error, "the help file holds no topic");
    // Each topic needs its directory entry plus at least one title byte.
    if (*count > in.Remaining() / (kEntrySize + 1))
        return Fail(error, "topic count larger than the file");
    return true;
}

bool ReadEntry(ByteCursor& in, Topic* topic, uint32_t* title_size, Slot* slot, std::string* error) {
    uint32_t body_size = 0;
    if (!in.U32(&topic->number) || !in.U32(title_size) || !in.U32(&body_size) ||
        !in.U64(&slot->offset))
        return Fail(error, "directory truncated");
    if (!ValidNumber(topic->number))
        return Fail(error, "bad topic number " + std::to_string(topic->number));
    if (*title_size == 0 || *title_size > kMaxTitleLength)
        return Fail(error, "bad title size of topic " + std::to_string(topic->number));
    slot->size = uint64_t{*title_size} + body_size;
    return true;
}

// The texts lie after the directory, inside the file, share no bytes and
// leave none over: together they are exactly the rest of the file.
bool CheckSlots(const std::vector<Slot>& slots, size_t directory_end, size_t file_size,
                std::string* error) {
    uint64_t total = 0;
    for (const Slot& s : slots) {
        if (s.offset < directory_end || s.offset > file_size || s.size > file_size - s.offset)
            return Fail(error, "topic text outside the file");
        total += s.size;
    }
    std::vector<Slot> sorted = slots;
    std::sort(sorted.begin(), sorted.end(),
              [](const Slot& a, const Slot& b) { return a.offset < b.offset; });
    for (size_t i = 1; i < sorted.size(); ++i) {
        if (sorted[i - 1].offset + sorted[i - 1].size > sorted[i].offset)
            return Fail(error, "topic texts overlap");
    }
    if (total != file_size - directory_end) return Fail(error, "bytes left over after the topics");
    return true;
}

}  // namespace

std::string BookFault(const HelpBook& book) {
    if (book.topics.empty()) return "the help file holds no topic";
    std::set<uint32_t> numbers;
    for (const Topic& topic : book.topics) {
        const std::string name = "topic " + std::to_string(topic.number);
        if (!ValidNumber(topic.number)) return "bad topic number " + std::to_string(topic.number);
        if (!numbers.insert(topic.number).second) return name + " appears twice";
        if (!ValidTitle(topic.title)) return name + " has an empty, overlong or unprintable title";
        if (topic.body.size() > UINT32_MAX) return name + " is too long";
    }
    if (!numbers.count(book.contents))
        return "the contents topic " + std::to_string(book.contents) + " is missing";
    return {};
}

const Topic* FindTopic(const HelpBook& book, uint32_t number) {
    for (const Topic& topic : book.topics)
        if (topic.number == number) return &topic;
    return nullptr;
}

std::vector<uint8_t> Serialize(const HelpBook& book) {
    std::vector<uint8_t> out(kMagic, kMagic + 4);
    PutU32(out, kVersion);
    PutU32(out, book.contents);
    PutU32(out, static_cast<uint32_t>(book.topics.size()));
    uint64_t offset = kHeaderSize + kEntrySize * book.topics.size();
    for (const Topic& t : book.topics) {
        PutU32(out, t.number);
        PutU32(out, static_cast<uint32_t>(t.title.size()));
        PutU32(out, static_cast<uint32_t>(t.body.size()));
        PutU64(out, offset);
        offset += t.title.size() + t.body.size();
    }
    for (const Topic& t : book.topics) {
        out.insert(out.end(), t.title.begin(), t.title.end());
        out.insert(out.end(), t.body.begin(), t.body.end());
    }
    return out;
}

std::optional<HelpBook> Parse(const std::vector<uint8_t>& bytes, std::string* error) {
    ByteCursor in(bytes);
    HelpBook book;
    uint32_t count = 0;
    if (!ReadHeader(in, &book.contents, &count, error)) return std::nullopt;

    book.topics.resize(count);
    std::vector<uint32_t> title_sizes(count);
    std::vector<Slot> slots(count);
    for (uint32_t i = 0; i < count; ++i) {
        if (!ReadEntry(in, &book.topics[i], &title_sizes[i], &slots[i], error)) return std::nullopt;
    }
    if (!CheckSlots(slots, in.Position(), bytes.size(), error)) return std::nullopt;

    for (uint32_t i = 0; i < count; ++i) {
        const char* text = reinterpret_cast<const char*>(bytes.data() + slots[i].offset);
        book.topics[i].title.assign(text, title_sizes[i]);
        book.topics[i].body.assign(text + title_sizes[i], slots[i].size - title_sizes[i]);
    }
    const std::string fault = BookFault(book);
    if (!fault.empty()) {
        Fail(error, fault);
        return std::nullopt;
    }
    if (error) error->clear();
    return book;
}

}  // namespace velmora::hlp
