// The sound module: the system's output through QAudioSink. Whether an
// output exists is asked once, on first use, and a sound server that does
// not answer in time counts as none (a frozen one would block Qt for half a
// minute).

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QCoreApplication>
#include <QMediaDevices>

#include "platform/audio_output.h"
#include "sound/pulse_check.h"
#include "sound/sink_output.h"

namespace velmora {
namespace {

class SinkStream final : public AudioStream {
public:
    explicit SinkStream(QAudioSink* sink) : sink_(sink) {}
    ~SinkStream() override {
        // deleteLater: the stream may end inside a slot the sink is emitting.
        sink_->stop();
        sink_->deleteLater();
    }
    SinkStream(const SinkStream&) = delete;
    SinkStream& operator=(const SinkStream&) = delete;

    bool Stopped() const override { return sink_->state() == QAudio::StoppedState; }
    int64_t PlayedUs() const override { return sink_->processedUSecs(); }

private:
    QAudioSink* sink_;
};

QAudioFormat SinkFormat(const PcmFormat& pcm) {
    QAudioFormat format;
    format.setSampleRate(pcm.sample_rate);
    format.setChannelCount(pcm.channels);
    format.setSampleFormat(pcm.bits_per_sample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    return format;
}

class SinkOutput final : public AudioOutput {
public:
    bool Available() override {
        if (state_ == State::Unknown) {
            state_ = State::Missing;
            // Ask the server before Qt does: a frozen server would block Qt.
            if (QCoreApplication::instance() && SoundServerAnswers()) {
                device_ = QMediaDevices::defaultAudioOutput();
                if (!device_.isNull()) state_ = State::Available;
            }
        }
        return state_ == State::Available;
    }

    std::unique_ptr<AudioStream> Start(const PcmFormat& format, std::unique_ptr<QIODevice> source) override {
        if (!Available()) return nullptr;
        auto* sink = new QAudioSink(device_, SinkFormat(format));
        source->setParent(sink);  // goes with the sink
        sink->start(source.release());
        auto stream = std::make_unique<SinkStream>(sink);
        if (sink->error() != QAudio::NoError) return nullptr;
        return stream;
    }

private:
    enum class State { Unknown, Available, Missing };
    State state_ = State::Unknown;
    QAudioDevice device_;
};

}  // namespace

std::unique_ptr<AudioOutput> MakeSinkOutput() { return std::make_unique<SinkOutput>(); }

}  // namespace velmora
