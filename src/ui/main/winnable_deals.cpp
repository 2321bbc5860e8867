// Deals the solver proves winnable: when the player asks for them, a new
// random deal is first tried on a quiet copy of the engine, deal number
// after deal number, until the solver finds a winning line or the time is
// up (then the next deal is played as it comes). The search runs on a
// worker thread while the window keeps painting and holds the player's input.
#include <QCoreApplication>
#include <QThread>

#include <chrono>
#include <thread>

#include "engine/deal/start_game.h"
#include "engine/model/param_record.h"
#include "platform/wait_cursor.h"
#include "text/fixed_text.h"
#include "ui/main/main_window.h"

namespace velmora {

namespace {

constexpr double kTotalSeconds = 5;
constexpr double kSecondsPerDeal = 2;
constexpr int kWaitStepMs = 15;

}  // namespace

std::optional<std::string> TfrmMain::FindWinnableDeal() {
    if (!solver_settings_.winnable_deals_only || closing_) return std::nullopt;
    WaitCursor wait;
    deal_search_cancel_ = false;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(kTotalSeconds);
    Engine trial;
    CopyQuietly(engine_, trial);
    const LayoutInputs inputs = TableInputs();
    std::optional<std::string> found;
    while (!found && !deal_search_cancel_) {
        const double left = std::chrono::duration<double>(deadline - std::chrono::steady_clock::now()).count();
        if (left <= 0) break;
        if (!StartGame(trial, games_, PlayStartOptions(inputs))) break;
        const solver::Result result = SolveWhileWaiting(trial, SolverLimits(std::min(left, kSecondsPerDeal)));
        if (result.verdict == solver::Verdict::Won)
            found = TrimRightSpaces(trial.params.ParamRead(param::kDealNumber, 15));
    }
    // The deal numbers tried are drawn for good: the next deal is a new one.
    engine_.random = trial.random;
    return found;
}

solver::Result TfrmMain::SolveWhileWaiting(const Engine& position, const solver::Limits& limits) {
    solver::Result result;
    std::atomic<bool> done{false};
    std::thread worker([&] {
        result = solver::Solve(position, limits, &deal_search_cancel_);
        done = true;
    });
    HoldInput(true);
    while (!done) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, kWaitStepMs);
        QThread::msleep(kWaitStepMs);
    }
    HoldInput(false);
    worker.join();
    return result;
}

}  // namespace velmora
