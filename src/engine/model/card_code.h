#pragma once
// Card codes: 1-52 the first deck (hearts, diamonds, clubs, spades, each ace
// to king), 53-104 the second deck in the same order, 105-108 the jokers,
// 0 an empty slot. Everything about a card but its face state follows from
// its code by arithmetic.

#include <string>

namespace velmora {

constexpr int kNoCard = 0;
constexpr int kLastCard = 108;
constexpr int kFirstJoker = 105;

int CardRank(int code);        // 1-13; 100 for a joker; -1 above 104 otherwise
int CardSuit(int code);        // 0 hearts, 1 diamonds, 2 clubs, 3 spades; -1 jokers
bool CardIsRed(int code);
bool CardIsFace(int code);     // jacks, queens and kings of either deck
bool CardIsJoker(int code);
int CardImageIndex(int code);  // 0-51 for the faces, 52 for every joker

// True for 0 .. 108, the codes a pile may hold.
inline bool IsCardCode(int code) { return code >= kNoCard && code <= kLastCard; }

// The three-digit text of a code ("007"); codes outside 0-108 give "".
std::string CardCodeText(int code);

}  // namespace velmora
