#include "storage/sealed_lines.h"

#include <cstdio>
#include <limits>
#include <utility>

#include "text/fixed_text.h"

namespace velmora {

namespace {

constexpr size_t kChecksumDigits = 16;

uint64_t Checksum(std::string_view bytes) {
    uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : bytes) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    return hash;
}

std::string Hex(uint64_t value) {
    char text[kChecksumDigits + 1];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

}  // namespace

void LineWriter::Item(std::string_view name, std::string_view value) {
    text_ += name;
    text_ += ' ';
    text_ += value;
    text_ += '\n';
}

void LineWriter::Word(std::string_view word) {
    text_ += word;
    text_ += '\n';
}

void LineWriter::Marked(std::string_view line) {
    text_ += kLineMark;
    Word(line);
}

std::string LineWriter::Finish() {
    const std::string sum = Hex(Checksum(text_));
    Item("end", sum);
    return std::move(text_);
}

bool UnsealLines(std::string_view text, std::string_view& body) {
    if (text.empty() || text.back() != '\n') return false;
    const size_t line_start = text.size() < 2 ? std::string_view::npos : text.rfind('\n', text.size() - 2);
    const size_t start = line_start == std::string_view::npos ? 0 : line_start + 1;
    const std::string_view last = text.substr(start, text.size() - 1 - start);
    body = text.substr(0, start);
    return last == "end " + Hex(Checksum(body));
}

LineReader::LineReader(std::string_view text) {
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find('\n', start);
        if (end == std::string_view::npos) break;  // the checksum line ends the file
        lines_.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}

bool LineReader::Advance() {
    if (next_ >= lines_.size()) return false;
    current_ = lines_[next_++];
    return true;
}

bool LineReader::Exact(std::string_view line) { return Advance() && current_ == line; }

bool LineReader::Value(std::string_view name, std::string_view& value) {
    if (!Advance() || current_.size() <= name.size() || !current_.starts_with(name) || current_[name.size()] != ' ')
        return false;
    value = current_.substr(name.size() + 1);
    return true;
}

bool LineReader::Number(std::string_view name, int& number) {
    std::string_view value;
    int64_t parsed = 0;
    if (!Value(name, value) || !ParseInt(value, parsed) || parsed < std::numeric_limits<int>::min() ||
        parsed > std::numeric_limits<int>::max())
        return false;
    number = static_cast<int>(parsed);
    return true;
}

bool LineReader::Marked(std::string& line) {
    if (!Advance() || current_.empty() || current_.front() != kLineMark) return false;
    line = std::string(current_.substr(1));
    return true;
}

bool LineReader::Next(std::string_view& line) {
    if (!Advance()) return false;
    line = current_;
    return true;
}

}  // namespace velmora
