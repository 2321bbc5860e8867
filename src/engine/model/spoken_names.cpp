#include "engine/model/spoken_names.h"

#include "engine/model/card_code.h"
#include "engine/model/engine.h"
#include "engine/model/pile_string.h"

namespace velmora {

namespace {

// A reserve that takes any single card while empty is a free cell.
constexpr int kReserveDropRules = 268;
constexpr int kFreeCellDropRule = 0;

// The top card that is a card: kept places ("000") are passed over.
int TopCardOf(const std::string& pile, int& count) {
    count = 0;
    int top = 0;
    for (int i = 0; i < PileCount(pile); ++i) {
        const int code = PileCodeAt(pile, i);
        if (code <= 0) continue;
        ++count;
        top = code;
    }
    return top;
}

}  // namespace

std::string CardSpokenName(int code) {
    static constexpr const char* kRanks[] = {"ace", "two", "three", "four", "five",  "six",  "seven",
                                             "eight", "nine", "ten", "jack", "queen", "king"};
    static constexpr const char* kSuits[] = {"hearts", "diamonds", "clubs", "spades"};
    if (code <= 0 || code > kLastCard) return "";
    if (CardIsJoker(code)) return "joker";
    return std::string(kRanks[CardRank(code) - 1]) + " of " + kSuits[CardSuit(code)];
}

std::string PileSpokenName(const Engine& e, PileRef pile) {
    const std::string number = std::to_string(pile.index + 1);
    switch (pile.list) {
        case ListId::Stock:
            return pile.index == kStockIndex ? "Stock" : pile.index == kWasteIndex ? "Waste" : "Second waste";
        case ListId::Foundation: return "Foundation " + number;
        case ListId::Tableau: return "Tableau " + number;
        case ListId::Reserve:
            return (e.R(kReserveDropRules + pile.index) == kFreeCellDropRule ? "Free cell " : "Reserve ") + number;
    }
    return "";
}

std::string PileSpokenContents(const Engine& e, PileRef pile) {
    int count = 0;
    const int top = TopCardOf(e.piles.Text(pile.list, pile.index), count);
    if (count == 0) return "empty";
    const std::string top_text = e.cards.FaceChar(top) == kFaceUp ? CardSpokenName(top) : "face down";
    if (count == 1) return "1 card, " + top_text;
    return std::to_string(count) + " cards, " + top_text + (top_text == "face down" ? "" : " on top");
}

}  // namespace velmora
