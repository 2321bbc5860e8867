#include "storage/program_path.h"

#include <filesystem>
#include <vector>

#include "text/name_on_disk.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

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

}  // namespace

std::string ResolveProgramPath(std::string_view program_folder, std::string_view relative,
                               bool create_folders) {
    const std::vector<std::string> parts = SplitParts(relative);
    fs::path path = program_folder.empty() ? fs::path(".") : fs::path(std::string(program_folder));
    for (size_t i = 0; i < parts.size(); ++i) {
        const bool folder = i + 1 < parts.size();
        path /= SpellingOnDisk(path, parts[i], folder ? EntryKind::Folder : EntryKind::File);
        std::error_code error;
        if (folder && create_folders && !fs::exists(path, error)) fs::create_directory(path, error);
    }
    return path.string();
}

}  // namespace velmora
