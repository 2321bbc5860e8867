#pragma once
// Placing cards on the foundations while a game is dealt: the move rules
// apply as at deal time (an empty foundation's top is 0, the drop flag is
// clear, the base rank is the first foundation's).

#include <functional>

#include "engine/deal/deal_rules.h"
#include "engine/model/engine.h"

namespace velmora {

// Whether `card` may go onto foundation i at deal time. No capacity limit.
bool CanPlaceAtDeal(const Engine& e, int card, int i);

// Called once per card placed, for the foundation card's score.
using FoundationBonus = std::function<void(Engine&)>;

// Tries foundations first .. last (a negative bound: all the game uses) and
// moves the card, face up, to the first that accepts it. Returns false when
// none does; the card then stays where it was.
bool PlaceOnFirstFoundation(Engine& e, int card, int first, int last, const FoundationBonus& bonus = {});

// The deal's view of the move rules.
class PlayDealRules final : public DealRules {
public:
    bool CanPlaceOnFoundation(const Engine& e, int card, int foundation) const override {
        return CanPlaceAtDeal(e, card, foundation);
    }
};

}  // namespace velmora
