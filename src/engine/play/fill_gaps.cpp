// Automatic filling of empty tableaus after every move, by the game's gap
// filling mode R[22], and the waste's drop rule.

#include <algorithm>
#include <array>
#include <functional>
#include <string>

#include "engine/model/pile_string.h"
#include "engine/model/piles.h"
#include "engine/play/drop_checks.h"
#include "engine/play/execute_action.h"
#include "engine/play/move_log.h"
#include "engine/play/move_description.h"
#include "engine/play/stock.h"

namespace velmora {

namespace {

// Where a filling card comes from: the top card of a source pile, 0 when
// there is none.
using CardSource = std::function<int(const Engine&)>;
// Which pile indices a mode fills.
using PileFilter = std::function<bool(int)>;

int StockTop(const Engine& e) { return PileTop(e.piles.stock_area[kStockIndex]); }
int WasteTop(const Engine& e) { return PileTop(e.piles.stock_area[kWasteIndex]); }
int FirstReserveTop(const Engine& e) { return PileTop(e.piles.reserves[0]); }
int WasteThenStock(const Engine& e) { return WasteTop(e) > 0 ? WasteTop(e) : StockTop(e); }
int StockThenWaste(const Engine& e) { return StockTop(e) > 0 ? StockTop(e) : WasteTop(e); }

bool StockOrWasteHoldsCards(const Engine& e) {
    return !e.piles.stock_area[kStockIndex].empty() || !e.piles.stock_area[kWasteIndex].empty();
}

bool EveryReserveEmpty(const Engine& e) {
    for (int r = 0; r < ReservesInUse(e); ++r)
        if (!e.piles.reserves[static_cast<size_t>(r)].empty()) return false;
    return true;
}

bool AllPiles(int) { return true; }

// The first R[24]·R[25] piles are never filled in the modes that lock them.
PileFilter UnlockedPiles(const Engine& e) {
    const int locked = e.R(24) * e.R(25);
    return [locked](int i) { return i >= locked; };
}

bool StockCornerPile(int i) {
    constexpr std::array<int, 8> kCorners{0, 6, 7, 13, 14, 20, 21, 27};
    return std::find(kCorners.begin(), kCorners.end(), i) != kCorners.end();
}

// Each empty pile of the list that the filter lets through receives up to
// `cards_each` cards from `source`, one executor move each.
void FillEmpty(Engine& e, ListId list, const CardSource& source, const PileFilter& which, int cards_each = 1) {
    const int piles = list == ListId::Tableau ? TableauInUse(e) : ReservesInUse(e);
    const std::string prefix = list == ListId::Tableau ? "Fila" : "Appogg";
    for (int i = 0; i < piles; ++i) {
        if (!which(i) || !e.piles.Text(list, i).empty()) continue;
        for (int n = 0; n < cards_each; ++n) {
            const int card = source(e);
            if (card < 1 || !ExecuteAction(e, card, prefix + std::to_string(i + 1))) break;
        }
    }
}

void FillByMode(Engine& e, int mode) {
    const bool supply = StockOrWasteHoldsCards(e);
    switch (mode) {
        case 1:
            if (!e.piles.reserves[0].empty()) FillEmpty(e, ListId::Tableau, FirstReserveTop, AllPiles);
            break;
        case 4:
            // Once the player has built on the tableau the gaps stay open.
            if (CountAnnotations(e, LogSide::Undo, 1) > 0) break;
            [[fallthrough]];
        case 2:
        case 8:
        case 10:
            if (!supply || (mode == 10 && !EveryReserveEmpty(e))) break;
            FillEmpty(e, ListId::Tableau, WasteThenStock, UnlockedPiles(e));
            if (mode == 8) FillEmpty(e, ListId::Reserve, WasteThenStock, UnlockedPiles(e));
            break;
        case 3:
            if (supply) FillEmpty(e, ListId::Tableau, StockThenWaste, AllPiles);
            break;
        case 5: FillEmpty(e, ListId::Tableau, WasteTop, AllPiles, 3); break;
        case 6: FillEmpty(e, ListId::Tableau, WasteTop, StockCornerPile); break;
        case 7: FillEmpty(e, ListId::Tableau, StockTop, [](int i) { return i >= 10; }); break;
        case 9:
            if (supply) FillEmpty(e, ListId::Tableau, StockTop, AllPiles, 4);
            break;
        default: break;
    }
}

}  // namespace

void FillGaps(Engine& e) {
    if (e.R(39) == 1 && e.main_game.Field(field::kMoveCounter) == 0) return;
    const int before = e.undo.Steps();
    FillByMode(e, e.R(22));
    // The filling belongs to the step that caused it.
    CollapseStepsSince(e, before, false);
}

bool WasteAccepts(const Engine& e, int card) { return CanDropOnWaste(e, DescribeMove(e, card)); }

}  // namespace velmora
