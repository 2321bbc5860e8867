#pragma once
// The program's own temporary files. A file is replaced by writing its new
// contents to "<name>.tmp-XXXXXX" beside it (mkostemp picks the six letters
// and digits) and renaming that over it. A write cut short by a crash or a
// kill leaves the temporary behind, and nothing else would ever remove it:
// the start-up sweeps them away.

#include <chrono>
#include <string>
#include <string_view>

namespace velmora {

// The mkostemp template for replacing the file named `target`
// ("CFG.DAT" gives "CFG.DAT.tmp-XXXXXX").
std::string TemporaryTemplate(std::string_view target);

// True for a name of that form: at least one character, ".tmp-", then
// exactly six ASCII letters or digits.
bool IsOwnTemporaryName(std::string_view name);

// True for "<prefix>", exactly six ASCII letters or digits, then ".tmp": the
// names TempFileName (files.h) gives.
bool IsPrefixedTemporaryName(std::string_view name, std::string_view prefix);

// How long a temporary must have been left untouched before it is taken for
// a leftover: a younger one may belong to a second copy of the program that
// is writing right now.
inline constexpr std::chrono::seconds kStaleTemporaryAge{60};

// Removes the regular files directly in `folder` (not below it) whose names
// are our temporaries and that were last modified at least `age` ago.
// Anything else is kept: other names, folders, links, younger temporaries.
// Gives how many files were removed.
int RemoveStaleTemporaries(const std::string& folder, std::chrono::seconds age = kStaleTemporaryAge);
// The same for the temporaries of the one file `target` only
// ("<target>.tmp-XXXXXX" beside it): for files in the player's own folders,
// where other names are none of ours.
int RemoveStaleTemporariesOf(const std::string& target, std::chrono::seconds age = kStaleTemporaryAge);
// The same for the names TempFileName gives with `prefix`.
int RemoveStalePrefixedTemporaries(const std::string& folder, std::string_view prefix,
                                   std::chrono::seconds age = kStaleTemporaryAge);

}  // namespace velmora
