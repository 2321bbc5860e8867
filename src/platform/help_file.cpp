#include "platform/help_file.h"

#include <cstdint>
#include <vector>

#include "text/whole_file.h"

namespace velmora::hlp {

HelpRequest SplitHelpFile(const std::string& help_file) {
    const size_t mark = help_file.rfind('>');
    // A '>' inside a folder name is followed by a '/', a window name never is.
    if (mark == std::string::npos || help_file.find('/', mark) != std::string::npos)
        return {help_file, {}};
    return {help_file.substr(0, mark), help_file.substr(mark + 1)};
}

std::optional<HelpBook> LoadHelpFile(const std::string& path, std::string* error) {
    std::vector<uint8_t> bytes;
    if (!ReadRegularFile(path, bytes)) {
        if (error) *error = "the file is missing or cannot be read";
        return std::nullopt;
    }
    return Parse(bytes, error);
}

}  // namespace velmora::hlp
