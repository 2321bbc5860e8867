#pragma once
// What the program asks of the desktop: how many colours the screen shows,
// and the message beep.

#include <cstdint>

namespace velmora {

// Colours of a device with `bits` bits per pixel and `planes` colour planes:
// 999999999 above 24 bits, else (2^bits)^planes.
int64_t ScreenColorCount(int bits, int planes);
// The same for the primary screen (true colour when there is no screen).
int64_t ScreenColorCount();

void Beep();

}  // namespace velmora
