#include "platform/files.h"

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/ascii_case.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

// The name of an entry of `folder` that equals `component` without regard
// to case; the component itself when there is none.
std::string MatchInFolder(const fs::path& folder, const std::string& component) {
    std::error_code ec;
    if (component == "." || component == ".." || fs::exists(folder / component, ec))
        return component;
    std::string best;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::string candidate = it->path().filename().string();
        if (SameIgnoringCase(candidate, component) && (best.empty() || candidate < best))
            best = candidate;
    }
    return best.empty() ? component : best;
}

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

std::string FindPath(const std::string& base, std::string_view name) {
    std::string slashed = SlashPath(name);
    fs::path path = slashed.starts_with('/') ? fs::path("/") : fs::path(base);
    bool exists = true;
    for (const std::string& component : Components(slashed)) {
        // Below a missing folder nothing can exist: keep the given spelling.
        std::string found = exists ? MatchInFolder(path, component) : component;
        path /= found;
        std::error_code ec;
        exists = exists && fs::exists(path, ec);
    }
    return path.string();
}

std::string ProgramPath(std::string_view name) { return FindPath(ProgramFolder(), name); }

}  // namespace velmora
