#include "platform/mapped_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace velmora {
namespace {

bool Fail(std::string* error, std::string reason) {
    if (error) *error = std::move(reason);
    return false;
}

}  // namespace

MappedFile::~MappedFile() { Close(); }

MappedFile::MappedFile(MappedFile&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)) {}

MappedFile& MappedFile::operator=(MappedFile&& other) noexcept {
    if (this != &other) {
        Close();
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
    }
    return *this;
}

void MappedFile::Close() {
    if (data_ && size_ > 0) ::munmap(const_cast<uint8_t*>(data_), size_);
    data_ = nullptr;
    size_ = 0;
}

bool MappedFile::Open(const std::string& path, std::string* error) {
    Close();
    // Non-blocking, so a FIFO is refused without waiting for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return Fail(error, "cannot read " + path);
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return Fail(error, "cannot read " + path + ": not a regular file");
    }
    const auto size = static_cast<size_t>(info.st_size);
    if (size > 0) {
        void* map = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
        if (map == MAP_FAILED) {
            ::close(fd);
            return Fail(error, "cannot read " + path);
        }
        data_ = static_cast<const uint8_t*>(map);
        size_ = size;
    }
    ::close(fd);  // the mapping keeps the file
    return true;
}

void MappedFile::ReleasePages() const {
    if (data_ && size_ > 0) ::madvise(const_cast<uint8_t*>(data_), size_, MADV_DONTNEED);
}

}  // namespace velmora
