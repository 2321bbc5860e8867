#pragma once
// What the sounds need from the platform: a player for RIFF WAVE bytes held
// in memory (one sound at a time; a new one replaces the one playing) and
// the sounds of the resource library by name.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace velmora {

enum class SoundMode { Async, Sync, Loop };

class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    virtual void PlayAsync(std::span<const uint8_t> wave) = 0;
    // Returns when the sound has finished.
    virtual void PlaySync(std::span<const uint8_t> wave) = 0;
    virtual void PlayLoop(std::span<const uint8_t> wave) = 0;
    virtual void Stop() = 0;
};

class SoundLibrary {
public:
    virtual ~SoundLibrary() = default;
    // The wave resource of that name (compared without regard to case); the
    // bytes stay valid while the library is loaded.
    virtual std::optional<std::span<const uint8_t>> FindWave(std::string_view name) const = 0;
};

}  // namespace velmora
