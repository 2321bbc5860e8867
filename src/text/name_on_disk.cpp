#include "text/name_on_disk.h"

#include <system_error>

#include "text/ascii_case.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

bool IsKind(const fs::path& path, EntryKind kind) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    switch (kind) {
        case EntryKind::File: return fs::is_regular_file(status);
        case EntryKind::Folder: return fs::is_directory(status);
        case EntryKind::Any: break;
    }
    return fs::exists(status);
}

}  // namespace

std::string SpellingOnDisk(const fs::path& folder, const std::string& name, EntryKind kind) {
    if (name.empty() || name == "." || name == ".." || IsKind(folder / name, kind)) return name;
    std::string best;
    std::error_code error;
    const fs::path listed = folder.empty() ? fs::path(".") : folder;
    for (fs::directory_iterator it(listed, error), end; !error && it != end; it.increment(error)) {
        std::string candidate = it->path().filename().string();
        if (!SameIgnoringCase(candidate, name) || (!best.empty() && best <= candidate)) continue;
        if (IsKind(it->path(), kind)) best = std::move(candidate);
    }
    return best.empty() ? name : best;
}

}  // namespace velmora
