// Dealing stock cards to the tableaus and reserves by their receive modes,
// refilling empty tableaus and closing up the layout of the games that
// pack their piles.

#include "engine/model/pile_names.h"
#include "engine/model/pile_string.h"
#include "engine/model/piles.h"
#include "engine/play/move_log.h"
#include "engine/play/selection_pile.h"
#include "engine/play/stock_actions.h"
#include "engine/play/win_condition.h"

namespace velmora {

namespace {

constexpr int kStockArea = static_cast<int>(ListId::Stock);
constexpr int kFaceDownReserveMode = 5;   // reserve receive mode: dealt face down
constexpr int kFaceDownTableauMode = 6;   // tableau receive mode under "Add_Tableaus"
constexpr int kSkipEmptyMode = 7;         // empty piles receive nothing
constexpr int kGridLayout = 8;            // R[3]: the grid kept in the first tableau

// The piles a deal keyword addresses: first .. last - 1 of one list.
struct DealRange {
    ListId list = ListId::Tableau;
    int first = 0;
    int last = 0;
};

// One pile by its 1-based number, when the game uses it.
DealRange SinglePile(ListId list, int number, int in_use) {
    if (number < 1 || number > in_use) return {list, 0, 0};
    return {list, number - 1, number};
}

DealRange RangeOf(const Engine& e, std::string_view k) {
    if (k == "Add_Tableaus" || k == "Fill_Tableaus" || k == "Add_Tableaus_Last")
        return {ListId::Tableau, 0, TableauInUse(e)};
    if (k == "Add_Reserves") return {ListId::Reserve, 0, ReservesInUse(e)};
    if (k.starts_with("Add_Tableau_"))
        return SinglePile(ListId::Tableau, NumberAtColumns(k, 13), TableauInUse(e));
    // "Add_Reserve_" + one digit, read from column 13.
    const int digit = k.size() >= 13 && k[12] >= '0' && k[12] <= '9' ? k[12] - '0' : -1;
    return SinglePile(ListId::Reserve, digit, ReservesInUse(e));
}

int ReceiveMode(const Engine& e, std::string_view k, ListId list, int index) {
    if (k == "Add_Tableaus_Last") return 1;
    if (k == "Fill_Tableaus") return e.piles.tableau[static_cast<size_t>(index)].empty() ? 1 : 0;
    return list == ListId::Tableau ? e.R(240 + index) : e.R(278 + index);
}

// Reserve deals of the games whose first reserve deals face down stop once
// the passes are used up.
bool ReservePassesUsedUp(const Engine& e) {
    const int passes = e.R(14);
    return e.R(278) == kFaceDownReserveMode && passes != -1 &&
           e.main_game.Field(field::kPassCounter) >= passes;
}

void DealCard(Engine& e, StepGuard& step, ListId list, int index, char face) {
    step.BeforeChange();
    const int card = TakeTopCard(e.piles.stock_area[kStockIndex]);
    PileAppend(e, list, index, card, face);
    if (e.R(3) == kGridLayout) e.piles.tableau[0] += "000";
    e.view->AnimateCard(card, kStockArea, kStockIndex, static_cast<int>(list), index);
    e.sounds->PlayEvent("Shuffle");
}

// Every empty tableau in order takes the stock's top card while it lasts.
void FillEmptyFromStock(Engine& e, StepGuard& step) {
    for (int t = 0; t < TableauInUse(e); ++t) {
        if (e.piles.stock_area[kStockIndex].empty()) return;
        if (e.piles.tableau[static_cast<size_t>(t)].empty()) DealCard(e, step, ListId::Tableau, t, kFaceUp);
    }
}

// An empty tableau lies before one that holds cards.
bool HasGap(const Engine& e) {
    bool later_holds_cards = false;
    for (int t = TableauInUse(e) - 1; t >= 0; --t) {
        const bool empty = e.piles.tableau[static_cast<size_t>(t)].empty();
        if (empty && later_holds_cards) return true;
        later_holds_cards = later_holds_cards || !empty;
    }
    return false;
}

// The next tableau after `t` that holds cards, or -1.
int NextHoldingCards(const Engine& e, int t) {
    for (int u = t + 1; u < TableauInUse(e); ++u)
        if (!e.piles.tableau[static_cast<size_t>(u)].empty()) return u;
    return -1;
}

}  // namespace

bool AnyEmptyTableau(const Engine& e) {
    for (int t = 0; t < TableauInUse(e); ++t)
        if (e.piles.tableau[static_cast<size_t>(t)].empty()) return true;
    return false;
}

bool IsDealKeyword(std::string_view k) {
    return k == "Add_Tableaus" || k == "Add_Tableaus_Last" || k == "Fill_Tableaus" || k == "Add_Reserves" ||
           k.starts_with("Add_Tableau_") || k.starts_with("Add_Reserve_");
}

bool DealFromStock(Engine& e, std::string_view k) {
    const std::string& stock = e.piles.stock_area[kStockIndex];
    if (stock.empty() || !IsDealKeyword(k)) return false;
    const DealRange range = RangeOf(e, k);
    if (range.list == ListId::Reserve && ReservePassesUsedUp(e)) return false;
    e.flags.Set(flag::kStockDealDone, false);
    // The one-time fill belongs to the step that caused it.
    StepGuard step(e, k != "Fill_Tableaus");
    for (int i = range.first; i < range.last; ++i) {
        const int mode = ReceiveMode(e, k, range.list, i);
        if (mode < 1 || mode > 8) continue;
        if (stock.empty()) break;
        if (mode == kSkipEmptyMode && e.piles.Text(range.list, i).empty()) continue;
        const bool face_down = (range.list == ListId::Reserve && mode == kFaceDownReserveMode) ||
                               (k == "Add_Tableaus" && mode == kFaceDownTableauMode);
        DealCard(e, step, range.list, i, face_down ? kFaceDown : kFaceUp);
    }
    e.flags.Set(flag::kFinished, IsGameWon(e));
    e.flags.Set(flag::kStockDealDone, true);
    return step.Changed();
}

bool RefillEmptyTableaus(Engine& e) {
    StepGuard step(e);
    FillEmptyFromStock(e, step);
    return step.Changed();
}

bool CloseUpTableaus(Engine& e) {
    if (!AnyEmptyTableau(e) || (e.piles.stock_area[kStockIndex].empty() && !HasGap(e))) return false;
    StepGuard step(e);
    step.BeforeChange();
    if (KeepsSelection(e)) ClearSelection(e);
    auto& tableau = e.piles.tableau;
    for (int t = 0; t < TableauInUse(e); ++t) {
        if (!tableau[static_cast<size_t>(t)].empty()) continue;
        const int u = NextHoldingCards(e, t);
        if (u < 0) break;
        tableau[static_cast<size_t>(t)].swap(tableau[static_cast<size_t>(u)]);
        if (e.params.IsYes(177)) e.sounds->PlayEvent("Shuffle");
        e.view->RepaintPile(static_cast<int>(ListId::Tableau), t);
        e.view->RepaintPile(static_cast<int>(ListId::Tableau), u);
    }
    FillEmptyFromStock(e, step);
    return true;
}

}  // namespace velmora
