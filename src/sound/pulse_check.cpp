#include "sound/pulse_check.h"

#include <pulse/context.h>
#include <pulse/mainloop.h>

#include <algorithm>
#include <chrono>
#include <climits>

namespace velmora {
namespace {

using Clock = std::chrono::steady_clock;

// Runs the loop until the context is ready, has failed, or time is up.
bool WaitReady(pa_mainloop* loop, pa_context* context, Clock::time_point deadline) {
    for (;;) {
        pa_context_state_t state = pa_context_get_state(context);
        if (state == PA_CONTEXT_READY) return true;
        if (!PA_CONTEXT_IS_GOOD(state)) return false;
        auto left = std::chrono::duration_cast<std::chrono::microseconds>(deadline - Clock::now());
        if (left.count() <= 0) return false;
        int timeout_us = static_cast<int>(std::min<int64_t>(left.count(), INT_MAX));
        if (pa_mainloop_prepare(loop, timeout_us) < 0) return false;
        if (pa_mainloop_poll(loop) < 0) return false;
        if (pa_mainloop_dispatch(loop) < 0) return false;
    }
}

}  // namespace

bool SoundServerAnswers(int deadline_ms) {
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(deadline_ms);
    pa_mainloop* loop = pa_mainloop_new();
    if (!loop) return false;
    bool ready = false;
    pa_context* context = pa_context_new(pa_mainloop_get_api(loop), "velmora-probe");
    if (context) {
        if (pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0)
            ready = WaitReady(loop, context, deadline);
        pa_context_disconnect(context);
        pa_context_unref(context);
    }
    pa_mainloop_free(loop);
    return ready;
}

}  // namespace velmora
