#pragma once
// What the deal needs from the play engine, as seams the deal owns: whether
// the move rules let a card onto a foundation (the ace search, arrangements
// 2, 4 and 7), and the score of the new position.

#include <functional>

#include "engine/model/engine.h"

namespace velmora {

class DealRules {
public:
    virtual ~DealRules() = default;
    // True when the move rules, applied as at deal time, let `card` go onto
    // foundation `foundation` (0-based) in the current position. The card
    // still lies on its pile when this is asked.
    virtual bool CanPlaceOnFoundation(const Engine& e, int card, int foundation) const = 0;
};

// Refuses every placement: the deal then moves nothing to the foundations.
class RefusingDealRules final : public DealRules {
public:
    bool CanPlaceOnFoundation(const Engine&, int, int) const override { return false; }
};

const DealRules& RefusingRules();

// Computes the score of the new deal; an empty hook leaves the stored score
// as it is.
using ScoreHook = std::function<void(Engine&)>;

}  // namespace velmora
