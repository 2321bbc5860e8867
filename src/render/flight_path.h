#pragma once
// The path of a flying card: the points it is shown at, step by step, from
// its start to its target. Along the longer axis it moves by a step that
// grows with the distance, nearest(a / (0.0128 a + 4) + 0.5) for a distance
// of a pixels (nine tenths of it for the fast flights of the deal); the
// shorter axis follows in proportion, in whole percent.

#include <QPoint>

#include <vector>

namespace velmora {

// The step length along the longer axis for a distance of `distance` pixels.
int FlightStep(int distance, bool fast);

// Every point after each step, the last one being `to`; empty when the
// card is already there.
std::vector<QPoint> FlightPath(QPoint from, QPoint to, bool fast);

}  // namespace velmora
