#pragma once
// Reading a whole file into memory, for every reader of the program's files
// (game definitions, the resource library, settings, the tools' inputs).
// A file that cannot be read is a result, never an exception: the callers
// report it as missing or unreadable and go on.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

// The whole contents of the regular file at `path` (a link to one counts).
// False, with `out` empty, for a missing name, a folder or any other kind of
// entry (a FIFO is refused without waiting for a writer), and for any error
// while opening or reading the file.
bool ReadRegularFile(const std::string& path, std::string& out);
bool ReadRegularFile(const std::string& path, std::vector<uint8_t>& out);

enum class FileRead {
    kRead,
    kMissing,     // no entry of that name (or a folder on the way is missing)
    kUnreadable,  // there, but no regular file or not readable
    kTooLarge,    // more than the limit: not read further
};

// As ReadRegularFile, but never holds more than `limit` bytes: a larger file
// is refused after reading at most `limit` + 1 bytes, whatever its size, so a
// huge or endless file costs neither time nor memory. `out` is empty unless
// the result is kRead.
FileRead ReadRegularFileUpTo(const std::string& path, size_t limit, std::string& out);

}  // namespace velmora
