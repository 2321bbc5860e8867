// Turning stock cards to the waste or the second waste, the pass
// accounting of the redeal games and the gathering of the waste back into
// the stock.

#include <algorithm>

#include "engine/model/pile_string.h"
#include "engine/model/piles.h"
#include "engine/play/move_log.h"
#include "engine/play/selection_pile.h"
#include "engine/play/stock_actions.h"
#include "engine/play/win_condition.h"

namespace velmora {

namespace {

constexpr int kUnlimitedPasses = -1;
constexpr int kEveryPressCounts = 6;  // R[15]: each stock press counts a pass
constexpr int kPyramidGame = 4;       // R[47]: the stock card can be selected
constexpr int kCountedTurnsGame = 28; // R[47]: every turn is counted and marked
constexpr int kStockArea = static_cast<int>(ListId::Stock);

int Passes(const Engine& e) { return e.main_game.Field(field::kPassCounter); }
void CountPass(Engine& e) { e.main_game.SetField(field::kPassCounter, Passes(e) + 1); }

bool PassLeft(const Engine& e) { return e.R(14) == kUnlimitedPasses || Passes(e) < e.R(14); }

void ArmRedeal(Engine& e) {
    e.play.redeal_armed = true;
    // The stock shows its pressed marker.
    e.view->RepaintPile(kStockArea, kStockIndex);
}

// The waste goes back into the stock card by card from its top, so the
// waste's first card ends on top and the next turns repeat the old order.
void GatherWaste(Engine& e, StepGuard& step) {
    std::string& stock = e.piles.stock_area[kStockIndex];
    std::string& waste = e.piles.stock_area[kWasteIndex];
    step.BeforeChange();
    CountPass(e);
    const char face = e.R(6) != 0 ? kFaceDown : kFaceUp;
    const bool animated = e.params.ParamRead(242, 1) != "N";
    e.sounds->PlayEvent(animated ? "Redeal" : "Red_no_a");
    while (!waste.empty()) {
        const int card = TakeTopCard(waste);
        PileAppend(e, ListId::Stock, kStockIndex, card, face);
        if (animated) e.view->AnimateCard(card, kStockArea, kWasteIndex, kStockArea, kStockIndex);
    }
    // The card now at the bottom of the stock cannot stay selected.
    const int bottom = PileCodeAt(stock, 0);
    if (e.R(47) == kPyramidGame && IsSelected(e, bottom)) {
        PileFindIn(e.piles.foundations[0], bottom, kFindRemove);
        e.view->HighlightCard(bottom, false);
    }
    e.view->RepaintPile(kStockArea, kStockIndex);
    e.view->RepaintPile(kStockArea, kWasteIndex);
}

void TurnCards(Engine& e, StepGuard& step, int target) {
    std::string& stock = e.piles.stock_area[kStockIndex];
    int turned = 0;
    for (; turned < e.R(21) && !stock.empty(); ++turned) {
        step.BeforeChange();
        const int card = TakeTopCard(stock);
        PileAppend(e, ListId::Stock, target, card, kFaceUp);
        e.view->AnimateCard(card, kStockArea, kStockIndex, kStockArea, target);
        e.sounds->PlayEvent("Stock");
        e.flags.Set(flag::kFinished, IsGameWon(e));
    }
    if (e.R(47) == kCountedTurnsGame && turned > 0) {
        ++e.deal_counter;
        AnnotateStep(e, "002");
    }
}

}  // namespace

int TakeTopCard(std::string& pile) {
    const int card = PileTop(pile);
    pile.resize(pile.size() - std::min<size_t>(pile.size(), 3));
    return card;
}

bool TurnStockCards(Engine& e, std::string_view keyword) {
    const bool to_waste = keyword == "Mazzo_Vis";
    const std::string& stock = e.piles.stock_area[kStockIndex];
    StepGuard step(e);
    bool pass_counted = false;
    if (e.R(15) > 0 && PassLeft(e)) {
        // The redeal games: a press on the empty stock arms the redeal and
        // its release counts the pass.
        if (stock.empty() || e.R(15) == kEveryPressCounts) {
            if (e.play.redeal_armed) {
                CountPass(e);
                pass_counted = true;
                if (e.R(15) == kTableauRedeal) RedealTableaus(e, step);
            } else {
                ArmRedeal(e);
            }
        }
    } else if (to_waste && stock.empty() && PileCount(e.piles.stock_area[kWasteIndex]) >= 2 && PassLeft(e)) {
        if (!e.play.redeal_armed) {
            ArmRedeal(e);
            return false;
        }
        GatherWaste(e, step);
    }
    if (!stock.empty() && !pass_counted) TurnCards(e, step, to_waste ? kWasteIndex : kSecondWasteIndex);
    return step.Changed() || pass_counted;
}

}  // namespace velmora
