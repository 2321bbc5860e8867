#include "engine/model/card_table.h"

#include "engine/model/card_code.h"
#include "engine/model/pile_string.h"
#include "text/fixed_text.h"

namespace velmora {

namespace {

constexpr const char* kSuitWords[] = {"CUORI", "QUADR", "FIORI", "PICCH"};

std::string RankText(int rank) {
    switch (rank) {
        case 1: return "A";
        case 11: return "J";
        case 12: return "Q";
        case 13: return "K";
        default: return ZeroPad(rank, 2);
    }
}

}  // namespace

std::string CardTableLine(int code) {
    std::string name = "JOKER";
    char suit_digit = '4';
    if (!CardIsJoker(code)) {
        const int suit = CardSuit(code);
        name = std::string(kSuitWords[suit]) + "_" + RankText(CardRank(code));
        suit_digit = static_cast<char>('1' + suit);
    }
    return PadRight(name, 15) + suit_digit + ZeroPad(code, 3) + kFaceUp;
}

static_assert(CardTable::kLines == kLastCard);

void CardTable::Build() {
    for (int code = 1; code <= kLines; ++code)
        CardTableLine(code).copy(text_.data() + static_cast<size_t>(code - 1) * kLineWidth, kLineWidth);
    built_ = true;
}

std::vector<std::string> CardTable::Lines() const {
    std::vector<std::string> lines;
    if (!built_) return lines;
    for (int code = 1; code <= kLines; ++code) lines.emplace_back(Line(code));
    return lines;
}

bool CardTable::IsFaceDown(int code) const { return FaceChar(code) == kFaceDown && !Line(code).empty(); }

bool CardTable::SetFaceState(int code, char state) {
    if (state != kFaceUp && state != kFaceDown) return false;
    if (!built_ || code < 1 || code > kLines) return false;
    text_[static_cast<size_t>(code) * kLineWidth - 1] = state;
    return true;
}

void CardTable::SetPileFaceStates(std::string_view pile, int n, char state) {
    const std::vector<int> codes = PileCodes(pile);
    const int count = static_cast<int>(codes.size());
    for (int i = 0; i < count; ++i) {
        const int from_bottom = i + 1;
        if (n >= 1) {
            if (i >= count - n) SetFaceState(codes[i], state);
        } else if (n == -1) {
            SetFaceState(codes[i], from_bottom % 2 == 1 ? kFaceUp : kFaceDown);
        } else if (n == -2) {
            SetFaceState(codes[i], from_bottom % 2 == 1 ? kFaceDown : kFaceUp);
        } else if (n == -3) {
            SetFaceState(codes[i], i == 0 ? kFaceUp : kFaceDown);
        }
    }
}

}  // namespace velmora
