#include "engine/deal/deal_game.h"

#include "engine/deal/ace_search.h"
#include "engine/deal/arrangements.h"
#include "engine/deal/deal_context.h"
#include "engine/deal/deal_piles.h"
#include "engine/deal/deck_filters.h"
#include "engine/deal/foundation_start.h"
#include "engine/deal/shuffle.h"
#include "engine/deal/rule_code_deals.h"

namespace velmora {

namespace {

constexpr int kReserveAceRule = 11;
constexpr int kHeartsCourtRule = 22;

}  // namespace

bool DealGame(Engine& e, const DealRules& rules, const ScoreHook& score) {
    DealContext c{e, rules, {}};
    if (!ShuffleDeck(e, c.buffer)) c.complete = false;
    ApplyDeckFilter(e, c.buffer);

    PlaceStartingCards(c);
    PlaceSecondWasteStart(c);
    DealSpecialTableaus(c);
    DealStockAndWaste(c);
    DealOrdinaryTableaus(c);
    DealSecondWasteAndReserves(c);

    ApplyFoundationStartMode(c);
    ReplaceTableauBase91(e);
    DealExtraFoundationCard(c);
    if (e.R(47) == kReserveAceRule) ApplyReserveAceRule(c);
    RunAceSearch(c);
    if (e.R(47) == kHeartsCourtRule) ApplyHeartsCourtRule(c);
    ApplyArrangement(c);

    if (score) score(e);
    return c.complete;
}

}  // namespace velmora
