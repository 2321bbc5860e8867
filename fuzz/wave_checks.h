#pragma once
// What a parsed wave must promise its players, checked by the harnesses that
// meet waves: a supported PCM format, and samples that lie inside the bytes
// in whole frames.

#include <cstdint>
#include <span>
#include <string>

#include "fuzz_support.h"
#include "platform/wave_file.h"

namespace velmora::fuzz {

// Where the sample sum goes, so the reads of the samples are not optimised away.
inline volatile unsigned wave_sample_sum = 0;

inline void CheckWave(std::span<const uint8_t> bytes) {
    std::string error;
    const std::optional<WaveSound> wave = ParseWave(bytes, &error);
    if (!wave) {
        Check(!error.empty(), "a refused wave gives a reason");
        return;
    }
    Check(wave->channels == 1 || wave->channels == 2, "channels");
    Check(wave->bits_per_sample == 8 || wave->bits_per_sample == 16, "bits per sample");
    Check(wave->sample_rate > 0 && wave->sample_rate <= 768000, "sample rate");
    Check(wave->data_offset <= bytes.size() && wave->data_size <= bytes.size() - wave->data_offset,
          "the samples lie outside the bytes");
    Check(wave->data_size % static_cast<size_t>(wave->BytesPerFrame()) == 0, "a partial frame");
    Check(wave->DurationUs() >= 0, "a negative duration");
    // Touch every sample, as a player would, so the sanitizers see the reads.
    unsigned sum = 0;
    for (uint8_t b : bytes.subspan(wave->data_offset, wave->data_size)) sum += b;
    wave_sample_sum = sum;
}

}  // namespace velmora::fuzz
