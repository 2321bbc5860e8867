#include "engine/play/resume_state.h"

#include <cstdint>
#include <limits>
#include <set>

#include "engine/model/pile_string.h"
#include "engine/model/piles.h"
#include "engine/model/position_snapshot.h"
#include "engine/play/card_census.h"
#include "engine/play/end_game.h"
#include "engine/play/move_log.h"
#include "engine/play/win_condition.h"
#include "text/fixed_text.h"

namespace velmora {

namespace {

constexpr int kScoreWidth = 6;
constexpr int kLargestMoveCounter = 2;  // the counter saturates there
constexpr int kLargestShift = 4;        // hand-laid shifts stay within a few pixels

bool FitsField(int value) {
    return value >= std::numeric_limits<int16_t>::min() && value <= std::numeric_limits<int16_t>::max();
}

bool CountersPlausible(const KeptCounters& c) {
    return c.passes >= 0 && FitsField(c.passes) && c.moves >= 0 && c.moves <= kLargestMoveCounter &&
           FitsField(c.deal_a) && FitsField(c.deal_b) && FitsField(c.score_counter) && c.stock_deals >= 0;
}

bool ShiftsPlausible(const DisplacementTable& table) {
    for (const auto& row : table)
        for (int shift : row)
            if (shift < -kLargestShift || shift > kLargestShift) return false;
    return true;
}

bool ScorePlausible(const std::string& score) {
    int64_t value = 0;
    return !score.empty() && score.size() <= kScoreWidth && ParseInt(score, value);
}

// What is wrong with the plain values, before anything is dealt; "" when
// nothing is.
std::string FaultInValues(const KeptGame& kept) {
    if (!IsDealNumberText(kept.deal_number)) return "its deal number is not a number";
    if (kept.seconds < 0 || kept.seconds > kLongestKeptClock) return "its clock is out of range";
    if (!ScorePlausible(kept.score)) return "its score is not a number";
    if (!CountersPlausible(kept.counters)) return "its counters are out of range";
    if (!ShiftsPlausible(kept.displacement)) return "its table shifts are out of range";
    if (!SideIsWhole(kept.undo) || !SideIsWhole(kept.redo)) return "its move log is incomplete";
    if (kept.counters.deal_steps < -1 || kept.counters.deal_steps > kept.undo.Steps())
        return "its counters are out of range";
    return {};
}

// The census reads only the piles the game uses: every other pile must be
// empty, but for the selection a selection game keeps on foundation 1,
// whose marks name cards lying on those piles.
bool UnusedPilesEmpty(const Engine& e, const CardCensus& census) {
    std::set<const std::string*> shown;
    for (const PileRef& ref : ShownPiles(e)) shown.insert(e.piles.Pile(ref.list, ref.index));
    for (int n = 0; n < kAllPiles; ++n) {
        const std::string* pile = e.piles.Flat(n);
        if (shown.contains(pile) || pile->empty()) continue;
        if (n != kStockAreaPiles || !KeepsSelection(e)) return false;
        for (int code : PileCodes(*pile))
            if (!census.piles.contains(code)) return false;
    }
    return true;
}

// Lays the lines out on the table and compares its cards with the deal's.
std::string FaultInPosition(Engine& e, const std::vector<std::string>& lines, const CardCensus& dealt) {
    if (!DecodePosition(e, lines)) return "a position in it is malformed";
    const CardCensus census = TakeCensus(e);
    if (!CompareCensus(dealt, census).empty() || !UnusedPilesEmpty(e, census))
        return "a position in it does not hold the deal's cards";
    return {};
}

std::string FaultInLog(Engine& e, const MoveLogSide& side, const CardCensus& dealt) {
    std::vector<std::string> lines;
    for (int k = 0; k < side.Steps(); ++k) {
        if (!StepLines(side, k, lines)) return "its move log is incomplete";
        if (std::string fault = FaultInPosition(e, lines, dealt); !fault.empty()) return fault;
    }
    return {};
}

// Checks the kept positions against the table `e` holds, which is the
// fresh deal of the kept number; leaves the kept position on the table.
std::string FaultAgainstDeal(Engine& e, const KeptGame& kept) {
    const CardCensus dealt = TakeCensus(e);
    if (!dealt.fault.empty() || dealt.piles.empty()) return "its game could not be dealt again";
    for (const MoveLogSide* side : {&kept.undo, &kept.redo})
        if (std::string fault = FaultInLog(e, *side, dealt); !fault.empty()) return fault;
    return FaultInPosition(e, kept.position, dealt);
}

void PutCounters(Engine& e, const KeptCounters& c) {
    e.main_game.SetField(field::kPassCounter, c.passes);
    e.main_game.SetField(field::kMoveCounter, c.moves);
    e.main_game.SetField(field::kDealCounterA, c.deal_a);
    e.main_game.SetField(field::kDealCounterB, c.deal_b);
    e.main_game.SetField(field::kScoreCounter, c.score_counter);
    e.deal_counter = c.stock_deals;
    e.play.no_refill = c.no_refill;
    if (c.deal_steps >= 0) e.play.deal_steps = c.deal_steps;
}

KeptCounters TakeCounters(const Engine& e) {
    KeptCounters c;
    c.passes = e.main_game.Field(field::kPassCounter);
    c.moves = e.main_game.Field(field::kMoveCounter);
    c.deal_a = e.main_game.Field(field::kDealCounterA);
    c.deal_b = e.main_game.Field(field::kDealCounterB);
    c.score_counter = e.main_game.Field(field::kScoreCounter);
    c.stock_deals = e.deal_counter;
    c.no_refill = e.play.no_refill;
    c.deal_steps = e.play.deal_steps;
    return c;
}

// The game chosen before the restore was tried, chosen again and not dealt.
void ForgetAttempt(Engine& e, const std::string& game_id, const std::string& game_name) {
    ClearPiles(e, true);
    e.rules.Set(307, 0);
    e.params.ParamWrite(param::kGameId, 4, game_id);
    e.params.ParamWrite(param::kGameName, 50, game_name);
    e.flags.Set(flag::kFinished, false);
}

}  // namespace

bool GameWorthKeeping(const Engine& e) {
    return e.flags.Get(flag::kInProgress) && !GameCountsAsWin(e);
}

KeptGame CollectKeptGame(const Engine& e, int seconds) {
    KeptGame kept;
    int64_t id = -1;
    ParseInt(e.params.ParamRead(param::kGameId, 4), id);
    kept.game = static_cast<int>(id);
    kept.deal_number = e.params.ParamRead(param::kDealNumber, 15);
    kept.seconds = seconds;
    kept.score = e.params.ParamRead(param::kScore, kScoreWidth);
    EncodePosition(e, kept.position);
    kept.undo = e.undo;
    kept.redo = e.redo;
    kept.counters = TakeCounters(e);
    kept.displacement = e.geometry.displacement;
    return kept;
}

bool RestoreKeptGame(Engine& e, const GamesData& games, const StartOptions& options,
                     const KeptGame& kept, std::string& why) {
    why = FaultInValues(kept);
    if (!why.empty()) return false;
    const std::string game_id = e.params.ParamRead(param::kGameId, 4);
    const std::string game_name = e.params.ParamRead(param::kGameName, 50);
    ChooseGame(e, kept.game);
    StartOptions deal = options;
    deal.deal_number = kept.deal_number;
    if (!StartGame(e, games, deal) || e.R(307) == 0) {
        why = "its game is not in the catalogue or could not be dealt";
    } else {
        why = FaultAgainstDeal(e, kept);
    }
    if (why.empty()) {
        PutCounters(e, kept.counters);
        e.undo = kept.undo;
        e.redo = kept.redo;
        e.params.ParamWrite(param::kScore, kScoreWidth, kept.score);
        e.geometry.displacement = kept.displacement;
        e.flags.Set(flag::kFinished, IsGameWon(e));
        if (GameCountsAsWin(e)) why = "it is a game already won";
    }
    if (!why.empty()) {
        ForgetAttempt(e, game_id, game_name);
        return false;
    }
    e.flags.Set(flag::kInProgress, true);
    return true;
}

bool KeptGameFits(const Engine& e, const GamesData& games, const StartOptions& options,
                  const KeptGame& kept, std::string& why) {
    Engine trial = e;
    trial.messages = &trial.quiet_messages;
    trial.sounds = &trial.quiet_sounds;
    trial.view = &trial.quiet_view;
    return RestoreKeptGame(trial, games, options, kept, why);
}

}  // namespace velmora
