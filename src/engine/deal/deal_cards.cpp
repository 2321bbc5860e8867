#include "engine/deal/deal_cards.h"

#include <algorithm>

#include "engine/model/card_code.h"
#include "engine/model/card_table.h"
#include "engine/model/piles.h"

namespace velmora {

namespace {

bool IsRankCount(int n) { return n >= 1001 && n <= 1499; }
bool IsJokerCount(int n) { return n >= 1501 && n <= 1504; }
bool IsOrdinaryCount(int n) { return (n >= 1 && n <= 1000) || n >= 1600; }

int DealFront(Engine& e, int n, DealBuffer& buffer, ListId list, int index) {
    const int count = std::min(n, static_cast<int>(buffer.size()));
    int dealt = 0;
    for (int i = 0; i < count; ++i)
        if (PileAppend(e, list, index, BufferCode(buffer, i), kFaceDown)) ++dealt;
    buffer.erase(buffer.begin(), buffer.begin() + count);
    return dealt;
}

int DealChosen(Engine& e, int slot, DealBuffer& buffer, ListId list, int index, char state) {
    if (slot < 0) return 0;
    return PileAppend(e, list, index, TakeFromBuffer(buffer, slot), state) ? 1 : 0;
}

}  // namespace

int RequestedCards(int n) {
    if (IsOrdinaryCount(n)) return n;
    return IsRankCount(n) || IsJokerCount(n) ? 1 : 0;
}

int DealCards(Engine& e, int n, DealBuffer& buffer, ListId list, int index) {
    if (!e.piles.Pile(list, index)) return 0;
    if (IsOrdinaryCount(n)) return DealFront(e, n, buffer, list, index);
    if (IsRankCount(n)) {
        const int rank = n - 1000;
        const int slot = FindInBuffer(buffer, [rank](int code) { return CardRank(code) == rank; });
        return DealChosen(e, slot, buffer, list, index, kFaceDown);
    }
    if (IsJokerCount(n)) {
        const int joker = n - 1500 + 104;
        const int slot = FindInBuffer(buffer, [joker](int code) { return code == joker; });
        return DealChosen(e, slot, buffer, list, index, kFaceUp);
    }
    return 0;
}

}  // namespace velmora
