#include "engine/model/card_code.h"

#include <cstdint>


namespace velmora {

int CardRank(int code) {
    const int b = code > 52 ? code - 52 : code;
    if (b <= 13) return b;
    if (b <= 26) return b - 13;
    if (b <= 39) return b - 26;
    if (b <= 52) return b - 39;
    return CardIsJoker(code) ? 100 : -1;
}

int CardSuit(int code) {
    const int a = code > 52 ? code - 52 : code;
    if (a <= 13) return 0;
    if (a <= 26) return 1;
    if (a <= 39) return 2;
    if (a > 52) return -1;
    return 3;
}

bool CardIsRed(int code) { return code <= 26 || (code >= 53 && code <= 78); }

bool CardIsFace(int code) {
    if (code < 1 || code > 104) return false;
    const int rank = CardRank(code);
    return rank >= 11 && rank <= 13;
}

bool CardIsJoker(int code) { return code >= kFirstJoker && code <= kLastCard; }

int CardImageIndex(int code) {
    // Computed in 16 bits, as the drawing code always has.
    const auto c = static_cast<int16_t>(code);
    if (c < 53) return static_cast<int16_t>(c - 1);
    const auto b = static_cast<int16_t>(c - 52);
    return b > 52 ? 52 : b - 1;
}

std::string CardCodeText(int code) {
    // Built digit by digit: called for every card moved or recorded.
    if (!IsCardCode(code)) return {};
    const char digits[3] = {static_cast<char>('0' + code / 100), static_cast<char>('0' + code / 10 % 10),
                            static_cast<char>('0' + code % 10)};
    return std::string(digits, 3);
}

}  // namespace velmora
