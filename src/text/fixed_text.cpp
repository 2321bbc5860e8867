#include "text/fixed_text.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>

namespace velmora {

std::string PadRight(std::string_view text, int width) {
    if (width <= 0) return {};
    std::string out(text.substr(0, static_cast<size_t>(width)));
    out.resize(static_cast<size_t>(width), ' ');
    return out;
}

std::string Spaces(int n) { return RepeatChar(' ', n); }

std::string RepeatChar(char ch, int n) {
    return n > 0 ? std::string(static_cast<size_t>(n), ch) : std::string();
}

std::string RightPart(std::string_view text, int n) {
    if (n <= 0) return {};
    if (static_cast<size_t>(n) >= text.size()) return std::string(text);
    return std::string(text.substr(text.size() - static_cast<size_t>(n)));
}

std::string ReplaceAt(std::string_view text, int pos, int len, std::string_view replacement) {
    if (len < 0 || pos < 1) return std::string(text);
    const size_t before = std::min(text.size(), static_cast<size_t>(pos) - 1);
    const size_t after = std::min(text.size(), before + static_cast<size_t>(len));
    std::string out(text.substr(0, before));
    out += replacement;
    out += text.substr(after);
    return out;
}

std::string TrimRightSpaces(std::string_view text) {
    const size_t end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string() : std::string(text.substr(0, end + 1));
}

std::string TrimLeftSpaces(std::string_view text) {
    const size_t start = text.find_first_not_of(' ');
    return start == std::string_view::npos ? std::string() : std::string(text.substr(start));
}

std::string ZeroPad(int64_t number, int width) {
    if (width <= 0) return {};
    const bool negative = number < 0;
    // The magnitude as unsigned so that the smallest int64 survives.
    const uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(number)
                                        : static_cast<uint64_t>(number);
    std::string digits = std::to_string(magnitude);
    const size_t needed = digits.size() + (negative ? 1 : 0);
    if (needed > static_cast<size_t>(width)) return RepeatChar('*', width);
    std::string out = negative ? "-" : "";
    out += std::string(static_cast<size_t>(width) - needed, '0');
    return out + digits;
}

std::string ReplaceChar(std::string_view text, char ch, std::string_view replacement) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == ch)
            out += replacement;
        else
            out += c;
    }
    return out;
}

int64_t MaxInt(int64_t a, int64_t b) { return a > b ? a : b; }

int64_t IntPower(int64_t base, int n) {
    uint64_t result = 1;
    for (int i = 0; i < n; ++i) result *= static_cast<uint64_t>(base);
    return static_cast<int64_t>(result);
}

std::string Columns(std::string_view text, int pos, int len) { return std::string(ColumnView(text, pos, len)); }

std::string_view ColumnView(std::string_view text, int pos, int len) {
    if (pos < 1 || len <= 0 || static_cast<size_t>(pos) > text.size()) return {};
    return text.substr(static_cast<size_t>(pos) - 1, static_cast<size_t>(len));
}

bool ParseInt(std::string_view text, int64_t& out) {
    if (text.empty()) return false;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (*first == '+') ++first;
    if (first == last || (*first == '-' && text[0] == '+')) return false;
    int64_t value = 0;
    auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || ptr != last) return false;
    out = value;
    return true;
}

}  // namespace velmora
