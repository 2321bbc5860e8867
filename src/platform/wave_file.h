#pragma once
// RIFF WAVE files with PCM samples (8 or 16 bits, mono or stereo, any rate),
// read from memory. Standard library only, so it can be tested and fuzzed
// without a sound device.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace velmora {

struct WaveSound {
    int channels = 0;         // 1 or 2
    int sample_rate = 0;      // frames per second
    int bits_per_sample = 0;  // 8 (unsigned) or 16 (signed)
    size_t data_offset = 0;   // where the samples start in the file's bytes
    size_t data_size = 0;     // a whole number of frames

    int BytesPerFrame() const { return channels * bits_per_sample / 8; }
    int64_t DurationUs() const;
};

// The sound's format and where its samples lie; nothing (and a reason in
// `error`) for anything that is not a well-formed PCM wave.
std::optional<WaveSound> ParseWave(std::span<const uint8_t> bytes, std::string* error = nullptr);

}  // namespace velmora
