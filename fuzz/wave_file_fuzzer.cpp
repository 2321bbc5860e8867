// The RIFF WAVE parser on any bytes: a refusal with a reason, or a format the
// sound player supports with samples inside the bytes.
#include <cstddef>
#include <cstdint>
#include <span>

#include "wave_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    velmora::fuzz::CheckWave(std::span<const uint8_t>(data, size));
    return 0;
}
