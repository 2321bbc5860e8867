#pragma once
// A game in progress taken out of the engine when the program closes and put
// back at the next start: the game and its deal number, the whole position
// with every face state, both sides of the move log, the clock, the score and
// the per-deal counters. Putting it back trusts nothing: the game is dealt
// again from its number and every position of the state must hold exactly
// the cards of that deal.

#include <string>
#include <vector>

#include "engine/deal/start_game.h"
#include "engine/layout/table_geometry.h"
#include "engine/model/engine.h"
#include "engine/model/move_log.h"

namespace velmora {

// The longest game clock the time panel can show: it counts within one day.
inline constexpr int kLongestKeptClock = 24 * 60 * 60 - 1;

// The per-deal counters play reads (TMainGame fields and the engine's own).
struct KeptCounters {
    int passes = 1;          // through the stock
    int moves = 0;           // saturates at 2 (first-move rule, fill-tableaus action)
    int deal_a = 0;          // TMainGame per-deal counters
    int deal_b = 0;
    int score_counter = 0;   // subtracted by scoring codes 37 and 39
    int stock_deals = 0;     // the deal counter of the stock actions
    bool no_refill = false;  // the closing-up games' per-game value
    // Steps of the move log the deal made itself (its automatic play), which
    // undo does not take back; -1 when not kept: as many as dealing again makes.
    int deal_steps = -1;
    bool operator==(const KeptCounters&) const = default;
};

struct KeptGame {
    int game = -1;
    std::string deal_number;
    int seconds = 0;                     // the game clock
    std::string score;                   // as the parameter record holds it
    std::vector<std::string> position;   // 57 snapshot lines, the selection included
    MoveLogSide undo;
    MoveLogSide redo;
    KeptCounters counters;
    DisplacementTable displacement{};    // the deal's hand-laid look
    bool operator==(const KeptGame&) const = default;
};

// A game worth keeping: one is in progress and ending it now would not count
// as a win.
bool GameWorthKeeping(const Engine& e);

// The game in progress, with `seconds` on its clock.
KeptGame CollectKeptGame(const Engine& e, int seconds);

// Deals `kept.game` with its deal number (through StartGame with
// `options`), checks the kept state against that deal and, when every check
// holds, puts the position, the move log, the counters and the score in
// place: the game is in progress as it was. Otherwise `why` says in a few
// words what was wrong, the game chosen before is chosen again and no game
// is in progress, so that a normal start can follow.
bool RestoreKeptGame(Engine& e, const GamesData& games, const StartOptions& options,
                     const KeptGame& kept, std::string& why);

// Whether RestoreKeptGame would take `kept`, tried on a copy of the engine
// that draws and sounds nothing, so the game on the table stays as it is
// whatever the answer.
bool KeptGameFits(const Engine& e, const GamesData& games, const StartOptions& options,
                  const KeptGame& kept, std::string& why);

}  // namespace velmora
