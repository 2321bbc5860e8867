#include "platform/audio_output.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QCoreApplication>
#include <QMediaDevices>

#include "platform/pulse_check.h"

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

class SystemAudioOutput final : public AudioOutput {
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

    std::unique_ptr<AudioStream> Start(const QAudioFormat& format, std::unique_ptr<QIODevice> source) override {
        if (!Available()) return nullptr;
        auto* sink = new QAudioSink(device_, format);
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

std::unique_ptr<AudioOutput> MakeSystemAudioOutput() { return std::make_unique<SystemAudioOutput>(); }

}  // namespace velmora
