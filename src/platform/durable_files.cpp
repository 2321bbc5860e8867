#include "platform/durable_files.h"

#include "platform/temporary_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>

namespace velmora {

bool WriteAllTo(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t written = ::write(fd, data.data(), data.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        data.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

void SyncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

mode_t PermissionsOf(const std::filesystem::path& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) return info.st_mode & 07777;
    return 0644;
}

bool WriteFileDurably(const std::string& path, std::string_view contents) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return false;
    const bool written = WriteAllTo(fd, contents) && ::fsync(fd) == 0;
    return ::close(fd) == 0 && written;
}

bool RenameOver(const std::string& from, const std::string& to) {
    if (::chmod(from.c_str(), PermissionsOf(to)) != 0) return false;
    if (::rename(from.c_str(), to.c_str()) != 0) return false;
    std::filesystem::path folder = std::filesystem::path(to).parent_path();
    SyncFolder(folder.empty() ? "." : folder);
    return true;
}

namespace {

// Writes, sets the permissions and flushes; false on any error.
bool FillTemporary(int fd, std::string_view contents, mode_t permissions) {
    return WriteAllTo(fd, contents) && ::fchmod(fd, permissions) == 0 && ::fsync(fd) == 0;
}

// `name` with its trailing "XXXXXX" replaced by letters and digits drawn anew.
void DrawTemporaryName(std::string& name, std::mt19937& random) {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::uniform_int_distribution<size_t> pick(0, sizeof kLetters - 2);
    for (size_t i = name.size() - 6; i < name.size(); ++i) name[i] = kLetters[pick(random)];
}

// The contents go to a file without a name in `folder`, which is given its
// temporary name only once whole and flushed: a kill while writing leaves
// nothing behind. Empty when the file system offers no unnamed files (or
// /proc is missing); `failed` tells a real write error from that.
std::string WriteUnnamedTemporary(const std::filesystem::path& folder, const std::string& pattern,
                                  std::string_view contents, mode_t permissions, bool& failed) {
    failed = false;
    const int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd < 0) return {};
    std::string name;
    if (!FillTemporary(fd, contents, permissions)) {
        failed = true;
    } else {
        const std::string self = "/proc/self/fd/" + std::to_string(fd);
        std::mt19937 random(std::random_device{}());
        for (int attempt = 0; attempt < 100 && name.empty(); ++attempt) {
            std::string candidate = pattern;
            DrawTemporaryName(candidate, random);
            if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, candidate.c_str(), AT_SYMLINK_FOLLOW) == 0)
                name = std::move(candidate);
            else if (errno != EEXIST)
                break;
        }
    }
    ::close(fd);
    return name;
}

// The same through a named temporary from the start.
std::string WriteNamedTemporary(const std::string& pattern, std::string_view contents, mode_t permissions) {
    std::string name = pattern;
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) return {};
    const bool ok = FillTemporary(fd, contents, permissions);
    if (::close(fd) == 0 && ok) return name;
    ::unlink(name.c_str());
    return {};
}

}  // namespace

bool ReplaceFileContents(const std::string& path, std::string_view contents) {
    namespace fs = std::filesystem;
    std::error_code error;
    fs::path target(path);
    if (fs::is_symlink(target, error)) {
        target = fs::canonical(target, error);  // replace the file, keep the link
        if (error) return false;
    }
    fs::path folder = target.parent_path();
    if (folder.empty()) folder = ".";
    const std::string pattern = (folder / TemporaryTemplate(target.filename().string())).string();
    const mode_t permissions = PermissionsOf(target);
    bool failed = false;
    std::string name = WriteUnnamedTemporary(folder, pattern, contents, permissions, failed);
    if (failed) return false;
    if (name.empty()) name = WriteNamedTemporary(pattern, contents, permissions);
    if (name.empty()) return false;
    if (::rename(name.c_str(), target.c_str()) != 0) {
        ::unlink(name.c_str());
        return false;
    }
    SyncFolder(folder);
    return true;
}

}  // namespace velmora
