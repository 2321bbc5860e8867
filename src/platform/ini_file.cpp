#include "platform/ini_file.h"

#include <sys/stat.h>

#include <charconv>
#include <climits>
#include <filesystem>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/durable_files.h"
#include "text/ascii_case.h"
#include "text/whole_file.h"

namespace velmora {
namespace {

constexpr size_t kNone = std::string_view::npos;

std::string_view Trim(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == kNone) return {};
    const size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// One line of the file: its text is [begin, end), its ending [end, next).
// Only "\n" ends a line; a "\r" right before it belongs to the ending.
struct Line {
    size_t begin = 0;
    size_t end = 0;
    size_t next = 0;
};

std::vector<Line> SplitLines(std::string_view text) {
    std::vector<Line> lines;
    size_t begin = 0;
    while (begin < text.size()) {
        const size_t newline = text.find('\n', begin);
        Line line{begin, text.size(), text.size()};
        if (newline != kNone) {
            line.next = newline + 1;
            line.end = (newline > begin && text[newline - 1] == '\r') ? newline - 1 : newline;
        }
        lines.push_back(line);
        begin = line.next;
    }
    return lines;
}

enum class LineKind { Blank, Header, Key, Other };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    std::string_view name;   // section or key name, trimmed
    std::string_view value;  // key lines: the trimmed value
    size_t equals = kNone;   // key lines: offset of the "=" in the line
};

ParsedLine ParseLine(std::string_view line) {
    ParsedLine parsed;
    const std::string_view trimmed = Trim(line);
    if (trimmed.empty()) {
        parsed.kind = LineKind::Blank;
    } else if (trimmed.front() == '[') {
        // A header without its "]" still opens a section: up to the line end.
        const std::string_view inner = trimmed.substr(1);
        parsed.kind = LineKind::Header;
        parsed.name = Trim(inner.substr(0, inner.find(']')));
    } else if (trimmed.front() != ';' && trimmed.front() != '#' && line.find('=') != kNone) {
        parsed.kind = LineKind::Key;
        parsed.equals = line.find('=');
        parsed.name = Trim(line.substr(0, parsed.equals));
        parsed.value = Trim(line.substr(parsed.equals + 1));
    }
    return parsed;
}

// Where the first occurrence of a section and the key inside it lie.
struct Location {
    bool section_found = false;
    size_t insert_after = kNone;  // the section's last key line, else its header
    size_t key_line = kNone;
    ParsedLine key;
};

Location Locate(std::string_view text, const std::vector<Line>& lines, std::string_view section,
                std::string_view key) {
    Location where;
    bool inside = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        const ParsedLine parsed = ParseLine(text.substr(lines[i].begin, lines[i].end - lines[i].begin));
        if (parsed.kind == LineKind::Header) {
            if (inside) break;  // later occurrences of the section are never used
            if (SameIgnoringCase(parsed.name, section)) {
                inside = true;
                where.section_found = true;
                where.insert_after = i;
            }
            continue;
        }
        if (!inside || parsed.kind != LineKind::Key) continue;
        where.insert_after = i;
        if (where.key_line == kNone && !parsed.name.empty() && SameIgnoringCase(parsed.name, key)) {
            where.key_line = i;
            where.key = parsed;
        }
    }
    return where;
}

// The whole file; a missing file is empty. False when something that is no
// readable file (a folder, a file without read permission) has the name: a
// write must then leave it alone.
bool ReadWholeFile(const std::string& path, std::string& contents) {
    if (ReadRegularFile(path, contents)) return true;
    std::error_code error;
    return std::filesystem::status(path, error).type() == std::filesystem::file_type::not_found;
}

// The line ending of new lines: the file's first one, "\n" for a new file.
std::string_view LineEnding(const std::vector<Line>& lines) {
    if (!lines.empty() && lines.front().next - lines.front().end == 2) return "\r\n";
    return "\n";
}

std::string WithKey(const std::string& text, std::string_view section, std::string_view key,
                    std::string_view value) {
    const std::vector<Line> lines = SplitLines(text);
    const Location where = Locate(text, lines, section, key);
    const std::string_view eol = LineEnding(lines);
    if (where.key_line != kNone) {
        const Line& line = lines[where.key_line];
        const size_t value_start = line.begin + where.key.equals + 1;
        return text.substr(0, value_start) + std::string(value) + text.substr(line.end);
    }
    const std::string key_line = std::string(key) + "=" + std::string(value) + std::string(eol);
    if (where.section_found) {
        const Line& after = lines[where.insert_after];
        std::string result = text.substr(0, after.next);
        if (after.next == after.end) result += eol;  // the line had no ending (end of file)
        return result + key_line + text.substr(after.next);
    }
    std::string result = text;
    if (!lines.empty() && lines.back().next == lines.back().end) result += eol;
    return result + "[" + std::string(section) + "]" + std::string(eol) + key_line;
}

bool HasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != kNone; }

bool Storable(std::string_view section, std::string_view key, std::string_view value) {
    if (section.empty() || HasLineBreak(section) || section.find(']') != kNone) return false;
    if (key.empty() || HasLineBreak(key) || key.find('=') != kNone) return false;
    if (key.front() == '[' || key.front() == ';' || key.front() == '#') return false;
    return !HasLineBreak(value);
}

bool ParseWholeNumber(std::string_view text, int& out) {
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (negative || text.front() == '+')) text.remove_prefix(1);
    if (text.empty() || text.find_first_not_of("0123456789") != kNone) return false;
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return false;
    if (negative) value = -value;
    if (value < INT_MIN || value > INT_MAX) return false;
    out = static_cast<int>(value);
    return true;
}

// Names hold no line break, so one joins section and key unambiguously.
std::string IndexKey(std::string_view section, std::string_view key) {
    return AsciiLower(Trim(section)) + '\n' + AsciiLower(Trim(key));
}

// What identifies one version of the file on disk without reading it.
struct FileStamp {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    timespec changed{};

    bool operator==(const FileStamp& other) const {
        return exists == other.exists && device == other.device && inode == other.inode &&
               size == other.size && SameTime(modified, other.modified) && SameTime(changed, other.changed);
    }
    static bool SameTime(const timespec& a, const timespec& b) {
        return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
    }
};

FileStamp StampOf(const std::string& path) {
    struct stat info {};
    FileStamp stamp;
    if (::stat(path.c_str(), &info) != 0) return stamp;
    stamp.exists = true;
    stamp.device = info.st_dev;
    stamp.inode = info.st_ino;
    stamp.size = info.st_size;
    stamp.modified = info.st_mtim;
    stamp.changed = info.st_ctim;
    return stamp;
}

}  // namespace

// Every key the readers can see, by section and key name in lower case:
// only a section's first occurrence and a key's first line count, as for
// the writers' Locate.
struct IniFile::Snapshot {
    FileStamp stamp;
    std::unordered_map<std::string, std::string> values;

    explicit Snapshot(const std::string& path) : stamp(StampOf(path)) {
        std::string text;
        if (!ReadWholeFile(path, text)) text.clear();
        std::unordered_set<std::string> seen_sections;
        std::string section;
        bool inside = false;
        for (const Line& line : SplitLines(text)) {
            const ParsedLine parsed = ParseLine(std::string_view(text).substr(line.begin, line.end - line.begin));
            if (parsed.kind == LineKind::Header) {
                section = AsciiLower(parsed.name);
                inside = seen_sections.insert(section).second;
            } else if (inside && parsed.kind == LineKind::Key && !parsed.name.empty()) {
                values.emplace(section + '\n' + AsciiLower(parsed.name), std::string(parsed.value));
            }
        }
    }

    const std::string* Find(std::string_view section, std::string_view key) const {
        const auto found = values.find(IndexKey(section, key));
        return found == values.end() ? nullptr : &found->second;
    }
};

std::shared_ptr<const IniFile::Snapshot> IniFile::Current() const {
    if (cached_ && cached_->stamp == StampOf(path_)) return cached_;
    auto snapshot = std::make_shared<const Snapshot>(path_);
    ++file_reads_;
    if (cache_reads_) cached_ = snapshot;
    return snapshot;
}

IniFile::IniFile(std::string path) : path_(std::move(path)) {}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
    const auto snapshot = Current();  // holds the value while it is copied
    const std::string* value = snapshot->Find(section, key);
    return value ? *value : std::string(fallback);
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int fallback) const {
    const auto snapshot = Current();
    const std::string* text = snapshot->Find(section, key);
    int value = fallback;
    if (!text || !ParseWholeNumber(*text, value)) return fallback;
    return value;
}

bool IniFile::HasKey(std::string_view section, std::string_view key) const {
    return Current()->Find(section, key) != nullptr;
}

IniFile::WriteResult IniFile::Write(std::string_view section, std::string_view key, std::string_view value) {
    section = Trim(section);
    key = Trim(key);
    if (!Storable(section, key, value)) return WriteResult::kRefused;
    std::string text;
    if (!ReadWholeFile(path_, text)) return WriteResult::kFileError;
    const std::string updated = WithKey(text, section, key, value);
    if (updated == text) return WriteResult::kWritten;  // the file already holds the value
    cached_.reset();
    return ReplaceFileContents(path_, updated) ? WriteResult::kWritten : WriteResult::kFileError;
}

bool IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    return Write(section, key, value) == WriteResult::kWritten;
}

bool IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
    return WriteString(section, key, std::to_string(value));
}

}  // namespace velmora
