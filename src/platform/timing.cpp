#include "platform/timing.h"

#include <QCoreApplication>

#include <chrono>
#include <thread>

namespace velmora {

int64_t Ticks() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void WaitProcessing(int64_t ms) {
    const int64_t start = Ticks();
    for (;;) {
        if (QCoreApplication::instance()) QCoreApplication::processEvents();
        if (Ticks() - start >= ms) return;
        // A short sleep instead of spinning; well below one animation step.
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
}

void Wait(int64_t ms) {
    if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

}  // namespace velmora
