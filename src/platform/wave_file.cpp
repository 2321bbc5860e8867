// Every chunk size is checked against what is left of the file before the
// chunk is looked at; odd-sized chunks are followed by one pad byte.

#include "platform/wave_file.h"

#include <cstring>
#include <utility>

namespace velmora {
namespace {

constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kFormatExtensible = 0xFFFE;
constexpr uint32_t kMaxSampleRate = 768000;

uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

uint32_t U32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

bool Is(const uint8_t* p, const char* tag) { return std::memcmp(p, tag, 4) == 0; }

bool Fail(std::string* error, std::string reason) {
    if (error) *error = std::move(reason);
    return false;
}

// The "fmt " chunk: PCM (plain, or extensible with a PCM sub-format).
bool ReadFormat(const uint8_t* p, uint32_t size, WaveSound* wave, std::string* error) {
    if (size < 16) return Fail(error, "format chunk too short");
    uint16_t tag = U16(p);
    if (tag == kFormatExtensible) {
        // cbSize (2), valid bits (2), channel mask (4), then the sub-format GUID.
        if (size < 40 || U16(p + 24) != kFormatPcm) return Fail(error, "not PCM samples");
    } else if (tag != kFormatPcm) {
        return Fail(error, "not PCM samples");
    }
    uint16_t channels = U16(p + 2);
    uint32_t rate = U32(p + 4);
    uint16_t block_align = U16(p + 12);
    uint16_t bits = U16(p + 14);
    if (channels != 1 && channels != 2) return Fail(error, "unsupported channel count");
    if (bits != 8 && bits != 16) return Fail(error, "unsupported sample size");
    if (rate == 0 || rate > kMaxSampleRate) return Fail(error, "unsupported sample rate");
    if (block_align != channels * bits / 8) return Fail(error, "inconsistent frame size");
    wave->channels = channels;
    wave->sample_rate = static_cast<int>(rate);
    wave->bits_per_sample = bits;
    return true;
}

}  // namespace

int64_t WaveSound::DurationUs() const {
    int frame = BytesPerFrame();
    if (frame <= 0 || sample_rate <= 0) return 0;
    int64_t frames = static_cast<int64_t>(data_size / static_cast<size_t>(frame));
    return frames * 1'000'000 / sample_rate;
}

std::optional<WaveSound> ParseWave(std::span<const uint8_t> bytes, std::string* error) {
    if (bytes.size() < 12 || !Is(bytes.data(), "RIFF") || !Is(bytes.data() + 8, "WAVE")) {
        Fail(error, "not a RIFF WAVE file");
        return std::nullopt;
    }
    uint32_t riff_size = U32(bytes.data() + 4);
    if (riff_size < 4 || riff_size > bytes.size() - 8) {
        Fail(error, "RIFF size does not match the file");
        return std::nullopt;
    }
    const size_t end = 8 + static_cast<size_t>(riff_size);

    WaveSound wave;
    bool have_format = false;
    size_t pos = 12;
    while (end - pos >= 8) {
        const uint8_t* chunk = bytes.data() + pos;
        uint32_t size = U32(chunk + 4);
        pos += 8;
        if (size > end - pos) {
            Fail(error, "chunk runs past the end of the file");
            return std::nullopt;
        }
        if (Is(chunk, "fmt ") && !have_format) {
            if (!ReadFormat(bytes.data() + pos, size, &wave, error)) return std::nullopt;
            have_format = true;
        } else if (Is(chunk, "data")) {
            if (!have_format) {
                Fail(error, "samples before the format");
                return std::nullopt;
            }
            wave.data_offset = pos;
            wave.data_size = size - size % static_cast<uint32_t>(wave.BytesPerFrame());
            if (error) error->clear();
            return wave;
        }
        pos += size;
        if (size % 2 == 1 && pos < end) ++pos;
    }
    Fail(error, have_format ? "no samples" : "no format chunk");
    return std::nullopt;
}

}  // namespace velmora
