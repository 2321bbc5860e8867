#include "engine/model/pile_string.h"

#include "text/fixed_text.h"

namespace velmora {

namespace {

int UnitValue(std::string_view unit) {
    if (unit.empty()) return -1;
    int value = 0;
    for (char c : unit) {
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

int PileCount(std::string_view pile) { return static_cast<int>(pile.size() / 3); }

int PileCodeAt(std::string_view pile, int i) {
    if (i < 0 || i >= PileCount(pile)) return -1;
    return UnitValue(pile.substr(static_cast<size_t>(i) * 3, 3));
}

std::vector<int> PileCodes(std::string_view pile) {
    std::vector<int> codes;
    const int count = PileCount(pile);
    codes.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) codes.push_back(PileCodeAt(pile, i));
    return codes;
}

int PileTop(std::string_view pile) {
    if (pile.empty()) return 0;
    const std::string_view tail = pile.size() > 3 ? pile.substr(pile.size() - 3) : pile;
    const int value = UnitValue(tail);
    return value < 0 ? 0 : value;
}

int PileIndexOf(std::string_view pile, int code) {
    if (code < 0) return -1;
    const int count = PileCount(pile);
    for (int i = 0; i < count; ++i)
        if (PileCodeAt(pile, i) == code) return i;
    return -1;
}

}  // namespace velmora
