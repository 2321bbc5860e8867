#include "render/flight_path.h"

#include <algorithm>
#include <cstdlib>

#include "engine/layout/nearest.h"

namespace velmora {

int FlightStep(int distance, bool fast) {
    const double a = distance;
    int step = Nearest(a / (0.0128 * a + 4) + 0.5);
    if (fast) step = Nearest(step * 0.9);
    // A step of 0 would never arrive.
    return std::max(1, step);
}

std::vector<QPoint> FlightPath(QPoint from, QPoint to, bool fast) {
    const int dx = to.x() - from.x();
    const int dy = to.y() - from.y();
    const bool along_x = std::abs(dx) >= std::abs(dy);
    const int longer = along_x ? dx : dy;
    const int shorter = along_x ? dy : dx;
    const int a = std::abs(longer);
    std::vector<QPoint> path;
    if (a == 0) return path;
    const int step = FlightStep(a, fast);
    const int sign = longer > 0 ? 1 : -1;
    for (int progress = 0; progress < a;) {
        progress += std::min(step, a - progress);
        const int percent = Nearest(progress * 100.0 / a + 0.5);
        const int across = Nearest(percent * shorter / 100.0);
        const int along = sign * progress;
        path.push_back(along_x ? QPoint(from.x() + along, from.y() + across)
                               : QPoint(from.x() + across, from.y() + along));
    }
    return path;
}

}  // namespace velmora
