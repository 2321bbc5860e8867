#pragma once
// A run of deals of one game, dealt on demand for the solver's workers: one
// dealer of its own (so the driver's table is left alone), guarded, since
// dealing is quick beside solving.

#include <cstdint>
#include <mutex>
#include <string>

#include "driver.h"

namespace velmora::cli {

class DealRun {
public:
    // Deals of game `id` from deal number `first` on, with the games of `d`.
    DealRun(const Driver& d, int id, int64_t first);
    // Deal `first + index` onto `out`; false when it could not be dealt.
    // Safe to call from several threads.
    bool Make(int64_t index, Engine& out);

private:
    Driver dealer_;
    int64_t first_;
    std::mutex dealing_;
};

}  // namespace velmora::cli
