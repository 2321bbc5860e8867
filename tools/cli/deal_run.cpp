#include "deal_run.h"

#include "engine/deal/start_game.h"

namespace velmora::cli {

DealRun::DealRun(const Driver& d, int id, int64_t first) : dealer_(d.program_folder(), d.games()), first_(first) {
    ChooseGame(dealer_.engine(), id);
}

bool DealRun::Make(int64_t index, Engine& out) {
    std::lock_guard<std::mutex> lock(dealing_);
    if (!DealCurrentGame(dealer_, std::to_string(first_ + index)).error.empty()) return false;
    CopyQuietly(dealer_.engine(), out);
    return true;
}

}  // namespace velmora::cli
