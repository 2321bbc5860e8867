#pragma once
// Where the sound player's samples go: the system's output, or a test's
// stand-in. The player decides what plays, when a sound is over and which
// sound a stop belongs to; an output only starts a stream and reports how
// far it has played.
//
// The system's output lives in a module of its own (velmora-sound.so beside
// the program), loaded when the first sound plays: the sound libraries it
// needs are neither loaded nor resident in a game that plays none.

#include <QIODevice>
#include <QString>

#include <cstdint>
#include <memory>

namespace velmora {

// Linear PCM as a wave file holds it: unsigned 8 or signed 16 bits.
struct PcmFormat {
    int sample_rate = 0;
    int channels = 0;
    int bits_per_sample = 0;
};

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
    virtual std::unique_ptr<AudioStream> Start(const PcmFormat& format, std::unique_ptr<QIODevice> source) = 0;
};

// The name of the module's function that makes its output (extern "C",
// returning an AudioOutput the caller owns).
inline constexpr char kMakeAudioOutputSymbol[] = "velmora_make_audio_output";
using MakeAudioOutputFunction = AudioOutput* (*)();

// The module's file name, looked for beside the program.
inline constexpr char kSoundModuleName[] = "velmora-sound.so";

// The system's default output, from the module beside the program. The
// module is loaded on first use; when it is missing or does not load, there
// is no output and sound stays off.
std::unique_ptr<AudioOutput> MakeSystemAudioOutput();
// The same from the module at `module_path`.
std::unique_ptr<AudioOutput> MakeModuleAudioOutput(const QString& module_path);

}  // namespace velmora
