#include "platform/sound_player.h"

#include <QBuffer>
#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <optional>
#include <thread>
#include <utility>

#include "platform/timing.h"
#include "platform/wave_file.h"

namespace velmora {
namespace {

// A synchronous sound never holds the program longer than its length plus this.
constexpr int64_t kSyncGraceMs = 1500;

// Samples that start again from the beginning when they run out, so a
// looping sound never goes idle and never has to restart its stream.
class LoopingSamples : public QIODevice {
public:
    LoopingSamples(QByteArray samples, QObject* parent)
        : QIODevice(parent), samples_(std::move(samples)) {}

    bool isSequential() const override { return true; }
    // Never at an end, however much has been read.
    bool atEnd() const override { return false; }
    qint64 bytesAvailable() const override { return samples_.size() + QIODevice::bytesAvailable(); }

protected:
    qint64 readData(char* out, qint64 max) override {
        qint64 done = 0;
        while (done < max) {
            qint64 n = std::min<qint64>(max - done, samples_.size() - pos_);
            std::memcpy(out + done, samples_.constData() + pos_, static_cast<size_t>(n));
            done += n;
            pos_ = (pos_ + n) % samples_.size();
        }
        return done;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray samples_;  // never empty
    qint64 pos_ = 0;
};

PcmFormat FormatOf(const WaveSound& wave) {
    return PcmFormat{wave.sample_rate, wave.channels, wave.bits_per_sample};
}

std::unique_ptr<QIODevice> SourceFor(QByteArray samples, SoundPlayer::Mode mode) {
    std::unique_ptr<QIODevice> source;
    if (mode == SoundPlayer::Mode::Loop) {
        source = std::make_unique<LoopingSamples>(std::move(samples), nullptr);
    } else {
        auto buffer = std::make_unique<QBuffer>();
        buffer->setData(samples);
        source = std::move(buffer);
    }
    source->open(QIODevice::ReadOnly);
    return source;
}

}  // namespace

SoundPlayer::SoundPlayer(QObject* parent) : SoundPlayer(MakeSystemAudioOutput(), parent) {}

SoundPlayer::SoundPlayer(std::unique_ptr<AudioOutput> output, QObject* parent)
    : QObject(parent), output_(std::move(output)) {}

SoundPlayer::~SoundPlayer() { Stop(); }

bool SoundPlayer::OutputAvailable() { return output_->Available(); }

bool SoundPlayer::Play(std::span<const uint8_t> wave, Mode mode) {
    Stop();
    return Start(wave, mode);
}

void SoundPlayer::Stop() {
    ++generation_;
    stream_.reset();
}

bool SoundPlayer::Start(std::span<const uint8_t> bytes, Mode mode) {
    std::optional<WaveSound> wave = ParseWave(bytes);
    if (!wave || wave->data_size == 0 || !OutputAvailable()) return false;

    const uint64_t generation = generation_;
    QByteArray samples(reinterpret_cast<const char*>(bytes.data() + wave->data_offset),
                       static_cast<qsizetype>(wave->data_size));
    stream_ = output_->Start(FormatOf(*wave), SourceFor(std::move(samples), mode));
    if (!stream_) return false;
    if (mode == Mode::Sync) WaitUntilHeard(generation, wave->DurationUs());
    return true;
}

// The sink reports idle before the last samples have been heard, so this
// waits for the played time instead. Timers keep running (the sink is fed
// from them); input waits until the sound is over. A stop, or a newer sound
// started by a timer meanwhile, ends the wait at once; the newer sound is
// left playing.
void SoundPlayer::WaitUntilHeard(uint64_t generation, int64_t duration_us) {
    const int64_t give_up = Ticks() + duration_us / 1000 + kSyncGraceMs;
    auto still_ours = [&] { return generation == generation_ && stream_; };
    while (still_ours() && !stream_->Stopped() && stream_->PlayedUs() < duration_us && Ticks() < give_up) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    if (still_ours()) stream_.reset();
}

}  // namespace velmora
