#include "storage/preference_keys.h"

#include <array>

namespace velmora::key {

std::span<const SettingKey* const> SoundSwitchKeys() {
    static constexpr std::array<const SettingKey*, 20> kSwitches{
        &kSoundsAbout,    &kSoundsAutoplay,   &kSoundsGameWon, &kSoundsNewGame,  &kSoundsRedo,
        &kSoundsRestart,  &kSoundsSplash,     &kSoundsShuffle, &kSoundsUndo,     &kSoundsHiScores,
        &kSoundsNewHiScores, &kSoundsPairing, &kSoundsStock,   &kSoundsTableau,  &kSoundsFaceUp,
        &kSoundsCardDown, &kSoundsCardUp,     &kSoundsRedeal,  &kSoundsFoundation,
        &kSoundsRedealWithoutAnimation};
    return kSwitches;
}

}  // namespace velmora::key
