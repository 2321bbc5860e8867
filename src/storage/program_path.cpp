#include "storage/program_path.h"

#include <algorithm>
#include <filesystem>
#include <vector>

namespace velmora {
namespace {

namespace fs = std::filesystem;

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; });
    return lower;
}

std::vector<std::string> SplitParts(std::string_view relative) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : relative) {
        if (c == '\\' || c == '/') {
            if (!part.empty()) parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty()) parts.push_back(part);
    return parts;
}

// The entry of `folder` named `name` under any case: the exact spelling when
// it exists, else the first match in name order, else `name` itself.
std::string SpellingOnDisk(const fs::path& folder, const std::string& name) {
    std::error_code error;
    if (fs::exists(folder / name, error)) return name;
    std::vector<std::string> matches;
    const std::string wanted = Lower(name);
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string entry = it->path().filename().string();
        if (Lower(entry) == wanted) matches.push_back(entry);
    }
    if (matches.empty()) return name;
    return *std::min_element(matches.begin(), matches.end());
}

}  // namespace

std::string ResolveProgramPath(std::string_view program_folder, std::string_view relative,
                               bool create_folders) {
    const std::vector<std::string> parts = SplitParts(relative);
    fs::path path = program_folder.empty() ? fs::path(".") : fs::path(std::string(program_folder));
    for (size_t i = 0; i < parts.size(); ++i) {
        path /= SpellingOnDisk(path, parts[i]);
        const bool folder = i + 1 < parts.size();
        std::error_code error;
        if (folder && create_folders && !fs::exists(path, error)) fs::create_directory(path, error);
    }
    return path.string();
}

}  // namespace velmora
