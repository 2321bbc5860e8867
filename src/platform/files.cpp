#include "platform/files.h"

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>
#include <vector>

#include "text/name_on_disk.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Components(std::string_view path) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : path) {
        if (c == '/') {
            if (!part.empty()) parts.push_back(std::move(part));
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty()) parts.push_back(std::move(part));
    return parts;
}

}  // namespace

bool FileExists(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

bool DirectoryExists(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(path, ec);
}

bool RemoveFile(const std::string& path) {
    if (!FileExists(path)) return false;
    return ::unlink(path.c_str()) == 0;
}

bool RenameFile(const std::string& from, const std::string& to) {
    std::error_code ec;
    if (!fs::exists(from, ec) || fs::exists(fs::symlink_status(to, ec))) return false;
    // link + unlink instead of rename: rename would silently replace a
    // target created in the meantime.
    if (::link(from.c_str(), to.c_str()) == 0) return ::unlink(from.c_str()) == 0;
    fs::rename(from, to, ec);  // folders, or file systems without hard links
    return !ec;
}

bool CreateFolder(const std::string& path) {
    std::error_code ec;
    fs::create_directory(path, ec);
    return DirectoryExists(path);
}

bool TempFileName(const std::string& folder, const std::string& prefix, std::string* name) {
    if (prefix.find('/') != std::string::npos) return false;
    std::error_code ec;
    fs::path dir = folder.empty() ? fs::temp_directory_path(ec) : fs::path(SlashPath(folder));
    if (ec || !DirectoryExists(dir.string())) return false;
    std::string pattern = (dir / (prefix + "XXXXXX.tmp")).string();
    int fd = ::mkstemps(pattern.data(), 4);
    if (fd < 0) return false;
    ::close(fd);
    *name = pattern;
    return true;
}

std::string ProgramFolder() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return "./";
    std::string folder = exe.parent_path().string();
    return folder.ends_with('/') ? folder : folder + '/';
}

std::string SlashPath(std::string_view name) {
    std::string path(name);
    for (char& c : path) {
        if (c == '\\') c = '/';
    }
    return path;
}

std::string FindPath(const std::string& base, std::string_view name, EntryKind kind) {
    std::string slashed = SlashPath(name);
    fs::path path = slashed.starts_with('/') ? fs::path("/") : fs::path(base);
    const std::vector<std::string> components = Components(slashed);
    bool exists = true;
    for (size_t i = 0; i < components.size(); ++i) {
        // Only a folder can hold the parts that follow.
        const EntryKind wanted = i + 1 < components.size() ? EntryKind::Folder : kind;
        // Below a missing folder nothing can exist: keep the given spelling.
        path /= exists ? SpellingOnDisk(path, components[i], wanted) : components[i];
        std::error_code ec;
        exists = exists && fs::exists(path, ec);
    }
    return path.string();
}

std::string ProgramPath(std::string_view name, EntryKind kind) { return FindPath(ProgramFolder(), name, kind); }

}  // namespace velmora
