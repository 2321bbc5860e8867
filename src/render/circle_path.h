#pragma once
// The path the circles pattern of the winning animation throws a card
// along: the outline of a circle 300 pixels across, as points of its
// 300 x 300 square, from the top clockwise (right half downwards, then the
// left half upwards), every fourth outline point.

#include <QPoint>

#include <vector>

namespace velmora {

inline constexpr int kCircleDiameter = 300;
inline constexpr int kCirclePathLimit = 300;

// At most kCirclePathLimit points; the first is the top of the circle.
std::vector<QPoint> CirclePath();

}  // namespace velmora
