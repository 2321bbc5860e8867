#pragma once
// The playing time shown in the time panel: seconds since the game's clock
// started, counted across midnight, written "h:nn:ss".

#include <string>

namespace velmora {

inline constexpr int kSecondsPerDay = 24 * 60 * 60;

// Seconds from `start` to `now`, both seconds since midnight. When `now` is
// earlier, midnight has passed: the time up to 23:59:59 (not 24:00:00) is
// added to the time since midnight, so the day's last second is not counted.
int ElapsedSeconds(int start, int now);

// "h:nn:ss", hours without a leading zero; `separator` stands between the
// parts. Negative values show as 0:00:00.
std::string FormatElapsed(int seconds, char separator = ':');

}  // namespace velmora
