#pragma once
// An INI text file read and written key by key, with the rules of the classic
// private-profile calls:
//
// - Section and key names are compared without regard to (ASCII) case, after
//   surrounding blanks are removed; values are read with surrounding blanks
//   removed.
// - A missing or unreadable file, or a folder of that name, reads as empty,
//   so every read gives its default; writes to an unreadable file or a
//   folder are refused and leave it as it is. Keys placed before the first
//   section belong to no section.
// - When a section occurs more than once, only its first occurrence is read
//   and written; inside a section the first line of a key wins.
// - Lines that are comments (";" or "#"), blank, or carry no "=" are never
//   taken for keys, and every line a write does not change is kept byte for
//   byte, line endings included (LF or CRLF; new lines follow the file's
//   style, LF for a new file).
// - Each write reads the file, changes one key (adding the section or the key
//   at its end when missing) and replaces the whole file at once: the new
//   contents go to a temporary file in the same folder, are flushed to disk
//   and renamed over the original, so an abrupt end leaves either the old or
//   the new file, never a mix.
//
// Names and values that cannot be stored on one line (a line break inside,
// an empty or "="-holding key, a section name holding "]") are refused rather
// than written in a form that would read back as something else.

#include <memory>
#include <string>
#include <string_view>

namespace velmora {

class IniFile {
public:
    explicit IniFile(std::string path);

    const std::string& Path() const { return path_; }

    // The value of the key, or `fallback` when the key is missing.
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view fallback) const;
    // The value as a whole decimal number (optional sign, digits only, within
    // the range of int); `fallback` for a missing key or any other value.
    int ReadInteger(std::string_view section, std::string_view key, int fallback) const;
    // True when the section holds the key (with any value, even empty).
    bool HasKey(std::string_view section, std::string_view key) const;

    // Sets one key. False when the names or the value are refused or the file
    // cannot be read or replaced; the file is then unchanged.
    bool WriteString(std::string_view section, std::string_view key, std::string_view value);
    bool WriteInteger(std::string_view section, std::string_view key, int value);

    enum class WriteResult {
        kWritten,
        kRefused,    // the names or the value cannot be stored on one line
        kFileError,  // the file could not be read or replaced (a full disk, a folder that cannot be written)
    };
    // WriteString, telling a refusal from a file that could not be written.
    WriteResult Write(std::string_view section, std::string_view key, std::string_view value);

    // Lets the reads of this object share one parsed copy of the file while
    // the file on disk stays the same (same inode, size and times) and this
    // object writes nothing: a start-up that reads a hundred keys then reads
    // a large file once instead of once per key.
    void CacheReads() { cache_reads_ = true; }
    // How many times this object has read and parsed the file for a read.
    size_t FileReads() const { return file_reads_; }

private:
    struct Snapshot;
    std::shared_ptr<const Snapshot> Current() const;

    std::string path_;
    bool cache_reads_ = false;
    mutable std::shared_ptr<const Snapshot> cached_;
    mutable size_t file_reads_ = 0;
};

}  // namespace velmora
