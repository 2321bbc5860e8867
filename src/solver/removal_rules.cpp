#include "solver/removal_rules.h"

#include <string>
#include <vector>

#include "engine/model/peak_rows.h"
#include "engine/model/pile_string.h"
#include "engine/model/piles.h"
#include "engine/model/suit_map.h"
#include "engine/play/auto_moves_piles.h"
#include "engine/play/peaks.h"

namespace velmora::solver {

namespace {

constexpr int kPyramidCode = 4;
constexpr int kDiscardNoWrap = 2;
constexpr int kDiscardWrap = 12;
constexpr int kElevensCode = 26;
constexpr int kNothingPlaced = 4;   // tableau build code: no card is ever dropped there
constexpr int kSlotLayout = 4;      // tableau fan mode: removed cards leave empty slots
constexpr int kGridLayout = 8;      // tableau fan mode: the grid kept in one string
constexpr int kFillFromStock = 3;   // gap filling: each empty pile takes the stock's top card

const std::string& Stock(const Engine& e) { return e.piles.stock_area[kStockIndex]; }
const std::string& Waste(const Engine& e) { return e.piles.stock_area[kWasteIndex]; }

// Nothing half done: no drag, no armed redeal, no selection, no beep mode.
bool AtRest(const Engine& e) {
    if (!e.flags.Get(flag::kInProgress) || e.flags.Get(flag::kFinished) || e.flags.Get(flag::kBusy)) return false;
    if (e.flags.Get(flag::kIgnoreNextPress) || e.play.redeal_armed) return false;
    return e.main_game.Field(field::kDraggedCard) == 0 && e.piles.foundations[0].empty();
}

// One deck, no foundations or reserves, no first-move rules, no locks, no
// click-to-move, and nothing ever dropped on a tableau pile.
bool PlainRemovalRow(const Engine& e, int tableaus) {
    if (e.R(307) != 52 || e.R(303) != 0 || e.R(305) != 0 || e.R(24) != 0) return false;
    if (e.R(36) == 1 || e.R(39) == 1 || e.R(40) == 1) return false;
    if (e.R(33) == kDeckHeartsAndSpades || e.R(33) == kDeckSpadesOnly) return false;
    if (tableaus < 1 || tableaus > kMaxRemovalPiles) return false;
    for (int t = 0; t < tableaus; ++t)
        if (e.R(184 + t) != kNothingPlaced) return false;
    return true;
}

// A tableau card lies as the model keeps it: face up, or in the peaks face
// down exactly while it is covered (the model tells the faces from that).
bool FacesAsKept(const Engine& e, int tableau, int slot, int code) {
    if (e.R(47) != kPeaksRule) return !e.cards.IsFaceDown(code);
    return e.cards.IsFaceDown(code) != IsPeakCardFree(e, tableau, slot);
}

// Every card where the model keeps it: the tableau piles short enough with
// their faces as kept, the stock face down, the discard pile face up,
// nothing elsewhere.
bool CardsWhereExpected(const Engine& e, int tableaus) {
    for (int f = 0; f < kFoundationPiles; ++f)
        if (!e.piles.foundations[static_cast<size_t>(f)].empty()) return false;
    for (int r = 0; r < kReservePiles; ++r)
        if (!e.piles.reserves[static_cast<size_t>(r)].empty()) return false;
    for (int t = tableaus; t < kTableauPiles; ++t)
        if (!e.piles.tableau[static_cast<size_t>(t)].empty()) return false;
    for (int t = 0; t < tableaus; ++t) {
        const std::string& pile = e.piles.tableau[static_cast<size_t>(t)];
        if (PileCount(pile) > kMaxPileCards) return false;
        for (int i = 0; i < PileCount(pile); ++i) {
            const int code = PileCodeAt(pile, i);
            if (code > 0 && !FacesAsKept(e, t, i, code)) return false;
        }
    }
    for (int code : PileCodes(Stock(e)))
        if (code < 1 || !e.cards.IsFaceDown(code)) return false;
    for (int n : {kWasteIndex, kSecondWasteIndex})
        for (int code : PileCodes(e.piles.stock_area[static_cast<size_t>(n)]))
            if (code < 1 || e.cards.IsFaceDown(code)) return false;
    return true;
}

// The pyramid: rows of one, two, three ... slots; the stock turns one card
// to the waste and the waste is gathered back while passes are left.
bool PyramidRow(const Engine& e, RemovalRules& r) {
    if (e.R(38) != 0 || e.R(3) != kSlotLayout || e.R(7) != 0 || e.R(22) != 0) return false;
    if (e.R(9) != 1 || e.R(16) != 0 || e.R(21) != 1 || e.R(15) != 0 || e.R(6) == 0) return false;
    if (r.tableaus > kMostPyramidRows || !r.stock_placed || !r.waste_placed) return false;
    for (int t = 0; t < r.tableaus; ++t)
        if (PileCount(e.piles.tableau[static_cast<size_t>(t)]) != t + 1) return false;
    if (e.R(14) < -1 || e.R(14) > 100) return false;
    r.passes = e.R(14);
    // The waste bottom first, then the stock top first.
    r.deck_place.fill(-1);
    int place = 0;
    const std::vector<int> waste = PileCodes(Waste(e));
    const std::vector<int> stock = PileCodes(Stock(e));
    if (waste.size() + stock.size() > kMostDeckCards) return false;
    for (int code : waste) r.deck_place[static_cast<size_t>(code)] = static_cast<int8_t>(place++);
    for (auto at = stock.rbegin(); at != stock.rend(); ++at) r.deck_place[static_cast<size_t>(*at)] = static_cast<int8_t>(place++);
    r.stock_turns = true;
    return true;
}

// A stock on the table that turns its top card onto the discard pile, one
// a press, and is never gathered again.
bool StockTurnsToDiscard(const Engine& e) {
    if (e.R(9) != 0 || e.R(15) != 0 || e.R(21) != 1 || e.R(300) == 0) return false;
    for (int n : {240, 239 + e.R(304), 278, 277 + e.R(305)})
        if (e.R(n) != 0) return false;
    return true;
}

// The discard games: top cards go to the discard pile.
bool DiscardRow(const Engine& e, RemovalRules& r) {
    if (e.R(38) != 0 || e.R(22) != 0 || e.R(3) == kSlotLayout || e.R(3) == kGridLayout) return false;
    if (!Waste(e).empty()) return false;
    r.wrap = e.R(47) == kDiscardWrap;
    if (!r.stock_placed) return true;
    // Only the no-wrap game ends itself when a stock press wins it.
    if (r.wrap || !StockTurnsToDiscard(e)) return false;
    r.stock_turns = true;
    return true;
}

// The peaks: rows of slots, each but the last covered by the next, whose
// free cards go to the discard pile, King and Ace neighbours. A stock press
// never wins, so any stock that turns onto the discard pile will do.
bool PeaksRow(const Engine& e, RemovalRules& r) {
    if (e.R(38) != 0 || e.R(22) != 0 || e.R(3) != kSlotLayout || !Waste(e).empty()) return false;
    int slots = 0;
    for (int t = 0; t < r.tableaus; ++t) {
        const int count = PileCount(e.piles.tableau[static_cast<size_t>(t)]);
        slots += count;
        // Every covering slot must be in the next row.
        const int covering = count > 0 ? FirstCoveringSlot(t, count - 1, r.tableaus) : -1;
        if (covering >= 0 && covering + 1 >= PileCount(e.piles.tableau[static_cast<size_t>(t + 1)])) return false;
    }
    if (slots > kMostPeakSlots) return false;
    r.wrap = true;
    if (!r.stock_placed) return true;
    if (!StockTurnsToDiscard(e)) return false;
    r.stock_turns = true;
    return true;
}

// The grid: cells of one card each, the gaps filled from the stock.
bool ElevensRow(const Engine& e, const RemovalRules& r) {
    if (e.R(38) == 0 || e.R(22) != kFillFromStock || e.R(3) == kSlotLayout || e.R(3) == kGridLayout) return false;
    if (!Waste(e).empty()) return false;
    for (int t = 0; t < r.tableaus; ++t)
        if (PileCount(e.piles.tableau[static_cast<size_t>(t)]) > 1) return false;
    return true;
}

}  // namespace

std::optional<RemovalRules> CompileRemovalRules(const Engine& e) {
    RemovalRules r;
    r.tableaus = TableauInUse(e);
    if (!AtRest(e) || !PlainRemovalRow(e, r.tableaus) || !CardsWhereExpected(e, r.tableaus)) return std::nullopt;
    r.stock_placed = InLayout(e, ListId::Stock, kStockIndex);
    r.waste_placed = InLayout(e, ListId::Stock, kWasteIndex);
    r.discard_placed = InLayout(e, ListId::Stock, kSecondWasteIndex);
    r.stock_face_down = e.R(6) != 0;
    bool plays = false;
    switch (e.R(47)) {
        case kPyramidCode:
            r.kind = RemovalKind::Pyramid;
            plays = PyramidRow(e, r);
            break;
        case kDiscardNoWrap:
        case kDiscardWrap:
            r.kind = RemovalKind::Discard;
            plays = DiscardRow(e, r);
            break;
        case kPeaksRule:
            r.kind = RemovalKind::Peaks;
            plays = PeaksRow(e, r);
            break;
        case kElevensCode:
            r.kind = RemovalKind::Elevens;
            plays = ElevensRow(e, r);
            break;
        default: break;
    }
    if (!plays) return std::nullopt;
    return r;
}

}  // namespace velmora::solver
