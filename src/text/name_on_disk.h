#pragma once
// Finding an existing file or folder whatever the case of its letters: the
// program's own names ("GAMES.DAT", "DATA") come from a platform whose file
// names ignored case, so "games.dat" on disk is the same file. A lookup asks
// for a file or for a folder, so a folder is never taken for a wanted file.

#include <filesystem>
#include <string>

namespace velmora {

enum class EntryKind {
    Any,     // whatever exists under the name
    File,    // a regular file, or a link to one
    Folder,  // a folder, or a link to one
};

// The spelling under which `folder` holds an entry of the wanted kind named
// `name` without regard to ASCII case: `name` itself when it is spelled so,
// else the first match in byte order. `name` unchanged when no entry of that
// kind matches (a new entry gets the program's own spelling), and for "."
// and "..". An empty `folder` is the current one.
std::string SpellingOnDisk(const std::filesystem::path& folder, const std::string& name, EntryKind kind);

}  // namespace velmora
