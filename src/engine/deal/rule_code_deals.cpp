#include "engine/deal/rule_code_deals.h"

#include "engine/model/card_code.h"
#include "engine/model/card_table.h"
#include "engine/model/pile_string.h"
#include "engine/model/piles.h"

namespace velmora {

namespace {

constexpr int kQueenOfHearts = 12;
constexpr int kKingOfHearts = 13;

int FirstAce(const std::string& pile) {
    for (int i = 0; i < PileCount(pile); ++i)
        if (CardRank(PileCodeAt(pile, i)) == 1) return i;
    return -1;
}

// Moves the aces of reserve 1 onto foundations 2, 3 ... (face up; a card
// already on such a foundation stays under the ace). Returns their number.
int AcesToFoundations(Engine& e) {
    std::string& reserve = e.piles.reserves[0];
    int moved = 0;
    for (int at = FirstAce(reserve); at >= 0 && moved + 1 < kFoundationPiles; at = FirstAce(reserve)) {
        MoveToFoundation(e, reserve, at, moved + 1);
        ++moved;
    }
    return moved;
}

}  // namespace

void ApplyReserveAceRule(DealContext& c) {
    Engine& e = c.e;
    int refills = AcesToFoundations(e);
    std::string& waste = e.piles.stock_area[kWasteIndex];
    bool ace_placed = false;
    // A card leaving the waste lets the next one slide into its position,
    // which the scan then passes over.
    for (int at = 0; at < PileCount(waste) && !(ace_placed && refills == 0); ++at) {
        const int code = PileCodeAt(waste, at);
        if (CardRank(code) == 1) {
            MoveToFoundation(e, waste, at, 0);
            ace_placed = true;
        } else if (refills > 0) {
            PileAppend(e, ListId::Reserve, 0, TakeUnit(waste, at));
            e.cards.SetPileFaceStates(e.piles.reserves[0], PileCount(e.piles.reserves[0]), kFaceUp);
            --refills;
        }
    }
}

void ApplyHeartsCourtRule(DealContext& c) {
    Engine& e = c.e;
    // Only cards that were dealt move; one left in the buffer stays there.
    if (FindCardKind(e, kKingOfHearts, kFindRemove) != kKindNotFound)
        e.piles.stock_area[kStockIndex].insert(0, CardCodeText(kKingOfHearts));
    if (FindCardKind(e, kQueenOfHearts, kFindRemove) != kKindNotFound)
        PileAppend(e, ListId::Tableau, 0, kQueenOfHearts, kFaceUp);
}

}  // namespace velmora
