#include "platform/help_links.h"

#include "platform/help_format.h"

namespace velmora::hlp {

std::optional<uint32_t> LinkedTopic(std::string_view href) {
    constexpr std::string_view kSuffix = ".html";
    if (href.size() <= kSuffix.size() || href.substr(href.size() - kSuffix.size()) != kSuffix)
        return std::nullopt;
    const std::string_view digits = href.substr(0, href.size() - kSuffix.size());
    if (digits.size() > 9) return std::nullopt;
    uint32_t number = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        number = number * 10 + static_cast<uint32_t>(c - '0');
    }
    if (number < 1 || number > kMaxTopicNumber) return std::nullopt;
    return number;
}

}  // namespace velmora::hlp
