#include "engine/deal/buffer_layouts.h"

#include <algorithm>

#include "engine/model/card_code.h"
#include "engine/model/card_table.h"
#include "engine/model/piles.h"

namespace velmora {

void DealRunsFromBuffer(DealContext& c, int rank) {
    Engine& e = c.e;
    const int last = TableauInUse(e) - 1;
    if (last < 0) return;
    const int first = FindInBuffer(c.buffer, [rank](int code) { return CardRank(code) == rank; });
    if (first >= 0) PileAppend(e, ListId::Tableau, 0, TakeFromBuffer(c.buffer, first), kFaceUp);
    int pile = 0;
    DealBuffer kept;
    for (int i = 0; i < static_cast<int>(c.buffer.size()); ++i) {
        const int code = BufferCode(c.buffer, i);
        if (code < 1) {
            kept.push_back(c.buffer[static_cast<size_t>(i)]);
            continue;
        }
        if (CardRank(code) == rank) pile = std::min(pile + 1, last);
        PileAppend(e, ListId::Tableau, pile, code, kFaceUp);
    }
    c.buffer = std::move(kept);
}

void DealByRank(DealContext& c, int offset) {
    Engine& e = c.e;
    const int piles = TableauInUse(e);
    DealBuffer kept;
    for (int i = 0; i < static_cast<int>(c.buffer.size()); ++i) {
        const int code = BufferCode(c.buffer, i);
        const int pile = CardRank(code) + offset - 1;  // 0-based
        if (code < 1 || pile < 0 || pile >= piles) {
            kept.push_back(c.buffer[static_cast<size_t>(i)]);
            continue;
        }
        PileAppend(e, ListId::Tableau, pile, code, kFaceUp);
    }
    c.buffer = std::move(kept);
}

}  // namespace velmora
