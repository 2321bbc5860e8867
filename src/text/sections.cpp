#include "text/sections.h"

namespace velmora {

std::vector<std::string> ExtractSection(const std::vector<std::string>& lines,
                                        std::string_view header) {
    std::vector<std::string> out;
    bool inside = false;
    for (const std::string& line : lines) {
        if (std::string_view(line).starts_with(header)) {
            inside = true;
            continue;
        }
        if (!line.empty() && line[0] == '[') {
            inside = false;
            continue;
        }
        if (inside) out.push_back(line);
    }
    return out;
}

char ShiftChar(char c) {
    const auto code = static_cast<unsigned char>(c);
    return static_cast<char>(code >= 80 ? code - 48 : code + 48);
}

std::string ShiftText(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = ShiftChar(c);
    return out;
}

std::vector<std::string> SplitLines(std::string_view contents) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < contents.size()) {
        size_t end = contents.find('\n', start);
        if (end == std::string_view::npos) end = contents.size();
        std::string_view line = contents.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

}  // namespace velmora
