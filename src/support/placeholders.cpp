#include "support/placeholders.h"

#include <array>
#include <utility>

namespace velmora {

std::string ExpandPlaceholders(std::string_view text) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 4> kPlaceholders{{
        {"[Program]", "Velmora"},
        {"[Program_sw]", "Tabloria 2000"},
        {"[GameNum_sw]", "250"},
        {"[GameNum_fw]", "9"},
    }};
    std::string result(text);
    for (const auto& [placeholder, replacement] : kPlaceholders) {
        const size_t at = result.find(placeholder);
        if (at != std::string::npos) result.replace(at, placeholder.size(), replacement);
    }
    return result;
}

}  // namespace velmora
