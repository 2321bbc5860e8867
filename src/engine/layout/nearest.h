#pragma once
// Rounding of the table arithmetic: to the nearest integer, halves to the
// even neighbour, so 0.5 -> 0, 1.5 -> 2, 2.5 -> 2 and -0.5 -> 0.

#include <cmath>

namespace velmora {

inline int Nearest(double x) {
    const double below = std::floor(x);
    const double rest = x - below;
    double result = below;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(below, 2.0) != 0.0)) result = below + 1.0;
    // The table never needs more than 16 bits; keep the conversion defined.
    if (result > 1e9) return 1000000000;
    if (result < -1e9) return -1000000000;
    return static_cast<int>(result);
}

// nearest(numerator / denominator) without a division by zero: a zero
// denominator counts as one.
inline int NearestRatio(int numerator, int denominator) {
    return Nearest(static_cast<double>(numerator) / static_cast<double>(denominator == 0 ? 1 : denominator));
}

}  // namespace velmora
