#include "engine/play/unseen_cards.h"

#include "engine/model/card_code.h"
#include "engine/model/card_table.h"
#include "engine/model/suit_map.h"
#include "engine/play/card_census.h"

namespace velmora {

int UnseenCards::RankTotal(int rank) const {
    int total = 0;
    for (int suit = 0; suit < kSuits; ++suit) total += At(rank, suit);
    return total;
}

int UnseenCards::SuitTotal(int suit) const {
    int total = 0;
    for (int rank = 1; rank <= kRanks; ++rank) total += At(rank, suit);
    return total;
}

int UnseenCards::Total() const {
    int total = jokers;
    for (int suit = 0; suit < kSuits; ++suit) total += SuitTotal(suit);
    return total;
}

UnseenCards CountUnseenCards(const Engine& e) {
    UnseenCards unseen;
    // The census finds every card once, even where a selection game's
    // selection names cards that also lie on their piles.
    for (const auto& [code, pile] : TakeCensus(e).piles) {
        if (code == kNoCard || !e.cards.IsFaceDown(code)) continue;
        if (CardIsJoker(code)) {
            ++unseen.jokers;
            continue;
        }
        const int rank = CardRank(code);
        const int suit = ShownSuit(e, code);
        if (rank < 1 || rank > UnseenCards::kRanks || suit < 0 || suit >= UnseenCards::kSuits) continue;
        ++unseen.count[static_cast<size_t>(rank - 1)][static_cast<size_t>(suit)];
    }
    return unseen;
}

}  // namespace velmora
