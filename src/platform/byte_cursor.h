#pragma once
// Little-endian numbers in the program's own binary files (the resource
// library, the help file): writing them, and a bounds-checked cursor for
// reading them back that never steps past the end of the bytes it was given.
// Standard library only.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace velmora {

inline void PutU32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

inline void PutU64(std::vector<uint8_t>& out, uint64_t v) {
    for (int i = 0; i < 8; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

class ByteCursor {
  public:
    explicit ByteCursor(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    size_t Position() const { return pos_; }
    size_t Remaining() const { return bytes_.size() - pos_; }

    // Each read fails, leaving the cursor where it was, when fewer bytes are
    // left than it needs.
    bool U32(uint32_t* v) {
        uint64_t wide = 0;
        if (!Little(4, &wide)) return false;
        *v = static_cast<uint32_t>(wide);
        return true;
    }
    bool U64(uint64_t* v) { return Little(8, v); }
    bool Bytes(size_t n, std::string* s) {
        if (n > Remaining()) return false;
        s->assign(reinterpret_cast<const char*>(bytes_.data() + pos_), n);
        pos_ += n;
        return true;
    }

  private:
    bool Little(size_t n, uint64_t* v) {
        if (n > Remaining()) return false;
        uint64_t r = 0;
        for (size_t i = 0; i < n; ++i) r |= static_cast<uint64_t>(bytes_[pos_ + i]) << (8 * i);
        pos_ += n;
        *v = r;
        return true;
    }

    std::span<const uint8_t> bytes_;
    size_t pos_ = 0;
};

}  // namespace velmora
