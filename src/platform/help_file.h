#pragma once
// Opening the help file named in a help request. The program names its help
// file with the window after a '>' ("<folder>tabloria.hlp>rules"); the
// window name picks how the topic is shown.

#include <optional>
#include <string>

#include "platform/help_format.h"

namespace velmora::hlp {

struct HelpRequest {
    std::string path;    // the file
    std::string window;  // "rules", "proc", or empty when none was named
};

// "<path>>window" split at its last '>'; a name without one is all path.
HelpRequest SplitHelpFile(const std::string& help_file);

// The book in the file at `path`; nothing, with the reason in `error`, when
// the file cannot be read or is not a sound help file.
std::optional<HelpBook> LoadHelpFile(const std::string& path, std::string* error = nullptr);

}  // namespace velmora::hlp
