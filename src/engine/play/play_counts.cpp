#include "engine/play/play_counts.h"

#include <algorithm>

#include "engine/model/engine.h"
#include "engine/model/pile_string.h"

namespace velmora {

namespace {

constexpr int kUnlimitedPasses = -1;  // R[14]

// The stock turns to a waste or counts passes, so that going through it
// again means something.
bool StockGoesRound(const Engine& e) { return e.R(9) == 1 || e.R(15) > 0; }

}  // namespace

int MovesMade(const Engine& e) { return std::max(0, e.undo.Steps() - e.play.deal_steps); }

std::optional<int> StockCards(const Engine& e) {
    if (!IsPlacedY(e.main_game.StockAreaY(kStockIndex))) return std::nullopt;
    return PileCount(e.piles.stock_area[kStockIndex]);
}

std::optional<int> RedealsLeft(const Engine& e) {
    const int passes = e.R(14);
    // The pass counter starts at 1, so a game of n passes has n - 1 redeals.
    if (!StockGoesRound(e) || passes == kUnlimitedPasses || passes < 2) return std::nullopt;
    return std::max(0, passes - e.main_game.Field(field::kPassCounter));
}

}  // namespace velmora
