#pragma once
// Where the sound player's samples go: the system's output through
// QAudioSink, or a test's stand-in. The player decides what plays, when a
// sound is over and which sound a stop belongs to; an output only starts a
// stream and reports how far it has played.

#include <QAudioFormat>
#include <QIODevice>

#include <cstdint>
#include <memory>

namespace velmora {

// One sound being played. Destroying it stops the sound.
class AudioStream {
public:
    virtual ~AudioStream() = default;
    // The output stopped the stream by itself (an error, a device gone).
    virtual bool Stopped() const = 0;
    // Microseconds of the sound that have been played.
    virtual int64_t PlayedUs() const = 0;
};

class AudioOutput {
public:
    virtual ~AudioOutput() = default;
    // Whether sound can be heard at all.
    virtual bool Available() = 0;
    // Starts playing the samples read from `source` (open for reading); the
    // stream keeps the source. Null when the stream cannot start.
    virtual std::unique_ptr<AudioStream> Start(const QAudioFormat& format, std::unique_ptr<QIODevice> source) = 0;
};

// The system's default output through QAudioSink. Whether it exists is asked
// once, on first use, and a sound server that does not answer in time counts
// as none (a frozen one would block Qt for half a minute).
std::unique_ptr<AudioOutput> MakeSystemAudioOutput();

}  // namespace velmora
