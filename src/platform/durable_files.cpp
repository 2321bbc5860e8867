#include "platform/durable_files.h"

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

}  // namespace velmora
