#include "engine/model/suit_map.h"

#include "engine/model/card_code.h"

namespace velmora {

namespace {

constexpr int kSpades = 3;
constexpr int kDeckCards = 52;
constexpr int kSuitCards = 13;

int MappedSuit(int suit, int deck_style) {
    if (deck_style == kDeckSpadesOnly) return kSpades;
    // Hearts and diamonds become hearts, clubs and spades spades.
    return suit <= 1 ? 0 : kSpades;
}

}  // namespace

int SuitMappedCard(int code, int deck_style) {
    if (deck_style != kDeckHeartsAndSpades && deck_style != kDeckSpadesOnly) return code;
    if (code < 1 || code > 2 * kDeckCards) return code;
    const int deck_start = code > kDeckCards ? kDeckCards : 0;
    return deck_start + MappedSuit(CardSuit(code), deck_style) * kSuitCards + CardRank(code);
}

int ShownSuit(const Engine& e, int code) { return CardSuit(ShownCard(e, code)); }

bool ShownRed(const Engine& e, int code) { return CardIsRed(ShownCard(e, code)); }

}  // namespace velmora
