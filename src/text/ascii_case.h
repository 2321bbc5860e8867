#pragma once
// Case rules for the program's own names (resources, files): ASCII letters
// only, so the result never depends on the locale.

#include <string>
#include <string_view>

namespace velmora {

inline char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

inline std::string AsciiLower(std::string_view s) {
    std::string lower(s);
    for (char& c : lower) c = AsciiLower(c);
    return lower;
}

inline bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    }
    return true;
}

}  // namespace velmora
