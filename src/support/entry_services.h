#pragma once
// What the program entry owns for the main window: the sound player and the
// sounds, the message boxes and messages, and the window's host. The sounds
// come from the entry's own copy of the resource library while the splash
// window is up, and from the window's library once the window has loaded it.

#include <optional>
#include <string>

#include "platform/resource_library.h"
#include "platform/sound_player.h"
#include "support/messages.h"
#include "support/platform_sounds.h"
#include "support/program_entry.h"
#include "support/qt_message_boxes.h"
#include "support/settings_save_notice.h"
#include "support/sound_events.h"
#include "support/sounds.h"
#include "support/program_dialogs.h"
#include "support/window_host.h"
#include "ui/main/main_window_services.h"

namespace velmora {

class TfrmMain;

// The sounds of whichever library is current; none: silence.
class CurrentSoundLibrary final : public SoundLibrary {
  public:
    void Use(const ResourceLibrary* library) { library_ = library; }
    std::optional<std::span<const uint8_t>> FindWave(std::string_view name) const override;

  private:
    const ResourceLibrary* library_ = nullptr;
};

// A fatal box asked the program to end.
struct EndRequest {
    bool requested = false;
    int code = 0;
};

class EntryServices {
  public:
    EntryServices(Engine& engine, const std::string& program_folder, const ProgramHooks& hooks);
    EntryServices(const EntryServices&) = delete;
    EntryServices& operator=(const EntryServices&) = delete;

    const ResourceLibrary& SplashLibrary() const { return splash_library_; }
    Sounds& GetSounds() { return sounds_; }
    MainWindowServices ForWindow();
    void SetSplash(QWidget* splash) { host_.SetSplash(splash); }
    const EndRequest& End() const { return end_; }
    // The settings notice that found no running loop to show it.
    void ShowPendingNotices() { settings_notice_.ShowPending(); }

    // The window exists (its library replaces the entry's copy) or is about
    // to go (nothing may point into it any more).
    void Attach(TfrmMain& window);
    void Detach();

  private:
    void EndProgram(int code);

    SoundPlayer player_;
    PlayerSoundOutput platform_output_{player_};
    ResourceLibrary splash_library_;
    CurrentSoundLibrary sound_library_;
    Sounds sounds_;
    EventSounds event_sounds_;
    QtMessageBoxes qt_boxes_;
    MessageBoxes& boxes_;
    EndRequest end_;
    MessageService messages_;
    SettingsSaveNotice settings_notice_{messages_};
    ScopedSettingsSaveListener settings_listener_{settings_notice_};
    ProgramDialogs dialogs_;
    ProgramHost host_;
};

}  // namespace velmora
