#pragma once
// The card table: one 20-character text line per card code, with the card's
// name, suit digit, code and, in column 20, its face state ("1" up, "0" down).
// The face state of a card lives only here.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

constexpr char kFaceUp = '1';
constexpr char kFaceDown = '0';

class CardTable {
public:
    // Fills the 108 lines in code order, all face up. Created empty so that
    // start-up decides when the table exists.
    void Build();
    bool Empty() const { return !built_; }

    // The lines in code order (none before Build), as copies.
    std::vector<std::string> Lines() const;
    // The line of a card, or "" for a code without a line.
    std::string_view Line(int code) const {
        if (!built_ || code < 1 || code > kLines) return {};
        return std::string_view(text_.data() + static_cast<size_t>(code - 1) * kLineWidth, kLineWidth);
    }

    // False for codes below 1 and for codes without a line.
    bool IsFaceDown(int code) const;
    // The face character of column 20, or '0' for a code without a line.
    char FaceChar(int code) const {
        const std::string_view line = Line(code);
        return line.size() >= 20 ? line[19] : kFaceDown;
    }
    // Rewrites column 20; only "0" and "1" are face states. Returns false
    // when nothing was written.
    bool SetFaceState(int code, char state);
    // n >= 1: the top n cards get `state`; -1: up, down, up ... from the
    // bottom; -2: down, up, down ...; -3: bottom up, every other card down;
    // any other n: nothing. The pile string is not changed.
    void SetPileFaceStates(std::string_view pile, int n, char state);

    static constexpr int kLines = 108;
    static constexpr size_t kLineWidth = 20;

private:
    // The lines one after the other in one block: an engine is copied for
    // every move tried, and 108 separate strings cost as many allocations.
    std::array<char, kLines * kLineWidth> text_{};
    bool built_ = false;
};

// The 20-character line of a card, face up.
std::string CardTableLine(int code);

}  // namespace velmora
