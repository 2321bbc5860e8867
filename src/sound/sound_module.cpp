// The entry of the sound module, found by name when the program loads it.

#include "platform/audio_output.h"
#include "sound/sink_output.h"

extern "C" __attribute__((visibility("default"))) velmora::AudioOutput* velmora_make_audio_output() {
    return velmora::MakeSinkOutput().release();
}
