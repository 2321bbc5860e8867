// What a press on the stock does, chosen by the game's rules entries.

#include <string>

#include "engine/model/pile_string.h"
#include "engine/model/piles.h"
#include "engine/play/end_game.h"
#include "engine/play/execute_action.h"
#include "engine/play/move_log.h"
#include "engine/play/selection.h"
#include "engine/play/stock.h"
#include "engine/play/stock_actions.h"
#include "text/fixed_text.h"

namespace velmora {

namespace {

constexpr int kPyramidGame = 4;       // R[47]: the stock card can join the selection
constexpr int kEveryPressCounts = 6;  // R[15]
constexpr int kDealAlways = 1;        // tableau / reserve deal modes of the first and last pile
constexpr int kDealWithoutGaps = 2;
constexpr int kDealByEights = 3;
constexpr int kDealAlternating = 4;
constexpr int kDealFourEach = 8;
constexpr int kReserveFaceDown = 5;   // R[278]: a tableau deal also deals the reserves

const std::string& Stock(const Engine& e) { return e.piles.stock_area[kStockIndex]; }

bool Run(Engine& e, std::string_view keyword) { return ExecuteAction(e, 0, keyword); }

bool DealToTableaus(Engine& e) {
    const int before = e.undo.Steps();
    bool done = Run(e, "Add_Tableaus");
    if (e.R(278) == kReserveFaceDown) done = Run(e, "Add_Reserves") || done;
    CollapseStepsSince(e, before, true);
    return done;
}

bool DealWithoutGaps(Engine& e) {
    if (Stock(e).empty()) return false;
    if (AnyEmptyTableau(e)) {
        e.messages->ShowInfo("Fill in any gaps in the tableau before dealing.");
        return false;
    }
    return Run(e, "Add_Tableaus");
}

// The last eight cards go one to each tableau; before that the reserves get
// two rounds, as one step.
bool DealByEights(Engine& e) {
    if (PileCount(Stock(e)) == 8) return Run(e, "Add_Tableaus_Last");
    const int before = e.undo.Steps();
    bool done = Run(e, "Add_Reserves");
    done = Run(e, "Add_Reserves") || done;
    CollapseStepsSince(e, before, true);
    return done;
}

// Odd presses deal to the first reserve, even ones to the second, up to
// three cards, as one step marked "002".
bool DealAlternating(Engine& e) {
    if (Stock(e).empty()) return false;
    ++e.deal_counter;
    const std::string keyword = e.deal_counter % 2 != 0 ? "Add_Reserve_1" : "Add_Reserve_2";
    int deals = 0;
    for (int n = 0; n < 3 && !Stock(e).empty() && Run(e, keyword); ++n) ++deals;
    if (deals >= 2) MergeLastSteps(e, deals - 1);
    if (deals >= 1) AnnotateStep(e, "002");
    return deals > 0;
}

// Four cards to each tableau in turn, as one step.
bool DealFourEach(Engine& e) {
    const int before = e.undo.Steps();
    bool done = false;
    for (int t = 1; t <= TableauInUse(e); ++t) {
        const std::string keyword = "Add_Tableau_" + ZeroPad(t, 2);
        for (int n = 0; n < 4 && !Stock(e).empty(); ++n) done = Run(e, keyword) || done;
    }
    CollapseStepsSince(e, before, true);
    return done;
}

// The deals chosen by the deal modes of the first and last tableau (T1, TL)
// and reserve (Q1, QL); the first line that matches applies.
bool DealByModes(Engine& e) {
    const int t1 = e.R(240), tl = e.R(239 + e.R(304));
    const int q1 = e.R(278), ql = e.R(277 + e.R(305));
    if (e.R(15) == kEveryPressCounts) return Run(e, "Mazzo_Redeal");
    if (t1 == kDealAlways || tl == kDealAlways) return DealToTableaus(e);
    if (t1 == kDealWithoutGaps || tl == kDealWithoutGaps) return DealWithoutGaps(e);
    if (q1 == kDealAlways || ql == kDealAlways) return Run(e, "Add_Reserves");
    if (q1 == kDealByEights) return DealByEights(e);
    if (q1 == kDealAlternating) return DealAlternating(e);
    if (t1 == kDealFourEach) return DealFourEach(e);
    if (e.R(300) != 0) return Run(e, "Mazzo_Waste");
    return false;
}

bool StockAction(Engine& e) {
    if (e.R(9) == 1) {
        const bool waste_empty = e.piles.stock_area[kWasteIndex].empty();
        return (e.R(16) != 1 || waste_empty) && Run(e, "Mazzo_Vis");
    }
    if (e.R(15) > 0 && Stock(e).empty()) return Run(e, "Mazzo_Redeal");
    return DealByModes(e);
}

}  // namespace

bool PressStock(Engine& e) {
    if (e.R(38) != 0) return PressStockInPairingGame(e);
    const int top = PileTop(Stock(e));
    if (e.R(47) == kPyramidGame && top > 0 && !e.piles.foundations[0].empty())
        return SelectForSum(e, top, "Mazzo");
    const bool done = StockAction(e);
    const int special = e.R(47);
    if ((special == 2 || special == 15) && e.flags.Get(flag::kFinished)) EndGame(e);
    return done;
}

bool ReleaseStock(Engine& e) {
    if (!e.play.redeal_armed) return false;
    const bool done = Run(e, "Mazzo_Vis");
    e.play.redeal_armed = false;
    return done;
}

}  // namespace velmora
