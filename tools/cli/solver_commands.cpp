// Commands of the solver: "solve" answers whether the position on the table
// can be won and how; "winnability" solves a run of deals of one game.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "arguments.h"
#include "deal_run.h"
#include "driver.h"
#include "engine/model/games_file.h"
#include "solver/batch.h"
#include "solver/search.h"

namespace velmora::cli {

namespace {

constexpr int64_t kMostPositions = 1'000'000'000;
constexpr int64_t kMostSeconds = 86'400;
constexpr int64_t kMostDeals = 10'000'000;

// A number of seconds, fractions allowed ("0.5").
bool ReadSeconds(const std::string& text, double& out) {
    if (text.empty() || text.size() > 12 || text.find_first_not_of("0123456789.") != std::string::npos) return false;
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || !(value > 0) || value > kMostSeconds) return false;
    out = value;
    return true;
}

// The optional limits "[positions] [seconds]" from argument `from` on.
bool ReadLimits(const Driver::Args& args, size_t from, solver::Limits& limits, Reply& error) {
    int64_t value = 0;
    if (args.size() > from) {
        if (!ReadNumber(args[from], 1, kMostPositions, value)) {
            error = Reply::Fail("positions must be 1 to " + std::to_string(kMostPositions));
            return false;
        }
        limits.positions = value;
    }
    if (args.size() > from + 1 && !ReadSeconds(args[from + 1], limits.seconds)) {
        error = Reply::Fail("seconds must be more than 0 and at most " + std::to_string(kMostSeconds));
        return false;
    }
    return true;
}

Reply Solve(Driver& d, const Driver::Args& args) {
    if (args.size() > 2) return Reply::Fail("usage: solve [<positions>] [<seconds>]");
    solver::Limits limits;
    Reply error;
    if (!ReadLimits(args, 0, limits, error)) return error;
    const solver::Result result = solver::Solve(d.engine(), limits);
    Reply reply;
    reply.lines.emplace_back(solver::VerdictWord(result.verdict));
    for (const solver::Move& move : result.line)
        for (const solver::Input& input : move) reply.lines.push_back(solver::DriverWords(input));
    return reply;
}

std::string Fixed(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

Reply Winnability(Driver& d, const Driver::Args& args) {
    if (args.size() < 3 || args.size() > 4)
        return Reply::Fail("usage: winnability <game> <first deal> <count> [<seconds per deal>]");
    if (!d.games_loaded()) return Reply::Fail("cannot read game definitions from " + d.games_file());
    int64_t id = 0;
    int64_t first = 0;
    int64_t count = 0;
    if (!ReadNumber(args[0], 0, 7999, id) || CatalogueIndex(d.engine().main_game, static_cast<int>(id)) < 0)
        return Reply::Fail("unknown game id '" + args[0] + "'");
    if (!ReadNumber(args[1], 1, 999'999'999'999, first)) return Reply::Fail("a first deal is 1 to 12 digits");
    if (!ReadNumber(args[2], 1, kMostDeals, count)) return Reply::Fail("count must be 1 to " + std::to_string(kMostDeals));
    solver::Limits limits;
    limits.positions = kMostPositions;
    limits.seconds = 1;
    limits.table_bytes = 64u << 20;
    Reply error;
    if (args.size() == 4 && !ReadLimits({"1", args[3]}, 0, limits, error)) return error;
    limits.positions = kMostPositions;
    limits.want_line = false;

    DealRun run(d, static_cast<int>(id), first);
    const solver::BatchResult batch = solver::SolveBatch(
        count, [&run](int64_t index, Engine& out) { return run.Make(index, out); }, limits);
    const solver::WinnableShare share = solver::ShareOf(batch);
    Reply reply;
    reply.lines.push_back("won " + std::to_string(batch.won));
    reply.lines.push_back("impossible " + std::to_string(batch.impossible));
    reply.lines.push_back("unknown " + std::to_string(batch.unknown));
    reply.lines.push_back("winnable " + Fixed(share.percent) + " " + Fixed(share.low) + " " + Fixed(share.high));
    const double rate = batch.seconds > 0 ? static_cast<double>(count) / batch.seconds : 0;
    reply.lines.push_back("deals_per_second " + Fixed(rate));
    return reply;
}

}  // namespace

void RegisterSolverCommands(std::map<std::string, Driver::Handler>& table) {
    table["solve"] = Solve;
    table["winnability"] = Winnability;
}

}  // namespace velmora::cli
