#pragma once
// Product names and game counts in menu captions and form texts.

#include <string>
#include <string_view>

namespace velmora {

// Replaces the first occurrence of "[Program]", "[Program_sw]",
// "[GameNum_sw]" and "[GameNum_fw]", in that order; later occurrences of the
// same placeholder stay as they are.
std::string ExpandPlaceholders(std::string_view text);

}  // namespace velmora
