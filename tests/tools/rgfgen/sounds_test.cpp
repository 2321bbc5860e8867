// Every sound is a plain PCM RIFF WAVE the sound player can read, short,
// audible, and the looping ones join without a click.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "library_fixture.h"
#include "synth.h"

namespace velmora::rgfgen::testing {
namespace {

uint32_t Read32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}
uint16_t Read16(const std::vector<uint8_t>& b, size_t at) {
    return static_cast<uint16_t>(b[at] | b[at + 1] << 8);
}
bool Tag(const std::vector<uint8_t>& b, size_t at, const char* tag) {
    return std::string(b.begin() + static_cast<long>(at), b.begin() + static_cast<long>(at) + 4) ==
           tag;
}

struct Pcm {
    std::vector<int16_t> samples;
};

// Checks the header the way the player reads it and returns the samples.
::testing::AssertionResult ParsePcm(const std::vector<uint8_t>& b, Pcm& out) {
    if (b.size() < 44 || !Tag(b, 0, "RIFF") || !Tag(b, 8, "WAVE") || !Tag(b, 12, "fmt ") ||
        !Tag(b, 36, "data")) {
        return ::testing::AssertionFailure() << "not a canonical RIFF WAVE";
    }
    if (Read32(b, 4) != b.size() - 8) {
        return ::testing::AssertionFailure()
               << "RIFF size " << Read32(b, 4) << " for " << b.size() << " bytes";
    }
    if (Read32(b, 16) != 16 || Read16(b, 20) != 1 || Read16(b, 22) != 1 || Read32(b, 24) != 22050 ||
        Read16(b, 34) != 16 || Read16(b, 32) != 2 || Read32(b, 28) != 44100) {
        return ::testing::AssertionFailure() << "not 22050 Hz 16-bit mono PCM";
    }
    if (Read32(b, 40) != b.size() - 44) {
        return ::testing::AssertionFailure() << "data size does not match the file";
    }
    for (size_t at = 44; at + 1 < b.size(); at += 2) {
        out.samples.push_back(static_cast<int16_t>(Read16(b, at)));
    }
    return ::testing::AssertionSuccess();
}

struct Expectation {
    const char* name;
    double longest;  // seconds
};

constexpr Expectation kSounds[] = {
    {"card_up", 0.1},  {"card_down", 0.1},  {"Tableau", 0.15}, {"Face_up", 0.2}, {"Stock", 0.25},
    {"Autoplay", 0.4}, {"Foundation", 0.6}, {"Pairing", 0.5},  {"Eddy", 0.6},    {"New", 0.6},
    {"Red_no_a", 0.6}, {"Shuffle", 1.5},    {"Redeal", 1.5},   {"Splash", 2.0},  {"Won", 2.0},
};

TEST(Sounds, AreShortAudiblePcmWaves) {
    for (const Expectation& expected : kSounds) {
        const rgf::Entry* entry = Find(expected.name);
        ASSERT_NE(entry, nullptr) << expected.name;
        Pcm pcm;
        ASSERT_TRUE(ParsePcm(entry->payload, pcm)) << expected.name;
        const double seconds = static_cast<double>(pcm.samples.size()) / 22050;
        EXPECT_GT(seconds, 0.02) << expected.name;
        EXPECT_LE(seconds, expected.longest) << expected.name;
        int peak = 0;
        for (int16_t s : pcm.samples) {
            peak = std::max(peak, std::abs(static_cast<int>(s)));
        }
        EXPECT_GT(peak, 8000) << expected.name << " is nearly silent";
        EXPECT_LT(peak, 32767) << expected.name << " clips";
        // Starts and ends at rest: no click when it starts or is cut.
        EXPECT_LT(std::abs(pcm.samples.front()), 300) << expected.name;
        EXPECT_LT(std::abs(pcm.samples.back()), 300) << expected.name;
    }
}

TEST(Sounds, LoopsJoinQuietly) {
    // A looping sound restarts at once: its last and first few
    // milliseconds are both near silence, so the joint cannot click.
    for (const char* name : {"Shuffle", "Redeal"}) {
        Pcm pcm;
        ASSERT_TRUE(ParsePcm(Find(name)->payload, pcm)) << name;
        const size_t edge = 22;  // 1 ms
        for (size_t i = 0; i < edge; ++i) {
            EXPECT_LT(std::abs(pcm.samples[i]), 1500) << name << " start " << i;
            EXPECT_LT(std::abs(pcm.samples[pcm.samples.size() - 1 - i]), 1500)
                << name << " end " << i;
        }
    }
}

TEST(Synth, EncodesSamplesRoundedAndClamped) {
    const std::vector<uint8_t> wave = EncodeWave({0.0, 0.5, -1.0, 2.0});
    Pcm pcm;
    ASSERT_TRUE(ParsePcm(wave, pcm));
    EXPECT_EQ(pcm.samples, (std::vector<int16_t>{0, 16384, -32767, 32767}));
}

}  // namespace
}  // namespace velmora::rgfgen::testing
