#include "solver/compiled_rules.h"

#include <algorithm>
#include <string>

#include "engine/model/pile_string.h"
#include "engine/model/piles.h"
#include "engine/model/suit_map.h"
#include "engine/play/auto_moves_piles.h"
#include "engine/play/move_log.h"
#include "engine/play/pickup_rules.h"
#include "engine/play/stock_actions.h"
#include "engine/play/suit_runs.h"
#include "solver/compiled_position.h"

namespace velmora::solver {

namespace {

constexpr int kAutoFaceUpSetting = 239;
constexpr int kDoubleClickHome = 249;
constexpr int kDoubleClickTableaus = 251;
constexpr int kUnlimitedCapacity = -1;
constexpr int kReserveOpen = 0;
constexpr int kReserveClosed = 4;
constexpr int kAnotherSuit = 21;
constexpr int kHomeInSuit = 0;
constexpr int kHomeAnySuit = 2;
constexpr int kHomeTakesNothing = 4;
constexpr int kHomeStepTwo = 14;   // 14, 15, 16: up by two, three, four in any suit
constexpr int kHomeStepFour = 16;
constexpr int kHomeRankSeen = 97;
constexpr int kBuildUp = 1;
constexpr int kDealAlways = 1;      // tableau deal mode: a card to this pile at every deal
constexpr int kDealWithoutGaps = 2; // and the deal is refused while a pile is empty
constexpr int kFillFromReserve = 1;         // gap filling: the first reserve's top card
constexpr int kFillFromWasteThenStock = 2;  // the waste's top card, else the stock's
constexpr int kHomeAlternateColours = 3;   // foundation build code: up in alternate colours

bool RunLimitKnown(int rule) {
    return rule >= -1 || rule == -5 || rule == -6 || rule == -12 || rule == -13 || rule == -20;
}

// No special game code, no click-to-move, pairing, locks or first-move
// rules, no waste building, no second waste: the plain drag games.
bool PlainGame(const Engine& e) {
    for (int n : {47, 46, 36, 38, 39, 40, 34, 300})
        if (e.R(n) != 0) return false;
    if (e.R(24) > 0 || e.R(32) != kUnlimitedCapacity || e.R(307) > 104) return false;
    if (e.R(3) == 4 || e.R(3) == 8 || e.R(3) == 9) return false;
    if (e.R(289) == 2 && e.R(290) != 4) return false;
    if (e.R(13) != 0 && e.R(13) != kReserveAnySingleCard) return false;
    if (e.R(7) != 0 || e.R(17) < 0 || e.R(17) > 2) return false;
    if (e.R(2) != 0 && e.R(2) != 1 && e.R(2) != 10) return false;
    if (!RunLimitKnown(e.R(12))) return false;
    return e.R(41) == 0 || e.R(41) == 1;
}

// An emptied tableau pile is filled at once from the first reserve, or from
// the waste and then the stock, no pile being locked; or it stays empty.
bool GapFillingPlain(const Engine& e, CompiledRules& c) {
    const int mode = e.R(22);
    c.fill_from_reserve = mode == kFillFromReserve;
    c.fill_from_waste_then_stock = mode == kFillFromWasteThenStock;
    if (c.fill_from_waste_then_stock && e.R(24) * e.R(25) > 0) return false;
    return mode == 0 || c.fill_from_reserve || c.fill_from_waste_then_stock;
}

// Every foundation takes complete suit runs, and nothing is picked up there.
bool SuitRunHomes(const Engine& e, CompiledRules& c) {
    for (int f = 0; f < c.foundations; ++f)
        if (e.R(80 + f) != kSuitRunFoundation) return false;
    if (e.R(17) != 0) return false;
    c.suit_run_homes = true;
    c.foundation_capacity = e.R(31);
    return true;
}

// Decks of fewer suits play with their shown suits; only where the
// foundations take whole suit runs, whose checks compare shown suits alone.
bool SuitsPlain(const Engine& e, CompiledRules& c) {
    const int style = e.R(33);
    if (style != kDeckHeartsAndSpades && style != kDeckSpadesOnly) return true;
    if (!c.suit_run_homes) return false;
    for (int suit = 0; suit < 4; ++suit)
        c.shown_suit[static_cast<size_t>(suit)] = static_cast<uint8_t>(ShownSuit(e, suit * 13 + 1));
    return true;
}

bool IsRank(int n) { return n >= 1 && n <= 13; }

// Four foundations of one suit each, a rank only once the foundation before
// holds it.
bool RankSeenHomes(const Engine& e, CompiledRules& c) {
    if (c.foundations != 4) return false;
    for (int f = 0; f < c.foundations; ++f) {
        if (e.R(80 + f) != kHomeRankSeen || !IsRank(e.R(48 + f))) return false;
        c.foundation_base[static_cast<size_t>(f)] = e.R(48 + f);
    }
    c.rank_seen_homes = true;
    return true;
}

// Up by one in suit or in any suit from a base rank (or from the rank the
// others began with); up by two to four in any suit from the card the deal
// put there; or nothing at all.
bool FoundationPlain(const Engine& e, CompiledRules& c, int f) {
    const size_t i = static_cast<size_t>(f);
    const int code = e.R(80 + f);
    const int base = e.R(48 + f);
    c.foundation_base[i] = base;
    c.foundation_any_suit[i] = code != kHomeInSuit && code != kHomeAlternateColours;
    c.foundation_alternate[i] = code == kHomeAlternateColours;
    if (code == kHomeTakesNothing) return true;
    if (code == kHomeInSuit || code == kHomeAnySuit || code == kHomeAlternateColours) {
        c.foundation_step[i] = 1;
        return e.R(64 + f) == kBuildUp && (IsRank(base) || base == kBaseOfStartedHomes);
    }
    if (code < kHomeStepTwo || code > kHomeStepFour) return false;
    // Empty, these would take a rank their count never reaches: only
    // foundations the deal began and nothing takes cards from.
    if (e.piles.foundations[i].empty() || e.R(17) != 0) return false;
    c.foundation_step[i] = static_cast<uint8_t>(code - kHomeStepTwo + 2);
    return true;
}

bool FoundationsPlain(const Engine& e, CompiledRules& c) {
    if (SuitRunHomes(e, c)) return SuitsPlain(e, c);
    if (!SuitsPlain(e, c)) return false;
    c.foundation_capacity = e.R(31);
    c.foundation_pickup = e.R(17);
    if (RankSeenHomes(e, c)) return true;
    for (int f = 0; f < c.foundations; ++f)
        if (!FoundationPlain(e, c, f)) return false;
    return true;
}

// The tableau codes that take no run: nothing, spaces only, waste cards only.
bool TableauCodeKnown(const Engine& e, int code) {
    if ((code >= 0 && code <= 3) || code == kAnotherSuit) return true;
    const bool single_cards = code == kTableauTakesNothing || code == kTableauSpacesOnly || code == kTableauFromWaste;
    return single_cards && e.R(12) == 1;
}

bool TableausAlike(const Engine& e, CompiledRules& c) {
    c.tableau_filter = e.R(184);
    c.tableau_direction = e.R(156);
    c.tableau_wrap = e.R(212);
    c.tableau_empty = e.R(128);
    for (int t = 1; t < c.tableaus; ++t)
        if (e.R(184 + t) != c.tableau_filter || e.R(156 + t) != c.tableau_direction ||
            e.R(212 + t) != c.tableau_wrap || e.R(128 + t) != c.tableau_empty)
            return false;
    if (!TableauCodeKnown(e, c.tableau_filter)) return false;
    if (c.tableau_direction < 0 || c.tableau_direction > 2 || c.tableau_wrap < 0 || c.tableau_wrap > 2) return false;
    const int empty = c.tableau_empty;
    if (empty != -1 && !IsRank(empty) && empty != kEmptyFromReserveThenWaste && empty != kEmptyNothing &&
        empty != kEmptyFromWaste)
        return false;
    c.tableau_base = e.R(48);
    // Runs fit by the tableau's own rule, or (10) in suit.
    c.runs_must_fit = e.R(2) == 1 || e.R(2) == 10;
    c.run_filter = e.R(2) == 10 ? 0 : c.tableau_filter;
    c.run_limit = e.R(12);
    return true;
}

bool ReservesPlain(const Engine& e, CompiledRules& c) {
    for (int r = 0; r < c.reserves; ++r) {
        const int rule = e.R(268 + r);
        if (rule != kReserveOpen && rule != kReserveClosed) return false;
        c.reserve_closed[static_cast<size_t>(r)] = rule == kReserveClosed;
    }
    c.reserve_cards_loose = e.R(13) == kReserveAnySingleCard;
    return true;
}

// An empty stock without a waste whose press, while passes are left,
// redeals the tableau (redeal mode 7).
bool TableauRedealPlain(const Engine& e, CompiledRules& c) {
    if (e.R(15) != kTableauRedeal || e.R(9) != 0 || e.R(14) < -1) return false;
    if (!e.piles.stock_area[kStockIndex].empty() || !e.piles.stock_area[kWasteIndex].empty()) return false;
    c.redeals_tableau = true;
    c.passes = e.R(14);
    c.redeal_pile_size = std::max(1, e.R(311));
    c.deal_number = e.params.ParamRead(param::kDealNumber, 15);
    return true;
}

// A press deals a card onto tableau piles (no waste, no reserve deal): by
// the deal modes of the first and last pile, to the piles of mode 1 always,
// or to those of mode 2 once no pile is empty.
bool TableauDealsPlain(const Engine& e, CompiledRules& c) {
    if (e.R(9) != 0 || e.R(15) != 0 || e.R(300) != 0 || c.reserves != 0) return false;
    if (!e.piles.stock_area[kWasteIndex].empty()) return false;
    const int first = e.R(240);
    const int last = e.R(239 + c.tableaus);
    if (first != kDealAlways && last != kDealAlways && first != kDealWithoutGaps && last != kDealWithoutGaps) return false;
    for (int t = 0; t < c.tableaus; ++t) {
        const int mode = e.R(240 + t);
        if (mode < 0 || mode > kDealWithoutGaps) return false;
        c.deal_receives[static_cast<size_t>(t)] = mode != 0;
    }
    c.deals_to_tableaus = true;
    c.deal_needs_no_gaps = first != kDealAlways && last != kDealAlways;
    return true;
}

// A press deals a card face up onto each reserve of deal mode 1 (those of
// mode 0 take none): no waste, and no tableau pile deals first.
bool ReserveDealsPlain(const Engine& e, CompiledRules& c) {
    if (e.R(9) != 0 || e.R(15) != 0 || c.reserves == 0) return false;
    if (!e.piles.stock_area[kWasteIndex].empty()) return false;
    for (int tableau_mode : {e.R(240), e.R(239 + e.R(304))})
        if (tableau_mode == kDealAlways || tableau_mode == kDealWithoutGaps) return false;
    if (e.R(278) != kDealAlways && e.R(277 + e.R(305)) != kDealAlways) return false;
    for (int r = 0; r < c.reserves; ++r) {
        const int mode = e.R(278 + r);
        if (mode != 0 && mode != kDealAlways) return false;
        c.deal_receives[static_cast<size_t>(r)] = mode == kDealAlways;
    }
    c.deals_to_reserves = true;
    return true;
}

// A press on the stock turns cards to the waste and, when the stock is
// empty, gathers the waste back while passes are left; or it redeals the
// tableau; or the stock is not on the table at all.
bool StockPlain(const Engine& e, CompiledRules& c) {
    c.stock_pressable = InLayout(e, ListId::Stock, kStockIndex);
    if (!e.piles.stock_area[kSecondWasteIndex].empty()) return false;
    if (!c.stock_pressable) return e.piles.stock_area[kStockIndex].empty() && e.piles.stock_area[kWasteIndex].empty();
    if (!InLayout(e, ListId::Stock, kWasteIndex))
        return TableauDealsPlain(e, c) || ReserveDealsPlain(e, c) || TableauRedealPlain(e, c);
    if (e.R(9) != 1 || e.R(16) < 0 || e.R(16) > 1 || e.R(15) != 0 || e.R(21) < 1 || e.R(14) < -1) return false;
    c.turns_onto_empty_waste = e.R(16) == 1;
    c.turn_count = e.R(21);
    c.passes = e.R(14);
    c.stock_face_down = e.R(6) != 0;
    return true;
}

// Every pile in use is on the table, the others are empty, and every card is
// a card of the two decks.
bool TableSound(const Engine& e, const CompiledRules& c) {
    auto in_use = [&](ListId list, int i) {
        switch (list) {
            case ListId::Stock: return i != kSecondWasteIndex;
            case ListId::Foundation: return i < c.foundations;
            case ListId::Tableau: return i < c.tableaus;
            case ListId::Reserve: return i < c.reserves;
        }
        return false;
    };
    int cards = 0;
    for (ListId list : {ListId::Stock, ListId::Foundation, ListId::Tableau, ListId::Reserve}) {
        for (int i = 0; i < ListSize(list); ++i) {
            const std::string& pile = e.piles.Text(list, i);
            cards += PileCount(pile);
            if (!in_use(list, i)) {
                if (!pile.empty()) return false;
                continue;
            }
            if (list != ListId::Stock && !InLayout(e, list, i)) return false;
            for (int code : PileCodes(pile))
                if (code < 1 || code > 104) return false;
        }
    }
    return cards <= 104;
}

void CountCards(const Engine& e, CompiledRules& c) {
    for (ListId list : {ListId::Stock, ListId::Foundation, ListId::Tableau, ListId::Reserve})
        for (int i = 0; i < ListSize(list); ++i)
            for (int code : PileCodes(e.piles.Text(list, i)))
                ++c.cards_in_game[static_cast<size_t>(SuitOf(code))][static_cast<size_t>(RankOf(code))];
    for (size_t suit = 0; suit < 4; ++suit)
        for (size_t rank = 1; rank <= 13; ++rank) {
            const int n = c.cards_in_game[suit][rank];
            if (n >= 1) c.ranks_once[suit] |= static_cast<uint16_t>(1U << rank);
            if (n >= 2) c.ranks_twice[suit] |= static_cast<uint16_t>(1U << rank);
            if (n >= 3) c.cards_thrice = true;
        }
}

bool SettingsPlain(const Engine& e, CompiledRules& c) {
    if (e.play.redeal_armed) return false;
    c.autoplay = e.play.autoplay_checked && e.play.autoplay_enabled;
    // A game that is over (won, given up) is the interpreter's to judge.
    if (!e.flags.Get(flag::kInProgress)) return false;
    if (e.params.IsYes(kDoubleClickTableaus) || KeepsSelection(e)) return false;
    if (e.main_game.Field(field::kDraggedCard) != 0) return false;
    for (int f : {flag::kBusy, flag::kIgnoreNextPress, flag::kStopAutoplay})
        if (e.flags.Get(f)) return false;
    c.face_up_exposed = e.R(41) == 1 && e.params.ParamRead(kAutoFaceUpSetting, 1) != "N";
    c.click_to_foundations = e.params.IsYes(kDoubleClickHome);
    c.home_rule = AutoplayHomeRule(e);
    return true;
}

}  // namespace

bool CompiledRules::FoundationsAlike() const {
    if (rank_seen_homes) return false;
    for (size_t f = 1; f < static_cast<size_t>(foundations); ++f)
        if (foundation_base[f] != foundation_base[0] || foundation_step[f] != foundation_step[0] ||
            foundation_any_suit[f] != foundation_any_suit[0] || foundation_alternate[f] != foundation_alternate[0])
            return false;
    return true;
}

namespace {

// The stock's deals reach the first `count` piles of a group alike: all or
// none of them.
bool DealsAlike(const CompiledRules& c, bool dealt_to, int count) {
    if (!dealt_to) return true;
    for (int i = 1; i < count; ++i)
        if (c.deal_receives[static_cast<size_t>(i)] != c.deal_receives[0]) return false;
    return true;
}

}  // namespace

bool CompiledRules::TableausAlikeAt(int passes_made) const {
    if (!DealsAlike(*this, deals_to_tableaus, tableaus)) return false;
    return !redeals_tableau || (passes != -1 && passes_made >= passes);
}

// The first reserve, which fills the tableau's spaces, plays apart.
bool CompiledRules::CellsAlike() const {
    if (fill_from_reserve && reserves > 1) return false;
    if (!DealsAlike(*this, deals_to_reserves, reserves)) return false;
    for (int r = 0; r < reserves; ++r)
        if (reserve_closed[static_cast<size_t>(r)]) return false;
    return true;
}

int CompiledRules::AlikeGroupStart(int pile, int passes_made) const {
    if (IsFoundation(pile) && FoundationsAlike()) return Foundation(0);
    if (IsTableau(pile) && TableausAlikeAt(passes_made)) return Tableau(0);
    if (IsReserve(pile) && CellsAlike()) return Reserve(0);
    return pile;
}

std::optional<CompiledRules> CompileRules(const Engine& e) {
    CompiledRules c;
    c.foundations = FoundationsInUse(e);
    c.tableaus = TableauInUse(e);
    c.reserves = ReservesInUse(e);
    c.twin_cards = e.R(307) > 52;
    if (c.foundations < 1 || c.tableaus < 1 || c.Piles() > kMaxCompiledPiles) return std::nullopt;
    if (!PlainGame(e) || !GapFillingPlain(e, c) || !FoundationsPlain(e, c) || !TableausAlike(e, c)) return std::nullopt;
    if (!ReservesPlain(e, c)) return std::nullopt;
    if (!StockPlain(e, c) || !TableSound(e, c) || !SettingsPlain(e, c)) return std::nullopt;
    CountCards(e, c);
    return c;
}

}  // namespace velmora::solver
