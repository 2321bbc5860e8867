#include "solver/play_counters.h"

namespace velmora::solver {

void SetPlayCounters(Engine& out, int passes, bool first_move, bool over) {
    out.main_game.SetField(field::kPassCounter, passes);
    if (first_move != (out.main_game.Field(field::kMoveCounter) == 0))
        out.main_game.SetField(field::kMoveCounter, first_move ? 0 : 1);
    out.flags.Set(flag::kInProgress, !over);
    out.flags.Set(flag::kFinished, false);
    if (over) out.flags.Set(flag::kStopAutoplay, true);
}

}  // namespace velmora::solver
