#include "noise.h"

#include <cmath>

#include "art/random.h"
#include "art_names.h"

namespace velmora::rgfgen {

namespace {

double Smooth(double t) {
    return t * t * (3 - 2 * t);
}

int Wrap(int i, int n) {
    return ((i % n) + n) % n;
}

}  // namespace

TilingNoise::TilingNoise(int cells_x, int cells_y, uint64_t seed)
    : cells_x_(cells_x), cells_y_(cells_y), values_(static_cast<size_t>(cells_x * cells_y)) {
    Random random(seed);
    for (double& value : values_) {
        value = random.Unit();
    }
}

double TilingNoise::Lattice(int i, int j) const {
    return values_[static_cast<size_t>(Wrap(j, cells_y_) * cells_x_ + Wrap(i, cells_x_))];
}

double TilingNoise::At(double u, double v) const {
    const double x = u * cells_x_;
    const double y = v * cells_y_;
    const int i = static_cast<int>(std::floor(x));
    const int j = static_cast<int>(std::floor(y));
    const double fx = Smooth(x - i);
    const double fy = Smooth(y - j);
    const double top = Lattice(i, j) + (Lattice(i + 1, j) - Lattice(i, j)) * fx;
    const double bottom = Lattice(i, j + 1) + (Lattice(i + 1, j + 1) - Lattice(i, j + 1)) * fx;
    return top + (bottom - top) * fy;
}

TilingFractal::TilingFractal(int cells_x, int cells_y, int octaves, double falloff, uint64_t seed) {
    double weight = 1;
    for (int o = 0; o < octaves; ++o) {
        octaves_.emplace_back(cells_x << o, cells_y << o, seed + static_cast<uint64_t>(o) * 7919);
        weights_.push_back(weight);
        weight *= falloff;
    }
}

double TilingFractal::At(double u, double v) const {
    double sum = 0;
    double total = 0;
    for (size_t o = 0; o < octaves_.size(); ++o) {
        sum += octaves_[o].At(u, v) * weights_[o];
        total += weights_[o];
    }
    return sum / total;
}

}  // namespace velmora::rgfgen
