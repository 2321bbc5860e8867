#include "platform/durable_files.h"

#include "platform/temporary_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

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
    std::string name = (folder / TemporaryTemplate(target.filename().string())).string();
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) return false;
    bool ok = WriteAllTo(fd, contents) && ::fchmod(fd, PermissionsOf(target)) == 0 && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(name.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(name.c_str());
        return false;
    }
    SyncFolder(folder);
    return true;
}

}  // namespace velmora
