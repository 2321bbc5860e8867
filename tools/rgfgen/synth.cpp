#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velmora::rgfgen {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

// A band-pass biquad (constant peak gain), recomputed when the centre moves.
class BandPass {
  public:
    BandPass(double centre, double q) { Tune(centre, q); }

    void Tune(double centre, double q) {
        const double w = kTwoPi * centre / kSampleRate;
        const double alpha = std::sin(w) / (2 * q);
        const double a0 = 1 + alpha;
        b0_ = alpha / a0;
        b2_ = -alpha / a0;
        a1_ = -2 * std::cos(w) / a0;
        a2_ = (1 - alpha) / a0;
    }

    double Step(double x) {
        const double y = b0_ * x + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_;
        x1_ = x;
        y2_ = y1_;
        y1_ = y;
        return y;
    }

  private:
    double b0_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

void Put16(std::vector<uint8_t>& out, uint16_t value) {
    out.push_back(static_cast<uint8_t>(value & 0xFF));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t value) {
    Put16(out, static_cast<uint16_t>(value & 0xFFFF));
    Put16(out, static_cast<uint16_t>(value >> 16));
}

void PutTag(std::vector<uint8_t>& out, const char* tag) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<uint8_t>(tag[i]));
    }
}

}  // namespace

int SamplesFor(double seconds) {
    return static_cast<int>(std::lround(seconds * kSampleRate));
}

void MixIn(Samples& mix, const Samples& sound, double at, double gain) {
    const size_t start = static_cast<size_t>(SamplesFor(at));
    if (mix.size() < start + sound.size()) {
        mix.resize(start + sound.size(), 0.0);
    }
    for (size_t i = 0; i < sound.size(); ++i) {
        mix[start + i] += sound[i] * gain;
    }
}

Samples Chime(double frequency, double seconds, double decay) {
    // Partials of a small bell: the fundamental, an octave and a fifth above.
    constexpr double kPartials[][2] = {{1.0, 1.0}, {2.0, 0.35}, {3.0, 0.15}, {4.2, 0.08}};
    Samples out(static_cast<size_t>(SamplesFor(seconds)));
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        double value = 0;
        for (const auto& [ratio, level] : kPartials) {
            // Higher partials die away sooner.
            value +=
                level * std::sin(kTwoPi * frequency * ratio * t) * std::exp(-t * ratio / decay);
        }
        const double attack = std::min(1.0, t / 0.004);
        out[i] = value * attack;
    }
    return out;
}

Samples NoiseBurst(Random& random, double seconds, double centre, double q, double decay) {
    BandPass filter(centre, q);
    Samples out(static_cast<size_t>(SamplesFor(seconds)));
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double envelope = std::min(1.0, t / 0.0015) * std::exp(-t / decay);
        out[i] = filter.Step(random.Range(-1, 1)) * envelope;
    }
    return out;
}

Samples Swish(Random& random, double seconds, double from, double to) {
    BandPass filter(from, 1.2);
    Samples out(static_cast<size_t>(SamplesFor(seconds)));
    for (size_t i = 0; i < out.size(); ++i) {
        const double phase = static_cast<double>(i) / static_cast<double>(out.size());
        filter.Tune(from * std::pow(to / from, phase), 1.2);
        const double envelope = std::sin(std::numbers::pi * phase);
        out[i] = filter.Step(random.Range(-1, 1)) * envelope * envelope;
    }
    return out;
}

void Normalise(Samples& samples, double peak) {
    double loudest = 0;
    for (double s : samples) {
        loudest = std::max(loudest, std::abs(s));
    }
    if (loudest > 0) {
        for (double& s : samples) {
            s *= peak / loudest;
        }
    }
}

void FadeEnds(Samples& samples, double seconds) {
    const size_t n = std::min(samples.size() / 2, static_cast<size_t>(SamplesFor(seconds)));
    for (size_t i = 0; i < n; ++i) {
        const double gain = static_cast<double>(i) / static_cast<double>(n);
        samples[i] *= gain;
        samples[samples.size() - 1 - i] *= gain;
    }
}

std::vector<uint8_t> EncodeWave(const Samples& samples) {
    constexpr uint16_t kChannels = 1;
    constexpr uint16_t kBits = 16;
    const uint32_t data_size = static_cast<uint32_t>(samples.size() * 2);
    std::vector<uint8_t> out;
    out.reserve(44 + data_size);
    PutTag(out, "RIFF");
    Put32(out, 36 + data_size);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, 16);
    Put16(out, 1);  // PCM
    Put16(out, kChannels);
    Put32(out, kSampleRate);
    Put32(out, kSampleRate * kChannels * kBits / 8);
    Put16(out, kChannels * kBits / 8);
    Put16(out, kBits);
    PutTag(out, "data");
    Put32(out, data_size);
    for (double s : samples) {
        const long value = std::lround(std::clamp(s, -1.0, 1.0) * 32767);
        Put16(out, static_cast<uint16_t>(static_cast<int16_t>(value)));
    }
    return out;
}

}  // namespace velmora::rgfgen
