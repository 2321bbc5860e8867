#pragma once
// The sounds' view of the platform: the sound player and the resource
// library behind the small interfaces the sound logic is written against.

#include "platform/resource_library.h"
#include "platform/sound_player.h"
#include "support/sound_output.h"

namespace velmora {

class PlayerSoundOutput final : public SoundOutput {
public:
    explicit PlayerSoundOutput(SoundPlayer& player) : player_(player) {}
    void PlayAsync(std::span<const uint8_t> wave) override { player_.Play(wave, SoundPlayer::Mode::Async); }
    void PlaySync(std::span<const uint8_t> wave) override { player_.Play(wave, SoundPlayer::Mode::Sync); }
    void PlayLoop(std::span<const uint8_t> wave) override { player_.Play(wave, SoundPlayer::Mode::Loop); }
    void Stop() override { player_.Stop(); }

private:
    SoundPlayer& player_;
};

class ResourceSoundLibrary final : public SoundLibrary {
public:
    explicit ResourceSoundLibrary(const ResourceLibrary& library) : library_(library) {}
    std::optional<std::span<const uint8_t>> FindWave(std::string_view name) const override {
        if (!library_.Contains(rgf::Kind::Wave, name)) return std::nullopt;
        return library_.Wave(name);
    }

private:
    const ResourceLibrary& library_;
};

}  // namespace velmora
