#pragma once
// Smooth value noise that repeats: At(u + 1, v) == At(u, v) == At(u, v + 1),
// so textures made of it tile without seams.

#include <cstdint>
#include <vector>

namespace velmora::rgfgen {

class TilingNoise {
  public:
    // `cells_x` by `cells_y` random lattice values over one period.
    TilingNoise(int cells_x, int cells_y, uint64_t seed);

    // In [0, 1]; u and v measured in periods.
    double At(double u, double v) const;

  private:
    double Lattice(int i, int j) const;

    int cells_x_;
    int cells_y_;
    std::vector<double> values_;
};

// Several octaves of noise, each with twice the cells and `falloff` times
// the weight of the one before; in [0, 1].
class TilingFractal {
  public:
    TilingFractal(int cells_x, int cells_y, int octaves, double falloff, uint64_t seed);
    double At(double u, double v) const;

  private:
    std::vector<TilingNoise> octaves_;
    std::vector<double> weights_;
};

}  // namespace velmora::rgfgen
