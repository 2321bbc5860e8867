#include "deal_run.h"

#include <utility>

#include "engine/deal/deal_number.h"
#include "engine/deal/start_game.h"

namespace velmora::cli {

DealRun::DealRun(const Driver& d, int id, int64_t first) : source_(d), id_(id), first_(first) {}

DealRun::~DealRun() = default;

std::unique_ptr<Driver> DealRun::TakeDealer() {
    {
        std::lock_guard<std::mutex> lock(pool_guard_);
        if (!pool_.empty()) {
            std::unique_ptr<Driver> dealer = std::move(pool_.back());
            pool_.pop_back();
            return dealer;
        }
    }
    // Made outside the lock: the first deal of each worker need not wait.
    auto dealer = std::make_unique<Driver>(source_.program_folder(), source_.games());
    ChooseGame(dealer->engine(), id_);
    return dealer;
}

void DealRun::GiveBack(std::unique_ptr<Driver> dealer) {
    std::lock_guard<std::mutex> lock(pool_guard_);
    pool_.push_back(std::move(dealer));
}

bool DealRun::Make(int64_t index, Engine& out) {
    std::unique_ptr<Driver> dealer = TakeDealer();
    const bool dealt = DealCurrentGame(*dealer, SampleDealNumber(static_cast<uint64_t>(first_ + index))).error.empty();
    if (dealt) CopyQuietly(dealer->engine(), out);
    GiveBack(std::move(dealer));
    return dealt;
}

}  // namespace velmora::cli
