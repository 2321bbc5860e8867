#pragma once
// Replacing a file as a whole so that an abrupt end (a crash, a kill, a full
// disk) never leaves it half written: the new contents go to one of our
// temporaries beside it, are flushed to disk and renamed over the old file,
// which the file system does atomically. Every writer of the player's files
// uses it (the settings, the kept game).

#include <string>
#include <string_view>

namespace velmora {

// Puts `contents` in place of the file at `path` (created when missing; a
// link is followed and kept). The file keeps its permissions. False when any
// step failed; the old file is then untouched and the temporary removed.
bool ReplaceFileContents(const std::string& path, std::string_view contents);

}  // namespace velmora
