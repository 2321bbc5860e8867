#include "engine/model/position_snapshot.h"

#include "engine/model/card_code.h"

namespace velmora {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A line holds whole four-character units of three digits, a card code up
// to 108 and a face character.
bool LineIsWellFormed(const std::string& line) {
    if (line.size() % 4 != 0) return false;
    for (size_t at = 0; at < line.size(); at += 4) {
        const char* unit = line.data() + at;
        if (!IsDigit(unit[0]) || !IsDigit(unit[1]) || !IsDigit(unit[2])) return false;
        const int code = (unit[0] - '0') * 100 + (unit[1] - '0') * 10 + (unit[2] - '0');
        if (code > kLastCard || (unit[3] != kFaceUp && unit[3] != kFaceDown)) return false;
    }
    return true;
}

// Rewrites the pile from a checked line: the codes go to the pile, the face
// characters to the card table.
void DecodeLine(const std::string& line, std::string& pile, CardTable& cards) {
    pile.clear();
    for (size_t at = 0; at < line.size(); at += 4) {
        const char* unit = line.data() + at;
        pile.append(unit, 3);
        const int code = (unit[0] - '0') * 100 + (unit[1] - '0') * 10 + (unit[2] - '0');
        if (code != kNoCard) cards.SetFaceState(code, unit[3]);
    }
}

template <typename LineAt>
bool DecodeLines(Engine& e, LineAt line_at) {
    for (int n = 0; n < kSnapshotLines; ++n)
        if (!LineIsWellFormed(line_at(n))) return false;
    for (int n = 0; n < kSnapshotLines; ++n) DecodeLine(line_at(n), *e.piles.Flat(n), e.cards);
    return true;
}

}  // namespace

void EncodePileInto(const CardTable& cards, std::string_view pile, std::string& line) {
    line.clear();
    const size_t end = pile.size() / 3 * 3;
    line.reserve(end / 3 * 4);
    for (size_t at = 0; at < end; at += 3) {
        const char* unit = pile.data() + at;
        const bool digits = IsDigit(unit[0]) && IsDigit(unit[1]) && IsDigit(unit[2]);
        const int code = digits ? (unit[0] - '0') * 100 + (unit[1] - '0') * 10 + (unit[2] - '0') : -1;
        if (code < 1 || code > kLastCard) {
            line.append("0000", 4);
        } else {
            line.append(unit, 3);
            line.push_back(cards.FaceChar(code));
        }
    }
}

std::string EncodePile(const CardTable& cards, const std::string& pile) {
    std::string line;
    EncodePileInto(cards, pile, line);
    return line;
}

void EncodePosition(const Engine& e, std::vector<std::string>& out) {
    out.resize(kSnapshotLines);
    for (int n = 0; n < kSnapshotLines; ++n) EncodePileInto(e.cards, *e.piles.Flat(n), out[static_cast<size_t>(n)]);
}

bool DecodePosition(Engine& e, const std::vector<std::string>& lines) {
    if (lines.size() != static_cast<size_t>(kSnapshotLines)) return false;
    return DecodeLines(e, [&](int n) -> const std::string& { return lines[static_cast<size_t>(n)]; });
}

bool DecodePosition(Engine& e, const std::array<const std::string*, kSnapshotLines>& lines) {
    return DecodeLines(e, [&](int n) -> const std::string& { return *lines[static_cast<size_t>(n)]; });
}

}  // namespace velmora
