#include "engine/results/game_ending.h"

#include <algorithm>

#include "engine/play/end_game.h"
#include "engine/play/moves_left.h"
#include "engine/play/play_counts.h"
#include "engine/play/scoring.h"
#include "text/fixed_text.h"

namespace velmora {

namespace {

GameRecord Describe(const Engine& e, GameResult result, int seconds, const DateTime& when) {
    GameRecord r;
    int64_t game = 0;
    ParseInt(e.params.ParamRead(param::kGameId, 4), game);
    r.game = static_cast<int>(std::clamp<int64_t>(game, 0, kLastGameId));
    r.deal_number = e.params.ParamRead(param::kDealNumber, 15);
    if (r.deal_number.empty()) r.deal_number.push_back('0');
    r.result = result;
    r.score = std::clamp(StoredScore(e), kLowestScore, kHighestScore);
    r.seconds = std::clamp(seconds, 0, kLongestGameSeconds);
    r.moves = std::clamp(MovesMade(e), 0, kMostMoves);
    r.when = when;
    return r;
}

std::optional<GameRecord> Take(Engine& e, GameResult result, int seconds, const DateTime& when) {
    e.play.result_taken = true;
    if (result == GameResult::kAbandoned) e.play.abandoned_taken = true;
    return Describe(e, result, seconds, when);
}

}  // namespace

std::optional<GameRecord> TakeWonGame(Engine& e, int seconds, const DateTime& when) {
    if (e.play.result_taken || e.R(307) == 0) return std::nullopt;
    return Take(e, GameResult::kWon, seconds, when);
}

std::optional<GameRecord> TakeLeftGame(Engine& e, GameResult leaving, int seconds, const DateTime& when) {
    if (e.play.result_taken || !e.flags.Get(flag::kInProgress) || e.R(307) == 0 || GameCountsAsWin(e))
        return std::nullopt;
    if (!AnyMoveLeft(e)) return Take(e, GameResult::kLost, seconds, when);
    if (MovesMade(e) == 0 || (leaving == GameResult::kAbandoned && e.play.abandoned_taken)) return std::nullopt;
    return Take(e, leaving, seconds, when);
}

}  // namespace velmora
