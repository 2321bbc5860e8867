#include "platform/temporary_files.h"

#include <filesystem>
#include <system_error>

namespace velmora {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kMarker = ".tmp-";
constexpr std::string_view kUniquePart = "XXXXXX";
constexpr std::string_view kPrefixedEnding = ".tmp";

bool IsAsciiLetterOrDigit(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

bool IsUniquePart(std::string_view part) {
    if (part.size() != kUniquePart.size()) return false;
    for (char c : part) {
        if (!IsAsciiLetterOrDigit(c)) return false;
    }
    return true;
}

template <typename IsTemporary>
int RemoveStale(const std::string& folder, std::chrono::seconds age, IsTemporary is_temporary) {
    const fs::file_time_type cutoff = fs::file_time_type::clock::now() - age;
    int removed = 0;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code entry_error;
        // The entry itself, not what a link points to: we never make links.
        if (!fs::is_regular_file(it->symlink_status(entry_error)) || entry_error) continue;
        if (!is_temporary(it->path().filename().string())) continue;
        const fs::file_time_type modified = fs::last_write_time(it->path(), entry_error);
        if (entry_error || modified > cutoff) continue;
        if (fs::remove(it->path(), entry_error) && !entry_error) ++removed;
    }
    return removed;
}

}  // namespace

std::string TemporaryTemplate(std::string_view target) {
    return std::string(target) + std::string(kMarker) + std::string(kUniquePart);
}

bool IsOwnTemporaryName(std::string_view name) {
    const size_t tail = kMarker.size() + kUniquePart.size();
    if (name.size() <= tail) return false;
    const std::string_view ending = name.substr(name.size() - tail);
    return ending.starts_with(kMarker) && IsUniquePart(ending.substr(kMarker.size()));
}

bool IsPrefixedTemporaryName(std::string_view name, std::string_view prefix) {
    if (name.size() != prefix.size() + kUniquePart.size() + kPrefixedEnding.size()) return false;
    return name.starts_with(prefix) && name.ends_with(kPrefixedEnding) &&
           IsUniquePart(name.substr(prefix.size(), kUniquePart.size()));
}

int RemoveStaleTemporaries(const std::string& folder, std::chrono::seconds age) {
    return RemoveStale(folder, age, [](const std::string& name) { return IsOwnTemporaryName(name); });
}

int RemoveStalePrefixedTemporaries(const std::string& folder, std::string_view prefix, std::chrono::seconds age) {
    if (prefix.empty()) return 0;  // would take every "XXXXXX.tmp" for ours
    return RemoveStale(folder, age,
                       [prefix](const std::string& name) { return IsPrefixedTemporaryName(name, prefix); });
}

int RemoveStaleTemporariesOf(const std::string& target, std::chrono::seconds age) {
    const fs::path path(target);
    const std::string own = path.filename().string() + std::string(kMarker);
    fs::path folder = path.parent_path();
    if (folder.empty()) folder = ".";
    return RemoveStale(folder.string(), age, [&own](const std::string& name) {
        return name.size() == own.size() + kUniquePart.size() && name.starts_with(own) && IsOwnTemporaryName(name);
    });
}

}  // namespace velmora
