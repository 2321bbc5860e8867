#include "ui/main/clock_text.h"

#include "text/fixed_text.h"

namespace velmora {

int ElapsedSeconds(int start, int now) {
    if (now >= start) return now - start;
    constexpr int kLastSecond = kSecondsPerDay - 1;  // 23:59:59
    return now + (kLastSecond - start);
}

std::string FormatElapsed(int seconds, char separator) {
    if (seconds < 0) seconds = 0;
    const int hours = seconds / 3600;
    const int minutes = seconds / 60 % 60;
    return std::to_string(hours) + separator + ZeroPad(minutes, 2) + separator +
           ZeroPad(seconds % 60, 2);
}

}  // namespace velmora
