#pragma once
// The system's output through Qt Multimedia's QAudioSink: the one thing the
// sound module holds.

#include <memory>

#include "platform/audio_output.h"

namespace velmora {

std::unique_ptr<AudioOutput> MakeSinkOutput();

}  // namespace velmora
