#include "engine/play/move_description.h"

#include "engine/model/piles.h"
#include "engine/model/pile_string.h"

namespace velmora {

MoveSpec DescribeMove(const Engine& e, int card) {
    MoveSpec move;
    move.card = card;
    move.source = LocateCard(e, card);
    move.single = true;
    if (card < 1) return move;
    for (int n = 0; n < kAllPiles; ++n) {
        const std::string& pile = *e.piles.Flat(n);
        const int at = PileIndexOf(pile, card);
        if (at >= 0) {
            move.single = at == PileCount(pile) - 1;
            break;
        }
    }
    return move;
}

}  // namespace velmora
