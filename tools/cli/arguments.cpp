#include "arguments.h"

#include "engine/model/card_code.h"
#include "text/fixed_text.h"

namespace velmora::cli {

bool ReadNumber(const std::string& text, int64_t low, int64_t high, int64_t& out) {
    return ParseInt(text, out) && out >= low && out <= high;
}

std::optional<int> ReadCard(const std::string& text) {
    int64_t code = 0;
    if (!ReadNumber(text, 1, kLastCard, code)) return std::nullopt;
    return static_cast<int>(code);
}

std::optional<PileRef> ReadPile(const std::string& text) {
    const auto pile = ParsePileName(text);
    if (!pile || PileName(*pile) != text) return std::nullopt;
    return pile;
}

}  // namespace velmora::cli
