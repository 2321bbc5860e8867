#pragma once
// The millisecond tick counter and the two waits the animations use.

#include <cstdint>

namespace velmora {

// Milliseconds of a steady clock; only differences are meaningful.
int64_t Ticks();
// Lets pending events run (at least once) until `ms` milliseconds have passed.
void WaitProcessing(int64_t ms);
// Waits `ms` milliseconds without letting any event run.
void Wait(int64_t ms);

}  // namespace velmora
