#include <gtest/gtest.h>

#include <random>

#include "platform/wave_file.h"
#include "test_waves.h"

namespace velmora {
namespace {

using test::FormatBody;
using test::PutChunk;

std::vector<uint8_t> Wave(const std::vector<uint8_t>& format, const std::vector<uint8_t>& data) {
    std::vector<uint8_t> chunks;
    PutChunk(chunks, "fmt ", format);
    PutChunk(chunks, "LIST", {1, 2, 3});  // odd size: a pad byte follows
    PutChunk(chunks, "data", data);
    return test::Riff(chunks);
}

TEST(WaveFile, ReadsPcmSkippingOtherChunksAndPartialFrames) {
    auto wave = ParseWave(Wave(FormatBody(2, 8000, 16), std::vector<uint8_t>(8002, 0)));
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->channels, 2);
    EXPECT_EQ(wave->data_offset, 12u + 24u + 12u + 8u);
    EXPECT_EQ(wave->data_size, 8000u);
    EXPECT_EQ(wave->DurationUs(), 250'000);
}

TEST(WaveFile, RefusesWhatItCannotPlay) {
    std::vector<uint8_t> bad_align = FormatBody(2, 8000, 16);
    bad_align[12] = 1;
    for (const auto& format : {FormatBody(1, 8000, 16, 3), FormatBody(3, 8000, 16),
                               FormatBody(1, 8000, 24), FormatBody(1, 0, 16), bad_align,
                               std::vector<uint8_t>{1, 0, 1, 0}})
        EXPECT_FALSE(ParseWave(Wave(format, {0, 0, 0, 0})));
}

TEST(WaveFile, SurvivesTruncatedAndMutatedHeaders) {
    const std::vector<uint8_t> good = test::MakeWave(2, 22050, 16, 64);
    for (size_t n = 0; n < good.size(); ++n) EXPECT_FALSE(ParseWave({good.data(), n})) << n;
    std::mt19937 random(7);
    for (int round = 0; round < 5000; ++round) {
        std::vector<uint8_t> bytes = good;
        for (int k = 0; k <= round % 3; ++k) bytes[random() % 44] = static_cast<uint8_t>(random());
        if (auto wave = ParseWave(bytes)) {
            EXPECT_LE(wave->data_offset + wave->data_size, bytes.size());
        }
    }
}

}  // namespace
}  // namespace velmora
