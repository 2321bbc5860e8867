#include "support/sound_events.h"

#include <array>

#include "storage/preference_keys.h"

namespace velmora {
namespace {

using M = SoundMode;

constexpr std::array<SoundEvent, 17> kEvents{{
    {"Splash", key::kSoundsSplash.position, "Splash", M::Async},
    {"New", key::kSoundsNewGame.position, "New", M::Sync},
    {"Shuffle", key::kSoundsShuffle.position, "Shuffle", M::Async},
    {"Shuffle_Loop", key::kSoundsShuffle.position, "Shuffle", M::Loop},
    {"Shuffle_Tableau", key::kSoundsTableau.position, "Shuffle", M::Async},
    {"Tableau", key::kSoundsTableau.position, "Tableau", M::Async},
    {"Foundation", key::kSoundsFoundation.position, "Foundation", M::Async},
    {"Eddy", key::kSoundsFoundation.position, "Eddy", M::Async},
    {"Autoplay", key::kSoundsAutoplay.position, "Autoplay", M::Async},
    {"Stock", key::kSoundsStock.position, "Stock", M::Async},
    {"Pairing", key::kSoundsPairing.position, "Pairing", M::Async},
    {"Redeal", key::kSoundsRedeal.position, "Redeal", M::Loop},
    {"Red_no_a", key::kSoundsRedealWithoutAnimation.position, "Red_no_a", M::Sync},
    {"card_up", key::kSoundsCardUp.position, "card_up", M::Async},
    {"card_down", key::kSoundsCardDown.position, "card_down", M::Async},
    {"Face_up", key::kSoundsFaceUp.position, "Face_up", M::Async},
    {"Won", key::kSoundsGameWon.position, "Won", M::Async},
}};

}  // namespace

const SoundEvent* FindSoundEvent(std::string_view event) {
    for (const SoundEvent& entry : kEvents) {
        if (entry.event == event) return &entry;
    }
    return nullptr;
}

void EventSounds::PlayEvent(std::string_view name) {
    if (name == "Stop") {
        sounds_.StopSound();
        return;
    }
    const SoundEvent* event = FindSoundEvent(name);
    if (event == nullptr) return;
    const bool enabled = params_.IsYes(event->switch_position);
    switch (event->mode) {
        case SoundMode::Async: sounds_.PlaySoundAsync(event->sound, enabled); break;
        case SoundMode::Sync: sounds_.PlaySoundSync(event->sound, enabled); break;
        case SoundMode::Loop: sounds_.PlaySoundLoop(event->sound, enabled); break;
    }
}

}  // namespace velmora
