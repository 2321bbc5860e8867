#include "engine/model/position_snapshot.h"

#include <utility>

#include "engine/model/card_code.h"
#include "engine/model/pile_string.h"

namespace velmora {

namespace {

struct DecodedCard {
    int code;
    char face;
};

// Parses one line into cards; false for a malformed unit.
bool DecodeLine(const std::string& line, std::string& pile, std::vector<DecodedCard>& cards) {
    if (line.size() % 4 != 0) return false;
    for (size_t at = 0; at < line.size(); at += 4) {
        int code = 0;
        for (size_t k = 0; k < 3; ++k) {
            const char c = line[at + k];
            if (c < '0' || c > '9') return false;
            code = code * 10 + (c - '0');
        }
        const char face = line[at + 3];
        if (code > kLastCard || (face != kFaceUp && face != kFaceDown)) return false;
        pile += CardCodeText(code);
        if (code != kNoCard) cards.push_back({code, face});
    }
    return true;
}

}  // namespace

std::string EncodePile(const CardTable& cards, const std::string& pile) {
    std::string line;
    for (int code : PileCodes(pile)) {
        if (code < 1 || code > kLastCard) {
            line += "0000";
        } else {
            line += CardCodeText(code);
            line += cards.FaceChar(code);
        }
    }
    return line;
}

void EncodePosition(const Engine& e, std::vector<std::string>& out) {
    out.clear();
    out.reserve(kSnapshotLines);
    for (int n = 0; n < kSnapshotLines; ++n) out.push_back(EncodePile(e.cards, *e.piles.Flat(n)));
}

bool DecodePosition(Engine& e, const std::vector<std::string>& lines) {
    if (lines.size() != static_cast<size_t>(kSnapshotLines)) return false;
    PileLists piles;
    std::vector<DecodedCard> cards;
    for (int n = 0; n < kSnapshotLines; ++n)
        if (!DecodeLine(lines[static_cast<size_t>(n)], *piles.Flat(n), cards)) return false;
    e.piles = std::move(piles);
    for (const DecodedCard& card : cards) e.cards.SetFaceState(card.code, card.face);
    return true;
}

}  // namespace velmora
