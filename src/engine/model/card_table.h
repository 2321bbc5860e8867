#pragma once
// The card table: one 20-character text line per card code, with the card's
// name, suit digit, code and, in column 20, its face state ("1" up, "0" down).
// The face state of a card lives only here.

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
    bool Empty() const { return lines_.empty(); }

    const std::vector<std::string>& Lines() const { return lines_; }
    // The line of a card, or "" for a code without a line.
    std::string_view Line(int code) const {
        if (code < 1 || static_cast<size_t>(code) > lines_.size()) return {};
        return lines_[static_cast<size_t>(code) - 1];
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

private:
    std::vector<std::string> lines_;
};

// The 20-character line of a card, face up.
std::string CardTableLine(int code);

}  // namespace velmora
