#pragma once
// What the tests of the executor, the move log and the stock look at: the
// whole position as snapshot lines, the cards of one pile, and whether every
// card of the game lies on exactly one pile.

#include <string>
#include <string_view>
#include <vector>

#include "engine/model/pile_names.h"
#include "engine/model/pile_string.h"
#include "engine/model/position_snapshot.h"
#include "play_table.h"

namespace velmora::play_test {

inline std::vector<std::string> Position(const Engine& e) {
    std::vector<std::string> lines;
    EncodePosition(e, lines);
    return lines;
}

inline std::vector<int> Cards(const Engine& e, std::string_view pile) {
    const auto ref = ParsePileName(pile);
    return PileCodes(e.piles.Text(ref->list, ref->index));
}

inline int Steps(const Engine& e) { return e.undo.Steps(); }

// The sound events played, in order.
class SoundLog : public SoundEvents {
public:
    explicit SoundLog(Engine& e) { e.sounds = this; }
    void PlayEvent(std::string_view name) override { names.emplace_back(name); }
    std::vector<std::string> names;
};

// Every card 1 .. `cards` lies on exactly one pile, no other card lies
// anywhere, and every face character is "0" or "1".
inline ::testing::AssertionResult EachCardOnce(const Engine& e, int cards) {
    std::vector<int> seen(kLastCard + 1, 0);
    for (int n = 0; n < kAllPiles; ++n)
        for (int code : PileCodes(*e.piles.Flat(n)))
            if (code >= 1 && code <= kLastCard) ++seen[static_cast<size_t>(code)];
    for (int code = 1; code <= kLastCard; ++code) {
        const int expected = code <= cards ? 1 : 0;
        if (seen[static_cast<size_t>(code)] != expected)
            return ::testing::AssertionFailure() << "card " << code << " lies on " << seen[static_cast<size_t>(code)]
                                                 << " piles";
        const char face = e.cards.FaceChar(code);
        if (face != kFaceUp && face != kFaceDown) return ::testing::AssertionFailure() << "face of " << code;
    }
    return ::testing::AssertionSuccess();
}

}  // namespace velmora::play_test
