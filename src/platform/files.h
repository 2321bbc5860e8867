#pragma once
// Files and folders. The program's own names are written with backslashes
// and in any case ("DATA\CFG.DAT"); on disk they use '/', and an existing
// file or folder is found whatever the case of its letters, so the program
// never makes a second "Data" beside "DATA".

#include <string>
#include <string_view>

#include "text/name_on_disk.h"

namespace velmora {

bool FileExists(const std::string& path);        // a file, not a folder
bool DirectoryExists(const std::string& path);
bool RemoveFile(const std::string& path);        // false when it was no file or stayed
// Refuses to replace an existing target (so nothing is lost by accident).
bool RenameFile(const std::string& from, const std::string& to);
// Creates the folder when missing; true when it exists afterwards.
bool CreateFolder(const std::string& path);

// Creates a new, empty file "<prefix>XXXXXX.tmp" in the folder (the system's
// temporary folder when `folder` is empty) and gives its full name. The
// prefix must not hold a '/'.
bool TempFileName(const std::string& folder, const std::string& prefix, std::string* name);

// The folder of the running executable, ending in '/'.
std::string ProgramFolder();

// "DATA\CFG.DAT" as "DATA/CFG.DAT".
std::string SlashPath(std::string_view name);

// `name` (backslashes or slashes; relative to `base`, or absolute) with
// each component spelled as it exists on disk when an entry of that name
// exists in any case: a folder for the leading components, an entry of
// `kind` for the last one (so a folder "games.dat" is never taken for the
// file "GAMES.DAT"). Components that do not exist keep the spelling given.
// Two names differing only in case: the exact one, else the first in byte
// order.
std::string FindPath(const std::string& base, std::string_view name, EntryKind kind = EntryKind::Any);
// FindPath below the program folder.
std::string ProgramPath(std::string_view name, EntryKind kind = EntryKind::Any);

}  // namespace velmora
