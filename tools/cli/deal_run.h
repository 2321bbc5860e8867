#pragma once
// A run of deals of one game, dealt on demand for the solver's workers. Each
// worker deals on a dealer of its own (taken from a pool), so the driver's
// table is left alone and dealing runs on every core too.

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "driver.h"

namespace velmora::cli {

class DealRun {
public:
    // Deals of game `id` from draw `first` on of the sample deal numbers
    // (SampleDealNumber), with the games of `d`.
    DealRun(const Driver& d, int id, int64_t first);
    ~DealRun();
    // Deals draw `first + index` onto `out`; false when it could not be dealt.
    // Safe to call from several threads.
    bool Make(int64_t index, Engine& out);

private:
    std::unique_ptr<Driver> TakeDealer();
    void GiveBack(std::unique_ptr<Driver> dealer);

    const Driver& source_;
    int id_;
    int64_t first_;
    std::mutex pool_guard_;
    std::vector<std::unique_ptr<Driver>> pool_;
};

}  // namespace velmora::cli
