// Won lines are shortened before they are given: the detours of the search
// drop out, and what is left still wins when the driver replays it.
#include <gtest/gtest.h>

#include <string>

#include "session.h"
#include "solver/cycle_model.h"
#include "solver/line_shortcut.h"
#include "solver/portfolio.h"
#include "solver/player_moves.h"

namespace velmora::solver {
namespace {

// The search's own line for a deal, before any shortening.
std::vector<CycleMove> SearchLine(const CycleModel& model) {
    Limits limits;
    limits.positions = 300'000;
    limits.seconds = 60;
    limits.table_bytes = 64u << 20;
    auto found = Portfolio<CycleModel>(model, limits, nullptr).Run();
    EXPECT_EQ(found.verdict, Verdict::Won);
    return found.line;
}

// Spider's search wins one suit's first deal in over a thousand moves, most
// of them runs carried to and fro; a demo of it plays a couple of hundred.
TEST(LineShortcut, DropsTheSearchsDetoursAndStillWins) {
    for (const std::string deal : {"new 50 1", "new 55 1", "new 1 1"}) {
        SCOPED_TRACE(deal);
        cli::Session s;
        s.Lines(deal);
        const CycleModel model(s.engine());
        const std::vector<CycleMove> line = SearchLine(model);
        const std::vector<CycleMove> shorter = ShortcutLine(model, model.Root(), line);
        EXPECT_LE(shorter.size(), line.size());
        if (deal == "new 50 1") {
            EXPECT_LE(shorter.size(), 300u) << "from " << line.size();
        }
        cli::Session replay;
        replay.Lines(deal);
        CompiledPosition at = model.Root();
        for (const CycleMove& move : shorter)
            for (const Input& input : model.Play(at, move)) ASSERT_EQ(replay.Raw(DriverWords(input)).back(), "ok");
        EXPECT_EQ(replay.State("won"), "won 1");
    }
}

}  // namespace
}  // namespace velmora::solver
