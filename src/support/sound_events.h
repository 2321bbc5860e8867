#pragma once
// The engine's sound events, each with its switch, its sound and its mode.
//
// Event names are the sound names, except where one sound serves two events:
//   "Shuffle"          Shuffle, switch Sounds_Shuffle, asynchronous (stock deals)
//   "Shuffle_Loop"     Shuffle, switch Sounds_Shuffle, looping (deal animation)
//   "Shuffle_Tableau"  Shuffle, switch Sounds_Tableau, asynchronous (pile transfers)
// and "Stop" stops the playing sound (end of the deal or redeal animation).
// Unknown event names play nothing.

#include <string_view>

#include "engine/model/outward.h"
#include "engine/model/param_record.h"
#include "support/sounds.h"

namespace velmora {

struct SoundEvent {
    std::string_view event;
    int switch_position;  // parameter record field of the event's switch
    std::string_view sound;
    SoundMode mode;
};

// The event of that name, or nullptr.
const SoundEvent* FindSoundEvent(std::string_view event);

class EventSounds : public SoundEvents {
public:
    EventSounds(const ParamRecord& params, Sounds& sounds) : params_(params), sounds_(sounds) {}
    void PlayEvent(std::string_view name) override;

private:
    const ParamRecord& params_;
    Sounds& sounds_;
};

}  // namespace velmora
