// The player's results, kept as the program keeps them: a game left for a
// new deal or given up is recorded when it counts, a won game when the
// engine finds the win. A game still in hand when the driver quits is not
// recorded (the program would keep it for the next start).
//   stats [<game>]   played, won, lost, streak, best_time, best_score
//   give-up          ends the game in hand as the Quit game command would
#include <chrono>
#include <string>

#include "arguments.h"
#include "driver.h"
#include "engine/play/end_game.h"
#include "engine/results/game_ending.h"
#include "engine/results/result_queries.h"

namespace velmora::cli {

namespace {

int64_t SteadySeconds() {
    return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// The engine's view while results are kept: a win is the moment to record.
class WinWatch : public TableView {
  public:
    explicit WinWatch(Driver& driver) : driver_(driver) {}
    void RunWinningAnimation() override { driver_.GameWon(); }

  private:
    Driver& driver_;
};

std::string Optional(const std::optional<int>& value) { return value ? std::to_string(*value) : "-"; }

Reply Stats(Driver& d, const Driver::Args& args) {
    if (args.size() > 1) return Reply::Fail("usage: stats [<game>]");
    std::optional<int> game;
    if (!args.empty()) {
        int64_t id = 0;
        if (!ReadNumber(args[0], 0, kLastGameId, id)) return Reply::Fail("a game id is 0 to 9999");
        game = static_cast<int>(id);
    }
    if (!d.KeepsResults()) return Reply::Fail("no results are kept");
    const ResultSummary s = Summarize(ReadCurrentPlayerResults(d.engine().params).records, game);
    Reply reply;
    reply.lines = {"played " + std::to_string(s.played), "won " + std::to_string(s.won),
                   "lost " + std::to_string(s.lost),     "streak " + std::to_string(s.streak),
                   "best_time " + Optional(s.best_seconds), "best_score " + Optional(s.best_score)};
    return reply;
}

Reply GiveUp(Driver& d, const Driver::Args& args) {
    if (!args.empty()) return Reply::Fail("give-up takes no arguments");
    Engine& e = d.engine();
    if (!e.flags.Get(flag::kInProgress)) return Reply::Fail("no game in progress");
    d.GameLeft(GameResult::kQuit);
    EndGame(e);
    return d.Call("state", {});
}

}  // namespace

void Driver::KeepResults(const std::string& data_folder) {
    engine_->params.SetDataFolder(data_folder);
    recorder_ = std::make_unique<ResultRecorder>(engine_->params, *engine_->messages);
    results_view_ = std::make_unique<WinWatch>(*this);
    engine_->view = results_view_.get();
}

void Driver::GameDealt() { dealt_at_ = SteadySeconds(); }

void Driver::GameLeft(GameResult leaving) {
    if (!recorder_) return;
    const int seconds = static_cast<int>(std::min<int64_t>(SteadySeconds() - dealt_at_, kLongestGameSeconds));
    if (const auto record = TakeLeftGame(*engine_, leaving, seconds, LocalNow())) recorder_->Record(*record);
}

void Driver::GameWon() {
    if (!recorder_) return;
    const int seconds = static_cast<int>(std::min<int64_t>(SteadySeconds() - dealt_at_, kLongestGameSeconds));
    if (const auto record = TakeWonGame(*engine_, seconds, LocalNow())) recorder_->Record(*record);
}

void RegisterResultsCommands(std::map<std::string, Driver::Handler>& table) {
    table["stats"] = Stats;
    table["give-up"] = GiveUp;
}

}  // namespace velmora::cli
