// The solver's speed and reach on every game of the catalogue: for deals 1
// to N of each game (the sample deal numbers, dealt as players get them),
// the deals solved per second (every core busy), the share with a verdict
// and the share won. Not a test: figures to compare from one change to the
// next.
//
//   solver_bench [deals per game (100)] [seconds per deal (1)] [game ids...]
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "driver.h"

namespace {

// The figure after `name` in the winnability answer.
double Figure(const std::vector<std::string>& lines, const std::string& name) {
    for (const std::string& line : lines)
        if (line.rfind(name + " ", 0) == 0) return std::atof(line.c_str() + name.size() + 1);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    using velmora::cli::Driver;
    const std::string deals = argc > 1 ? argv[1] : "100";
    const std::string seconds = argc > 2 ? argv[2] : "1";
    Driver driver(VELMORA_PROGRAM_DIR, std::string(VELMORA_PROGRAM_DIR) + "GAMES.DAT");
    std::vector<std::string> games;
    for (int i = 3; i < argc; ++i) games.emplace_back(argv[i]);
    if (games.empty())
        for (const std::string& line : driver.Call("games", {}).lines) games.push_back(line.substr(0, line.find(' ')));
    std::printf("%-5s %7s %7s %7s %7s %9s %9s %10s\n", "game", "deals", "won", "imposs", "unknown", "decided%",
                "winnable%", "deals/s");
    for (const std::string& game : games) {
        const auto reply = driver.Call("winnability", {game, "1", deals, seconds});
        if (!reply.error.empty()) {
            std::printf("%-5s error: %s\n", game.c_str(), reply.error.c_str());
            continue;
        }
        const double won = Figure(reply.lines, "won");
        const double impossible = Figure(reply.lines, "impossible");
        const double unknown = Figure(reply.lines, "unknown");
        const double total = won + impossible + unknown;
        std::printf("%-5s %7.0f %7.0f %7.0f %7.0f %9.2f %9.2f %10.1f\n", game.c_str(), total, won, impossible, unknown,
                    total > 0 ? 100.0 * (won + impossible) / total : 0.0, Figure(reply.lines, "winnable"),
                    Figure(reply.lines, "deals_per_second"));
        std::fflush(stdout);
    }
    return 0;
}
