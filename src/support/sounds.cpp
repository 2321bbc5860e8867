#include "support/sounds.h"

#include "storage/preference_keys.h"
#include "storage/record_settings.h"

namespace velmora {

void Sounds::PlaySoundResource(std::string_view name, SoundMode mode) {
    const std::optional<std::span<const uint8_t>> wave = library_.FindWave(name);
    if (!wave) {
        output_.Stop();
        return;
    }
    switch (mode) {
        case SoundMode::Async: output_.PlayAsync(*wave); break;
        case SoundMode::Sync: output_.PlaySync(*wave); break;
        case SoundMode::Loop: output_.PlayLoop(*wave); break;
    }
}

bool Sounds::MasterSwitchOn() const { return params_.IsYes(key::kSoundsEnabled.position); }

void Sounds::PlayIf(std::string_view name, bool enabled, SoundMode mode) {
    if (enabled && MasterSwitchOn()) PlaySoundResource(name, mode);
}

void Sounds::StopSound() {
    if (MasterSwitchOn()) output_.Stop();
}

void PlaySplashSound(ParamRecord& params, const SettingsFile& file, Sounds& sounds) {
    LoadIntoRecord(file, params, key::kSoundsEnabled);
    sounds.PlaySoundAsync("Splash", file.IsYes(key::kSoundsSplash));
}

}  // namespace velmora
