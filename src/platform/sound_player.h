#pragma once
// Plays RIFF WAVE sounds held in memory, one at a time: a new sound replaces
// the one playing. Without a sound server or output device it stays silent,
// returns at once and never blocks.

#include <QObject>

#include <cstdint>
#include <memory>
#include <span>

#include "platform/audio_output.h"

namespace velmora {

class SoundPlayer : public QObject {
public:
    enum class Mode {
        Async,  // returns at once
        Sync,   // returns when the sound has been heard (events keep running, input waits)
        Loop,   // repeats without a gap until stopped or replaced
    };

    // Plays through the system's output.
    explicit SoundPlayer(QObject* parent = nullptr);
    // Plays through `output` (a test's stand-in).
    explicit SoundPlayer(std::unique_ptr<AudioOutput> output, QObject* parent = nullptr);
    ~SoundPlayer() override;

    // False when the bytes are no playable wave or there is no output; the
    // sound that was playing stops either way.
    bool Play(std::span<const uint8_t> wave, Mode mode);
    void Stop();
    // Whether sound can be heard at all (asked once, on first use).
    bool OutputAvailable();

private:
    bool Start(std::span<const uint8_t> wave, Mode mode);
    void WaitUntilHeard(uint64_t generation, int64_t duration_us);

    std::unique_ptr<AudioOutput> output_;
    std::unique_ptr<AudioStream> stream_;
    // Counts every start and stop. A synchronous wait can see another sound
    // start inside it (timers run meanwhile); the count tells it that the
    // stream is no longer its own to stop.
    uint64_t generation_ = 0;
};

}  // namespace velmora
