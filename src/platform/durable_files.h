#pragma once
// Writing files so that a crash, a kill or a full disk never costs the file
// that was there: the new contents go to a temporary file beside it, are
// flushed to the disk and only then renamed over the old file, which the
// file system does in one step.

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <string_view>

namespace velmora {

// Writes every byte to the descriptor (retrying short and interrupted writes).
bool WriteAllTo(int fd, std::string_view data);

// Flushes a folder's entries, so a rename inside it survives a crash.
void SyncFolder(const std::filesystem::path& folder);

// The permission bits of the file at `path`; 0644 when there is none.
mode_t PermissionsOf(const std::filesystem::path& path);

// Replaces the contents of the existing file `path` and flushes them to
// the disk. False on any error (a full disk among them).
bool WriteFileDurably(const std::string& path, std::string_view contents);

// Puts `contents` in place of the file at `path` (created when missing; a
// link is followed and kept) through a flushed temporary beside it and a
// rename. Where the file system allows, the temporary has no name until it
// is whole, so a kill while writing leaves nothing; only a kill between
// naming it and the rename leaves a temporary for the sweep. The file keeps its permissions. False when any step failed; the
// old file is then untouched and the temporary removed. Every writer of the
// player's files uses it (the settings, the kept game).
bool ReplaceFileContents(const std::string& path, std::string_view contents);

// Renames the file `from` over `to`, replacing it in one step: until then
// `to` is whole and unchanged. `from` first gets the permissions of `to`;
// the folder is flushed afterwards.
bool RenameOver(const std::string& from, const std::string& to);

}  // namespace velmora
