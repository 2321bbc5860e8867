#pragma once
// What the fuzz harnesses share: stopping loudly when a check fails, a
// scratch folder for the harnesses that need files, and reading operands
// out of the input bytes.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

namespace velmora::fuzz {

// A check that must hold for every input: report and abort, so that
// libFuzzer keeps the input and a replay test fails.
[[noreturn]] inline void Fail(std::string_view what) {
    std::fprintf(stderr, "fuzz check failed: %.*s\n", static_cast<int>(what.size()), what.data());
    std::fflush(stderr);
    std::abort();
}

inline void Check(bool holds, std::string_view what) {
    if (!holds) Fail(what);
}

// A folder of this process, removed at exit; the folders of earlier runs
// that ended without tidying up (a crash found) go when the next one starts.
// In /dev/shm when there is one, because the settings writers flush every
// file to disk.
inline const std::filesystem::path& ScratchFolder() {
    namespace fs = std::filesystem;
    // Never destroyed, so the exit handler can still use it.
    static const fs::path* const folder = [] {
        std::error_code error;
        const fs::path shm = "/dev/shm";
        const bool use_shm = fs::is_directory(shm, error) && ::access(shm.c_str(), W_OK) == 0;
        const fs::path parent = use_shm ? shm : fs::temp_directory_path();
        const std::string prefix = "velmora-fuzz-";
        for (fs::directory_iterator it(parent, error), end; !error && it != end;
             it.increment(error)) {
            const std::string name = it->path().filename().string();
            if (!name.starts_with(prefix)) continue;
            const std::string pid =
                name.substr(prefix.size(), name.find('-', prefix.size()) - prefix.size());
            std::error_code ignored;
            if (!pid.empty() && !fs::exists("/proc/" + pid, ignored))
                fs::remove_all(it->path(), ignored);
        }
        std::string pattern = (parent / (prefix + std::to_string(::getpid()) + "-XXXXXX")).string();
        if (::mkdtemp(pattern.data()) == nullptr) Fail("cannot create a scratch folder");
        return new fs::path(pattern);
    }();
    static const bool removed_at_exit = std::atexit([] {
                                            std::error_code ignored;
                                            std::filesystem::remove_all(*folder, ignored);
                                        }) == 0;
    (void)removed_at_exit;
    return *folder;
}

// Operands taken from the front of the input; a used-up input gives zeros
// and empty texts.
class InputBytes {
public:
    InputBytes(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    bool Empty() const { return at_ >= size_; }
    uint8_t Byte() { return Empty() ? 0 : data_[at_++]; }
    // Little-endian, as many bytes as the type holds.
    template <typename T>
    T Number() {
        uint64_t value = 0;
        for (size_t i = 0; i < sizeof(T); ++i) value |= static_cast<uint64_t>(Byte()) << (8 * i);
        return static_cast<T>(value);
    }
    bool Flag() { return (Byte() & 1) != 0; }
    // The bytes up to the next NUL (which is consumed) or the end.
    std::string Field() {
        std::string text;
        while (!Empty()) {
            const char c = static_cast<char>(data_[at_++]);
            if (c == '\0') break;
            text += c;
        }
        return text;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

}  // namespace velmora::fuzz
