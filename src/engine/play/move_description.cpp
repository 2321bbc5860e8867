#include "engine/play/move_description.h"

#include "engine/model/piles.h"
#include "engine/model/pile_string.h"
#include "engine/play/pickup_rules.h"

namespace velmora {

MoveSpec DescribeMove(const Engine& e, int card) {
    MoveSpec move;
    move.card = card;
    move.single = true;
    if (card < 1) {
        move.source = LocateCard(e, card);
        return move;
    }
    // One pass over the piles in snapshot order gives both answers: the
    // first pile holding the card says whether it is on top, the first
    // one LocateCard searches gives the locator.
    move.source = kLocNowhere;
    bool described = false;
    bool located = false;
    for (int n = 0; n < kAllPiles && !(described && located); ++n) {
        const std::string& pile = *e.piles.Flat(n);
        const int at = PileIndexOf(pile, card);
        if (at < 0) continue;
        if (!described) move.single = at == PileCount(pile) - 1;
        described = true;
        if (!located) move.source = LocatorOfPile(e, n);
        located = move.source != kLocNowhere;
    }
    // A loose reserve card goes alone wherever it lies in its pile.
    if (LocatorIsReserve(move.source) && LeavesAlone(e, {ListId::Reserve, ReserveOfLocator(move.source)}))
        move.single = true;
    return move;
}

}  // namespace velmora
