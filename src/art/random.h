#pragma once
// A small fixed-seed generator (SplitMix64). Every picture and sound seeds
// its own generator from its name, so the output never depends on the order
// in which things are drawn, on the machine or on the clock.

#include <cstdint>
#include <string_view>

namespace velmora::art {

class Random {
  public:
    explicit Random(uint64_t seed) : state_(seed) {}
    explicit Random(std::string_view name) : state_(Hash(name)) {}

    uint64_t Next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [0, 1).
    double Unit() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }
    double Range(double lo, double hi) { return lo + (hi - lo) * Unit(); }
    // Uniform in [0, n).
    int Below(int n) { return n <= 0 ? 0 : static_cast<int>(Next() % static_cast<uint64_t>(n)); }

    static uint64_t Hash(std::string_view text) {
        uint64_t h = 0xCBF29CE484222325ull;  // FNV-1a
        for (unsigned char c : text) {
            h ^= c;
            h *= 0x100000001B3ull;
        }
        return h;
    }

  private:
    uint64_t state_;
};

}  // namespace velmora::art
