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
template <typename Bytes>
bool ReadAll(int fd, Bytes& out) {
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) return false;
    // The size only sizes the buffer: the file may change while it is read.
    if (info.st_size > 0) out.reserve(static_cast<size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got == 0) return true;
        if (got < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        out.insert(out.end(), buffer, buffer + got);
    }
}

template <typename Bytes>
bool ReadInto(const std::string& path, Bytes& out) {
    out.clear();
    // Non-blocking, so that opening a FIFO does not wait for a writer; it
    // makes no difference to reading a regular file.
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    bool read = false;
    try {
        read = file.get() >= 0 && ReadAll(file.get(), out);
    } catch (const std::bad_alloc&) {
        // A file too large for memory is as unreadable as a broken one.
    } catch (const std::length_error&) {
    }
    if (!read) Bytes().swap(out);
    return read;
}

}  // namespace

bool ReadRegularFile(const std::string& path, std::string& out) { return ReadInto(path, out); }

bool ReadRegularFile(const std::string& path, std::vector<uint8_t>& out) { return ReadInto(path, out); }

}  // namespace velmora
