#include "render/circle_path.h"

#include <vector>

namespace velmora {

namespace {

constexpr int kSize = kCircleDiameter;
// The columns either side of the centre line the two scans start beyond.
constexpr int kRightOf = 150;
constexpr int kLeftOf = 149;
constexpr int kKeepEvery = 4;

// The circle as drawn in a square bitmap: the pixels of the disc whose
// centres lie within the circle (integer arithmetic on doubled coordinates,
// so the centre sits between pixels 149 and 150).
bool InDisc(int x, int y) {
    if (x < 0 || y < 0 || x >= kSize || y >= kSize) return false;
    const int dx = 2 * x - (kSize - 1);
    const int dy = 2 * y - (kSize - 1);
    return dx * dx + dy * dy <= kSize * kSize;
}

// The outline: disc pixels with a side neighbour outside the disc, a line
// one pixel wide with no gaps.
bool OnOutline(int x, int y) {
    return InDisc(x, y) && (!InDisc(x - 1, y) || !InDisc(x + 1, y) || !InDisc(x, y - 1) || !InDisc(x, y + 1));
}

void Keep(std::vector<QPoint>& path, int& found, int x, int y) {
    if (found++ % kKeepEvery == 0 && static_cast<int>(path.size()) < kCirclePathLimit) path.emplace_back(x, y);
}

}  // namespace

std::vector<QPoint> CirclePath() {
    std::vector<QPoint> path;
    int found = 0;
    for (int y = 0; y < kSize; ++y) {
        for (int x = kRightOf + 1; x < kSize; ++x) {
            if (!OnOutline(x, y)) continue;
            Keep(path, found, x, y);
            break;
        }
    }
    for (int y = kSize - 1; y >= 0; --y) {
        for (int x = kLeftOf - 1; x >= 0; --x) {
            if (!OnOutline(x, y)) continue;
            Keep(path, found, x, y);
            break;
        }
    }
    return path;
}

}  // namespace velmora
