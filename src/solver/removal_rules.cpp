#include "solver/removal_rules.h"

#include <algorithm>
#include <string>
#include <vector>

#include "engine/model/peak_rows.h"
#include "engine/model/pile_string.h"
#include "engine/model/piles.h"
#include "engine/model/suit_map.h"
#include "engine/play/auto_moves_piles.h"
#include "engine/play/move_log.h"
#include "engine/play/peaks.h"

namespace velmora::solver {

namespace {

constexpr int kPyramidCode = 4;
constexpr int kDiscardNoWrap = 2;
constexpr int kDiscardWrap = 12;
constexpr int kElevensCode = 26;
constexpr int kNumbersOrFoursCode = 1;  // number cards to R[38], or four of a rank from Ten up
constexpr int kTouchingCode = 50;
constexpr int kLoneAcesCode = 31;       // won with the stock empty and an Ace alone on every pile
constexpr int kOutrankedInSuit = 99;    // foundation build code: the discard of outranked top cards
constexpr int kNothingPlaced = 4;   // tableau build code: no card is ever dropped there
constexpr int kOntoEmptyOnly = 6;   // tableau build code: a card only onto an empty pile
constexpr int kAnyCard = -1;        // empty pile rule: any card
constexpr int kUnlimited = -1;      // tableau capacity
constexpr int kSlotLayout = 4;      // tableau fan mode: removed cards leave empty slots
constexpr int kGridLayout = 8;      // tableau fan mode: the grid kept in one string
constexpr int kLooseGrid = 9;       // tableau fan mode: no drops onto the tableau
constexpr int kFillFromStock = 3;   // gap filling: each empty pile takes the stock's top card
constexpr int kDealAlways = 1;      // tableau receive mode: a card at every stock deal
constexpr int kTensSum = 10;

const std::string& Stock(const Engine& e) { return e.piles.stock_area[kStockIndex]; }
const std::string& Waste(const Engine& e) { return e.piles.stock_area[kWasteIndex]; }

// Nothing half done: no drag, no armed redeal, no selection, no beep mode.
bool AtRest(const Engine& e) {
    if (!e.flags.Get(flag::kInProgress) || e.flags.Get(flag::kFinished) || e.flags.Get(flag::kBusy)) return false;
    if (e.flags.Get(flag::kIgnoreNextPress) || e.play.redeal_armed) return false;
    if (KeepsSelection(e) && !e.piles.foundations[0].empty()) return false;
    return e.main_game.Field(field::kDraggedCard) == 0;
}

// One deck, no reserves, no first-move rules, no locks, no click-to-move.
bool PlainRemovalRow(const Engine& e, int tableaus) {
    if (e.R(307) != 52 || e.R(305) != 0 || e.R(24) != 0) return false;
    if (e.R(36) == 1 || e.R(39) == 1 || e.R(40) == 1) return false;
    if (e.R(33) == kDeckHeartsAndSpades || e.R(33) == kDeckSpadesOnly) return false;
    return tableaus >= 1 && tableaus <= kMaxRemovalPiles;
}

// No foundations, and nothing ever dropped on a tableau pile.
bool NothingDropped(const Engine& e, int tableaus) {
    if (e.R(303) != 0) return false;
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
// nothing elsewhere. Where the discard is foundation 1 it holds face-up
// cards and the second waste none.
bool CardsWhereExpected(const Engine& e, int tableaus, bool discard_on_foundation) {
    for (int f = discard_on_foundation ? 1 : 0; f < kFoundationPiles; ++f)
        if (!e.piles.foundations[static_cast<size_t>(f)].empty()) return false;
    if (discard_on_foundation) {
        if (!e.piles.stock_area[kSecondWasteIndex].empty()) return false;
        for (int code : PileCodes(e.piles.foundations[0]))
            if (code < 1 || e.cards.IsFaceDown(code)) return false;
    }
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

// Cells of one card each, kept apart (not in one string) and face up.
bool SeparateCells(const Engine& e, const RemovalRules& r) {
    if (e.R(38) == 0 || e.R(3) == kSlotLayout || e.R(3) == kGridLayout || !Waste(e).empty()) return false;
    for (int t = 0; t < r.tableaus; ++t)
        if (PileCount(e.piles.tableau[static_cast<size_t>(t)]) > 1) return false;
    return true;
}

// The cells, their gaps filled from the stock: number cards up to 10
// adding to 11 or a Jack, a Queen and a King; or number cards up to 9
// adding to 10, or four of a rank from Ten up (other targets let any
// number of cards add up, which the model does not play).
bool CellsRow(const Engine& e, RemovalRules& r) {
    if (e.R(22) != kFillFromStock || !SeparateCells(e, r)) return false;
    if (e.R(47) == kElevensCode) {
        r.highest_number = 10;
        r.pair_sum = 11;
        return true;
    }
    if (e.R(38) != kTensSum) return false;
    r.highest_number = 9;
    r.pair_sum = kTensSum;
    r.four_of_a_rank = true;
    return true;
}

// The grid of R[27] columns whose touching pairs go; the stock, when it is
// on the table, closes the gaps up and refills them, nothing else does.
bool TouchingRow(const Engine& e, RemovalRules& r) {
    if (e.R(22) != 0 || e.R(27) < 1 || !SeparateCells(e, r)) return false;
    r.columns = e.R(27);
    return true;
}

// The outranked piles: foundation 1 is the discard of code 99, taking only
// tableau top cards up to its capacity; every pile takes any top card while
// empty and nothing else, and receives a card at every stock press; top
// cards move alone, by drags only, with no autoplay and no score target.
bool OutrankedRow(const Engine& e, RemovalRules& r) {
    if (e.R(38) != 0 || e.R(303) != 1 || e.R(80) != kOutrankedInSuit || e.R(17) != 0 || e.R(34) != 0) return false;
    if (e.R(12) != 1 || e.R(46) != 0 || e.play.autoplay_enabled || e.R(22) != 0) return false;
    if (e.R(3) == kSlotLayout || e.R(3) == kGridLayout || e.R(3) == kLooseGrid) return false;
    if (e.R(32) != kUnlimited && e.R(32) < 1) return false;
    for (int t = 0; t < r.tableaus; ++t)
        if (e.R(184 + t) != kOntoEmptyOnly || e.R(128 + t) != kAnyCard || e.R(240 + t) != kDealAlways) return false;
    // A stock press deals onto the piles, one card each.
    if (e.R(9) != 0 || e.R(15) != 0 || e.R(278) != 0 || !Waste(e).empty()) return false;
    // A pile gains cards only from the deals, or one card while empty.
    const int deals = (PileCount(Stock(e)) + r.tableaus - 1) / r.tableaus;
    for (int t = 0; t < r.tableaus; ++t)
        if (std::max(PileCount(e.piles.tableau[static_cast<size_t>(t)]), 1) + deals > kMaxPileCards) return false;
    r.discard_capacity = e.R(31);
    r.discard_on_foundation = true;
    return true;
}

// The special rule codes the model plays, each with its kind and the check
// of the rest of its row.
struct KindRow {
    int code;
    RemovalKind kind;
    bool (*plays)(const Engine&, RemovalRules&);
};
constexpr KindRow kKindRows[] = {
    {kPyramidCode, RemovalKind::Pyramid, PyramidRow},       {kDiscardNoWrap, RemovalKind::Discard, DiscardRow},
    {kDiscardWrap, RemovalKind::Discard, DiscardRow},       {kPeaksRule, RemovalKind::Peaks, PeaksRow},
    {kElevensCode, RemovalKind::Cells, CellsRow},           {kNumbersOrFoursCode, RemovalKind::Cells, CellsRow},
    {kTouchingCode, RemovalKind::Touching, TouchingRow},    {kLoneAcesCode, RemovalKind::Outranked, OutrankedRow},
};

}  // namespace

std::optional<RemovalRules> CompileRemovalRules(const Engine& e) {
    RemovalRules r;
    r.tableaus = TableauInUse(e);
    const bool outranked = e.R(47) == kLoneAcesCode;
    if (!AtRest(e) || !PlainRemovalRow(e, r.tableaus) || !CardsWhereExpected(e, r.tableaus, outranked)) return std::nullopt;
    if (!outranked && !NothingDropped(e, r.tableaus)) return std::nullopt;
    r.stock_placed = InLayout(e, ListId::Stock, kStockIndex);
    r.waste_placed = InLayout(e, ListId::Stock, kWasteIndex);
    r.discard_placed = InLayout(e, ListId::Stock, kSecondWasteIndex);
    r.stock_face_down = e.R(6) != 0;
    for (const KindRow& row : kKindRows) {
        if (e.R(47) != row.code) continue;
        r.kind = row.kind;
        if (!row.plays(e, r)) return std::nullopt;
        return r;
    }
    return std::nullopt;
}

}  // namespace velmora::solver
