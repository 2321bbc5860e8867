#pragma once
// Building blocks for the synthesised sounds and their RIFF WAVE encoding
// (PCM, 22050 Hz, 16-bit, mono).

#include <cstdint>
#include <vector>

#include "art/random.h"
#include "art_names.h"

namespace velmora::rgfgen {

inline constexpr int kSampleRate = 22050;

using Samples = std::vector<double>;

int SamplesFor(double seconds);

// Adds `sound` into `mix` starting at `at` seconds, growing `mix` as needed.
void MixIn(Samples& mix, const Samples& sound, double at, double gain = 1.0);

// A tone with a few harmonics, struck and fading exponentially: `decay` is
// the time for the level to fall to about a third.
Samples Chime(double frequency, double seconds, double decay);

// White noise through a band-pass filter, shaped by a fast attack and an
// exponential decay: the snap of a card.
Samples NoiseBurst(Random& random, double seconds, double centre, double q, double decay);

// Noise whose band-pass centre glides from `from` to `to` hertz: a swish.
Samples Swish(Random& random, double seconds, double from, double to);

// Scales to the given peak (full scale is 1).
void Normalise(Samples& samples, double peak);

// Short linear fades at both ends so nothing clicks.
void FadeEnds(Samples& samples, double seconds);

// RIFF WAVE bytes: "RIFF", "WAVE", a 16-byte "fmt " chunk (PCM) and "data".
std::vector<uint8_t> EncodeWave(const Samples& samples);

}  // namespace velmora::rgfgen
