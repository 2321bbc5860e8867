// The system's output loaded from its module when a sound first plays.

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

#include "platform/audio_output.h"
#include "platform/sound_server.h"

namespace velmora {
namespace {

class ModuleAudioOutput final : public AudioOutput {
public:
    explicit ModuleAudioOutput(QString path) : path_(std::move(path)) {}

    bool Available() override { return Loaded() && inner_->Available(); }

    std::unique_ptr<AudioStream> Start(const PcmFormat& format, std::unique_ptr<QIODevice> source) override {
        return Loaded() ? inner_->Start(format, std::move(source)) : nullptr;
    }

private:
    // Tried once, and only when a sound server may answer: without one the
    // module would only find that out. It stays loaded to the end of the
    // program (its code may still run from Qt's event queue after a stream
    // is gone), so it is never unloaded.
    bool Loaded() {
        if (!tried_) {
            tried_ = true;
            if (!SoundServerMayAnswer(ThisProcessSoundServerPlaces())) return false;
            QLibrary module(path_);
            module.setLoadHints(QLibrary::PreventUnloadHint);
            const auto make = reinterpret_cast<MakeAudioOutputFunction>(module.resolve(kMakeAudioOutputSymbol));
            if (make) inner_.reset(make());
        }
        return inner_ != nullptr;
    }

    QString path_;
    bool tried_ = false;
    std::unique_ptr<AudioOutput> inner_;
};

}  // namespace

std::unique_ptr<AudioOutput> MakeModuleAudioOutput(const QString& module_path) {
    return std::make_unique<ModuleAudioOutput>(module_path);
}

std::unique_ptr<AudioOutput> MakeSystemAudioOutput() {
    // Without an application the program's folder is unknown: no output.
    const QString folder = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
    return MakeModuleAudioOutput(folder.isEmpty() ? QString() : QDir(folder).filePath(kSoundModuleName));
}

}  // namespace velmora
