#pragma once
// A regular file mapped read-only into memory: its pages are read from the
// file when first touched and count as resident only then, so a large file
// of which little is used costs little memory. Standard library and POSIX.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace velmora {

class MappedFile {
public:
    MappedFile() = default;
    ~MappedFile();
    MappedFile(MappedFile&& other) noexcept;
    MappedFile& operator=(MappedFile&& other) noexcept;
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    // Maps the regular file at `path` (a link to one counts), replacing what
    // was mapped. False, with a reason in `error` and nothing mapped, for a
    // missing name, a folder, a FIFO or any error; an empty file maps to no
    // bytes.
    bool Open(const std::string& path, std::string* error = nullptr);
    void Close();
    std::span<const uint8_t> Bytes() const { return {data_, size_}; }
    // Gives the pages read so far back to the system; the bytes stay where
    // they are and are read from the file again when next touched.
    void ReleasePages() const;

private:
    const uint8_t* data_ = nullptr;
    size_t size_ = 0;
};

}  // namespace velmora
