#include "engine/model/pile_string.h"

namespace velmora {

namespace {

// The value of the three digits at p, or -1 when one is not a digit. Runs
// over the raw characters: the scans below call it for every unit.
int UnitAt(const char* p) {
    const unsigned a = static_cast<unsigned char>(p[0]) - '0';
    const unsigned b = static_cast<unsigned char>(p[1]) - '0';
    const unsigned c = static_cast<unsigned char>(p[2]) - '0';
    if (a > 9 || b > 9 || c > 9) return -1;
    return static_cast<int>(a * 100 + b * 10 + c);
}

// The value of a short unit (the whole text of a pile under three
// characters), or -1 when empty or not all digits.
int ShortUnitValue(std::string_view unit) {
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
    return UnitAt(pile.data() + static_cast<size_t>(i) * 3);
}

std::vector<int> PileCodes(std::string_view pile) {
    std::vector<int> codes;
    const size_t end = pile.size() / 3 * 3;
    codes.reserve(end / 3);
    for (size_t at = 0; at < end; at += 3) codes.push_back(UnitAt(pile.data() + at));
    return codes;
}

int PileTop(std::string_view pile) {
    if (pile.size() < 3) {
        const int value = ShortUnitValue(pile);
        return value < 0 ? 0 : value;
    }
    const int value = UnitAt(pile.data() + pile.size() - 3);
    return value < 0 ? 0 : value;
}

}  // namespace velmora
