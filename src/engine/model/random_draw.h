#pragma once
// Random(n) of the program's arithmetic: a whole number drawn uniformly from
// 0 .. n - 1 with the engine's generator. Below 1 there is nothing to choose
// from and the answer is 0 (nothing is drawn).

#include <random>

namespace velmora {

inline int RandomBelow(std::mt19937_64& random, int n) {
    if (n < 1) return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(random);
}

}  // namespace velmora
