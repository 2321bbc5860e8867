#include "engine/play/deal_placement.h"

#include <algorithm>

#include "engine/model/card_table.h"
#include "engine/model/piles.h"
#include "engine/play/move_description.h"
#include "engine/play/rule_interpreter.h"

namespace velmora {

bool CanPlaceAtDeal(const Engine& e, int card, int i) {
    if (i < 0 || i >= kFoundationPiles) return false;
    return CanPlaceCard(e, DealPlacementInputs(e, i, card), DescribeMove(e, card)).accepted;
}

bool PlaceOnFirstFoundation(Engine& e, int card, int first, int last, const FoundationBonus& bonus) {
    const int used = FoundationsInUse(e);
    if (first < 0 || last < 0) {
        first = 0;
        last = used - 1;
    }
    last = std::min(last, used - 1);
    for (int f = first; f <= last; ++f) {
        if (!CanPlaceAtDeal(e, card, f)) continue;
        FindCardKind(e, card, kFindRemove);
        PileAppend(e, ListId::Foundation, f, card, kFaceUp);
        if (bonus) bonus(e);
        return true;
    }
    return false;
}

}  // namespace velmora
