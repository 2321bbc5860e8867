#pragma once
// The deal as the player sees it: the cards fly one by one from a source
// (normally the stock) to their places, reserves first, then the tableaus
// layer by layer (or pile after pile in the games that deal so).

#include <QPoint>

#include <optional>

#include "engine/model/pile_names.h"
#include "render/draw_context.h"

namespace velmora {

struct DealSource {
    QPoint at;                   // where the cards start (window coordinates)
    std::optional<PileRef> pile;  // the pile lying there; none off the table
};

// Where the deal comes from: the stock; the waste when the stock is not on
// the table or is empty while the waste holds cards; then the first reserve
// holding at most one card, the second waste, the first foundation, the
// first tableau. Special rule code 46 deals from off the table's left.
std::optional<DealSource> ChooseDealSource(const Engine& e);

// Some tableau or reserve holds cards to deal.
bool HasCardsToDeal(const Engine& e);

// Deals every reserve and tableau card from `source`; each lands in the
// back buffer. The pile at the source is skipped and drawn last.
void AnimateDeal(const DrawContext& ctx, const DealSource& source);

}  // namespace velmora
