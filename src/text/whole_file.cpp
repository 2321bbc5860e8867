#include "text/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <new>
#include <stdexcept>

namespace velmora {
namespace {

// Closes the descriptor on every way out.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// POSIX calls rather than streams: a stream reading a folder or a failing
// disk throws from inside its buffer, and it cannot tell what it opened.
// The kind of entry is checked on the open descriptor, so a name swapped
// between the check and the read changes nothing.
constexpr size_t kNoLimit = static_cast<size_t>(-1);

template <typename Bytes>
FileRead ReadAll(int fd, size_t limit, Bytes& out) {
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) return FileRead::kUnreadable;
    // The size only sizes the buffer: the file may change while it is read.
    if (info.st_size > 0 && static_cast<size_t>(info.st_size) > limit) return FileRead::kTooLarge;
    if (info.st_size > 0) out.reserve(static_cast<size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got == 0) return FileRead::kRead;
        if (got < 0) {
            if (errno == EINTR) continue;
            return FileRead::kUnreadable;
        }
        // A file that grows while it is read is cut off at the limit too.
        if (static_cast<size_t>(got) > limit - out.size()) return FileRead::kTooLarge;
        out.insert(out.end(), buffer, buffer + got);
    }
}

template <typename Bytes>
FileRead ReadInto(const std::string& path, size_t limit, Bytes& out) {
    out.clear();
    // Non-blocking, so that opening a FIFO does not wait for a writer; it
    // makes no difference to reading a regular file.
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    FileRead result = FileRead::kUnreadable;
    if (file.get() < 0) {
        if (errno == ENOENT || errno == ENOTDIR) result = FileRead::kMissing;
    } else {
        try {
            result = ReadAll(file.get(), limit, out);
        } catch (const std::bad_alloc&) {
            // A file too large for memory is as unreadable as a broken one.
        } catch (const std::length_error&) {
        }
    }
    if (result != FileRead::kRead) Bytes().swap(out);
    return result;
}

}  // namespace

bool ReadRegularFile(const std::string& path, std::string& out) {
    return ReadInto(path, kNoLimit, out) == FileRead::kRead;
}

bool ReadRegularFile(const std::string& path, std::vector<uint8_t>& out) {
    return ReadInto(path, kNoLimit, out) == FileRead::kRead;
}

FileRead ReadRegularFileUpTo(const std::string& path, size_t limit, std::string& out) {
    return ReadInto(path, limit, out);
}

}  // namespace velmora
