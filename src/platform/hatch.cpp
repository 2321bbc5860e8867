#include "platform/hatch.h"

namespace velmora {
namespace {

constexpr int kPeriod = 8;

// Remainder in [0, m) also for negative coordinates.
int Mod(int v, int m) {
    int r = v % m;
    return r < 0 ? r + m : r;
}

bool OnFalling(int x, int y) { return Mod(x - y, kPeriod) == 0; }
bool OnRising(int x, int y) { return Mod(x + y, kPeriod) == kPeriod - 1; }

}  // namespace

bool HatchCovers(Hatch hatch, int x, int y) {
    switch (hatch) {
        case Hatch::Horizontal: return Mod(y, kPeriod) == 0;
        case Hatch::Vertical: return Mod(x, kPeriod) == 0;
        case Hatch::FallingDiagonal: return OnFalling(x, y);
        case Hatch::RisingDiagonal: return OnRising(x, y);
        case Hatch::Cross: return Mod(x, kPeriod) == 0 || Mod(y, kPeriod) == 0;
        case Hatch::DiagonalCross: return OnFalling(x, y) || OnRising(x, y);
        case Hatch::DenseDiagonal: return Mod(x + y, 2) == 0;
    }
    return false;
}

}  // namespace velmora
