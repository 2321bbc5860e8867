#pragma once
// RIFF WAVE files for the tests, built chunk by chunk.

#include <cstdint>
#include <vector>

namespace velmora::test {

inline void PutLe(std::vector<uint8_t>& out, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

inline void PutChunk(std::vector<uint8_t>& out, const char* id, const std::vector<uint8_t>& body) {
    out.insert(out.end(), id, id + 4);
    PutLe(out, static_cast<uint32_t>(body.size()), 4);
    out.insert(out.end(), body.begin(), body.end());
    if (body.size() % 2 == 1) out.push_back(0);
}

inline std::vector<uint8_t> FormatBody(uint32_t channels, uint32_t rate, uint32_t bits, uint32_t tag = 1) {
    const uint32_t align = channels * bits / 8;
    std::vector<uint8_t> body;
    PutLe(body, tag, 2);
    PutLe(body, channels, 2);
    PutLe(body, rate, 4);
    PutLe(body, rate * align, 4);
    PutLe(body, align, 2);
    PutLe(body, bits, 2);
    return body;
}

inline std::vector<uint8_t> Riff(const std::vector<uint8_t>& chunks) {
    std::vector<uint8_t> out = {'R', 'I', 'F', 'F'};
    PutLe(out, static_cast<uint32_t>(chunks.size() + 4), 4);
    out.insert(out.end(), {'W', 'A', 'V', 'E'});
    out.insert(out.end(), chunks.begin(), chunks.end());
    return out;
}

inline std::vector<uint8_t> MakeWave(uint32_t channels, uint32_t rate, uint32_t bits, size_t data_bytes) {
    std::vector<uint8_t> chunks;
    PutChunk(chunks, "fmt ", FormatBody(channels, rate, bits));
    PutChunk(chunks, "data", std::vector<uint8_t>(data_bytes, 0x80));
    return Riff(chunks);
}

}  // namespace velmora::test
