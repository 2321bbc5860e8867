#include "support/entry_services.h"

#include <QCoreApplication>

#include "platform/files.h"
#include "ui/main/main_window.h"

namespace velmora {

std::optional<std::span<const uint8_t>> CurrentSoundLibrary::FindWave(std::string_view name) const {
    if (!library_) return std::nullopt;
    return ResourceSoundLibrary(*library_).FindWave(name);
}

EntryServices::EntryServices(Engine& engine, const std::string& program_folder, const ProgramHooks& hooks)
    : sounds_(engine.params, sound_library_, hooks.sound_output ? *hooks.sound_output : platform_output_),
      event_sounds_(engine.params, sounds_),
      boxes_(hooks.boxes ? *hooks.boxes : qt_boxes_),
      messages_(engine.params, boxes_, [this](int code) { EndProgram(code); }),
      dialogs_(engine, messages_, sounds_),
      host_(messages_, boxes_, sounds_, dialogs_, [this](int code) { EndProgram(code); }) {
    // The splash needs its picture and its sound before the window starts;
    // the window then takes this library over. A library that does not load
    // is reported by the window, so here it only leaves the splash plainer
    // and silent.
    if (splash_library_.Load(FindPath(program_folder, "QOR.RGF", EntryKind::File)))
        sound_library_.Use(&splash_library_);
}

MainWindowServices EntryServices::ForWindow() {
    MainWindowServices services;
    services.messages = &messages_;
    services.sounds = &event_sounds_;
    services.host = &host_;
    services.loaded_library = &splash_library_;
    services.help = &dialogs_;
    services.game_selection = &dialogs_;
    return services;
}

void EntryServices::Attach(TfrmMain& window) {
    sound_library_.Use(window.Library().IsLoaded() ? &window.Library() : nullptr);
    splash_library_.Unload();
    qt_boxes_.SetOwner(&window);
    host_.SetWindow(&window);
    dialogs_.SetWindow(&window);
}

void EntryServices::Detach() {
    sound_library_.Use(nullptr);
    qt_boxes_.SetOwner(nullptr);
    host_.SetWindow(nullptr);
    dialogs_.SetWindow(nullptr);
}

// Without std::exit: the loop ends (when it runs) and the entry releases
// everything on its way out.
void EntryServices::EndProgram(int code) {
    end_.requested = true;
    end_.code = code;
    QCoreApplication::exit(code);
}

}  // namespace velmora
