#pragma once
// Playing the sounds of the resource library under the master switch
// (position 141) and the caller's event switch.

#include <string_view>

#include "engine/model/param_record.h"
#include "storage/settings_file.h"
#include "support/sound_output.h"

namespace velmora {

class Sounds {
public:
    Sounds(const ParamRecord& params, const SoundLibrary& library, SoundOutput& output)
        : params_(params), library_(library), output_(output) {}

    // Plays the named wave in the given mode; a name the library does not
    // hold stops whatever is playing, silently.
    void PlaySoundResource(std::string_view name, SoundMode mode);
    // Play only when `enabled` (the event switch is "Y") and the master switch is "Y".
    void PlaySoundAsync(std::string_view name, bool enabled) { PlayIf(name, enabled, SoundMode::Async); }
    void PlaySoundSync(std::string_view name, bool enabled) { PlayIf(name, enabled, SoundMode::Sync); }
    void PlaySoundLoop(std::string_view name, bool enabled) { PlayIf(name, enabled, SoundMode::Loop); }
    // Stops the playing sound; does nothing while sounds are switched off.
    void StopSound();

    bool MasterSwitchOn() const;

private:
    void PlayIf(std::string_view name, bool enabled, SoundMode mode);

    const ParamRecord& params_;
    const SoundLibrary& library_;
    SoundOutput& output_;
};

// The splash sound, played before the preferences are loaded: copies
// Sounds_Enabled from the settings file into position 141, then plays
// "Splash" when Sounds_Splash is "Y" as well.
void PlaySplashSound(ParamRecord& params, const SettingsFile& file, Sounds& sounds);

}  // namespace velmora
