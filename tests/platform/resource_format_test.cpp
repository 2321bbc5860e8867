// The container must give back exactly what was written, and must refuse
// (never crash on, never read past) any damaged file.

#include <gtest/gtest.h>

#include <random>

#include "platform/resource_format.h"

namespace velmora::rgf {
namespace {

const std::vector<Entry> kEntries = {
    {Kind::Bitmap, "CBS001H", {1, 2, 3, 4, 5}, 0, 0},
    {Kind::Cursor, "CUR_ARROW1A", {9, 8, 7}, 4, -2},
    {Kind::Wave, "Won", {}, 0, 0},  // empty, at the same offset as the next
    {Kind::Wave, "Shuffle", std::vector<uint8_t>(300, 0x5A), 0, 0},
};
constexpr size_t kFirstOffset = 12 + 8 + 7;  // header, kind, name length, "CBS001H"

std::vector<uint8_t> With(std::vector<uint8_t> bytes, size_t at, uint64_t value, int width) {
    for (int i = 0; i < width; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
    return bytes;
}

TEST(ResourceFormat, RoundTripsByteForByte) {
    const std::vector<uint8_t> bytes = Serialize(kEntries);
    auto parsed = Parse(bytes);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(Serialize(*parsed), bytes);
    EXPECT_EQ((*parsed)[1].name, "CUR_ARROW1A");
    EXPECT_EQ((*parsed)[1].hotspot_y, -2);
    EXPECT_EQ((*parsed)[3].payload, kEntries[3].payload);
}

TEST(ResourceFormat, RefusesDamagedHeadersNamesAndPayloadPlaces) {
    const std::vector<uint8_t> good = Serialize(kEntries);
    const uint64_t end = good.size();
    for (const auto& [at, value, width] : std::vector<std::tuple<size_t, uint64_t, int>>{
             {0, 'X', 1}, {4, 2, 4},                     // magic, version
             {8, 0x7F000004, 4},                         // more entries than could fit
             {12, 9, 4}, {16, 0, 4}, {16, 200, 4},       // kind, empty and overlong name
             {20, 0x01, 1},                              // unprintable name
             {kFirstOffset, 0, 8},                       // payload inside the header
             {kFirstOffset, end - 2, 8},                 // runs past the end
             {kFirstOffset, UINT64_MAX - 1, 8},          // offset + size wraps
             {kFirstOffset + 8, UINT64_MAX, 8},          // size wraps
             {kFirstOffset, end - 10, 8}}) {             // overlaps "Shuffle"
        std::string error;
        EXPECT_FALSE(Parse(With(good, at, value, width), &error)) << at << " " << value;
        EXPECT_FALSE(error.empty());
    }
    EXPECT_FALSE(Parse(Serialize({{Kind::Bitmap, std::string(65, 'A'), {}, 0, 0}})));
}

// Anything but a crash or an out-of-bounds read (the sanitizer build
// catches those) is acceptable here.
TEST(ResourceFormat, SurvivesTruncatedRandomAndMutatedInput) {
    const std::vector<uint8_t> good = Serialize(kEntries);
    for (size_t n = 0; n < good.size(); ++n)
        EXPECT_FALSE(Parse({good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n)})) << n;
    std::mt19937 random(20240611);
    for (int round = 0; round < 3000; ++round) {
        std::vector<uint8_t> bytes = good;
        if (round % 3 == 0) {
            bytes.resize(4 + random() % 200);
            for (uint8_t& b : bytes) b = static_cast<uint8_t>(random());
            std::copy_n("VRGF", 4, bytes.begin());
        } else {
            for (int k = 0; k <= round % 4; ++k) bytes[random() % bytes.size()] = uint8_t(random());
        }
        Parse(bytes);
    }
}

}  // namespace
}  // namespace velmora::rgf
